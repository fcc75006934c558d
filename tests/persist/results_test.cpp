// The results summary's figures for a known game and log.
#include "persist/results.h"

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "world/sections.h"

namespace tovk {
namespace {

class ResultsTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};

  ResultsTest() {
    g.Mynumber = 5;
    g.SectionsWorked = 3;
    g.DupeCount = 1;
    g.ErrorCount = 2;
    g.OpHours = 1;
    g.OpMinutes = 20;
    for (int section : {0, 8, 34})
      g.SectionStatus[section] = SectionState::Worked;  // CT, NYLI, EBAY
    g.SectionStatus[1] = SectionState::Heard;           // EMA heard only
    g.Lines(MemoId::Log) = {
        "1977/11/18|21:00|- Start of operation",
        "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1",
        "1977/11/18|21:59|K1ABD     | 40|   13| B | 70| CT  |    2",
        "1977/11/18|22:41|N2EQ      | 80|    3| A | 71| NYLI|    3",
        "1977/11/19|00:10|- Timeout for 2 Hours, and 30 minutes",
        "1977/11/21|02:40|W6XYZ     | 10|  140| B | 52| EBAY|    4",
        "1977/11/21|02:41|W6XYZ     | 10|  140| B | 52 EBAY |    5",
    };
  }
};

TEST_F(ResultsTest, countersFollowTheStatusBar) {
  ResultsSummary r = ComputeResults(g);
  EXPECT_EQ(r.contacts, 4);
  EXPECT_EQ(r.sections, 3);
  EXPECT_EQ(r.score, 24);
  EXPECT_EQ(r.scoreText, "24");
  EXPECT_EQ(r.rateText, "3");  // 4 contacts in 80 minutes
  EXPECT_EQ(r.dupes, 1);
  EXPECT_EQ(r.lids, 2);
  EXPECT_EQ(r.operatingTime, "01:20");

  g.Mynumber = 0;  // before the first new game
  g.OpHours = 0;
  g.OpMinutes = 0;
  r = ComputeResults(g);
  EXPECT_EQ(r.contacts, 0);
  EXPECT_EQ(r.score, 0);
  EXPECT_EQ(r.rateText, "-");
}

TEST_F(ResultsTest, contactsAreCountedByBandAndContestHour) {
  ResultsSummary r = ComputeResults(g);
  EXPECT_EQ(r.contactsPerBand, (std::array<int, kBandCount>{1, 2, 0, 0, 1}));
  EXPECT_EQ(r.contactsPerHour[0], 2);
  EXPECT_EQ(r.contactsPerHour[1], 1);
  EXPECT_EQ(r.contactsPerHour[kContestHours - 1], 1);
  int total = 0;
  for (int n : r.contactsPerHour) total += n;
  EXPECT_EQ(total, 4);
  EXPECT_EQ(r.unreadLines, 1);
}

TEST_F(ResultsTest, neededSectionsAreListedByAreaAndHeardStillCounts) {
  for (int section : {53, 54, 55}) g.SectionStatus[section] = SectionState::Worked;  // all of W8
  ResultsSummary r = ComputeResults(g);
  ASSERT_EQ(r.sectionsNeeded.size(), 10u);
  EXPECT_EQ(r.sectionsNeeded[0].area, "W1");
  EXPECT_EQ(r.sectionsNeeded[0].sections,
            (std::vector<std::string>{"EMA", "ME", "NH", "RI", "VT", "WMA"}));
  EXPECT_EQ(r.sectionsNeeded[1].sections, (std::vector<std::string>{"ENY", "NNJ", "SNJ", "WNY"}));
  for (const NeededSections& area : r.sectionsNeeded) EXPECT_NE(area.area, "W8");
  std::size_t needed = 0;
  for (const NeededSections& area : r.sectionsNeeded) needed += area.sections.size();
  EXPECT_EQ(needed, 75u - 6u);
}

}  // namespace
}  // namespace tovk
