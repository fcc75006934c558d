// Calling CQ by hand and automatically, and tuning the band: busy and silent
// frequencies, the 40 m evening rule, Auto CQ numbering, phone patches,
// broadcasts and the seven situations of a tuned station.
#include <gtest/gtest.h>

#include "engine/actions.h"
#include "engine/contact_fixture.h"

namespace tovk {
namespace {

class CqAndTuneTest : public testing::ContactTest {
 protected:
  CqAndTuneTest() {
    // Nobody in this pool can be heard: every search ends in silence.
    Pool({{"K1ABC", kNoSection}, {"W6XYZ", kNoSection}, {"N2EQ", kNoSection}});
  }
};

TEST_F(CqAndTuneTest, cqTakesTwelveSecondsAndMayFindTheFrequencyBusyOrNobody) {
  g.CallAttempts = 3;
  g.StationState = ssHeardCQ;
  int before = ClockSeconds();
  Script({0});
  CallCq(g);
  EXPECT_EQ(ClockSeconds() - before, 12);
  EXPECT_EQ(Outgoing(), std::vector<std::string>{"Tovk de Q1AAA SS"});
  EXPECT_EQ(LastIncoming(), "FREQUENCY IS IN USE OM");
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_EQ(g.CallAttempts, 0);

  Script({1, 0});
  CallCq(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
  EXPECT_EQ(g.StationIndex, 666);  // nobody was looked for
}

TEST_F(CqAndTuneTest, fortyMetreEveningSilencesCQOnlyFromTwentyToMidnight) {
  g.Band = "40";
  g.Hour = 20;
  Script({1, 1, 6});
  CallCq(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
  EXPECT_EQ(g.StationIndex, 666);

  // After midnight the rule takes no draw and the pool is searched.
  g.Hour = 2;
  Script({1, 1});
  CallCq(g);
  EXPECT_LE(g.StationIndex, g.StationMax);
  EXPECT_EQ(LastIncoming(), "*** No response");
}

TEST_F(CqAndTuneTest, autoCQNumbersItsCallsUntilAStationAnswers) {
  Script({1, 0});
  StartAutoCq(g);
  EXPECT_TRUE(g.autoCqTimer);
  EXPECT_EQ(LastIncoming(), "*** No response to call number 1");

  Script({1, 0});
  ClockTick(g);
  EXPECT_EQ(LastIncoming(), "*** No response to call number 2");
  EXPECT_EQ(Outgoing().size(), 2u);

  // A station answered: the next tick ends the run.
  g.StationState = ssCalledMe;
  ClockTick(g);
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_FALSE(g.AutoCQ);
  EXPECT_EQ(Outgoing().size(), 2u);
  Script({1, 0});
  CallCq(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
}

TEST_F(CqAndTuneTest, tuningStopsAutoCQButKeepsItsNumbering) {
  Script({1, 0});
  StartAutoCq(g);
  g.Band = "80";
  Script({0, 0});
  TuneBand(g);
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_TRUE(g.AutoCQ);
  Script({1, 0});
  CallCq(g);
  EXPECT_EQ(LastIncoming(), "*** No response to call number 1");
}

TEST_F(CqAndTuneTest, cqAndTuneGoOnTheAirByThemselvesOnlyUnderAssist) {
  g.Operating = false;
  g.Assist = false;
  Script({0});
  CallCq(g);
  EXPECT_FALSE(g.Operating);
  EXPECT_TRUE(Logbook().empty());

  g.Assist = true;
  Script({0});
  CallCq(g);
  EXPECT_TRUE(g.Operating);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_EQ(Logbook()[0], "1977/11/18|21:00|- Start of operation");

  g.Operating = false;
  g.Band = "80";
  Script({0, 0});
  TuneBand(g);
  EXPECT_TRUE(g.Operating);
}

TEST_F(CqAndTuneTest, ordinaryTuneTakesFourToTwentyNineSeconds) {
  g.Band = "80";
  g.SetAutoCqTimer(true);
  int before = ClockSeconds();
  Script({0, 25});
  TuneBand(g);
  EXPECT_EQ(ClockSeconds() - before, 29);
  EXPECT_EQ(LastIncoming(), "*** Nothing heard");
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_TRUE(Outgoing().empty());
}

TEST_F(CqAndTuneTest, phonePatchOnlyOnTenFifteenTwentyAfterHourSixteen) {
  g.Hour = 17;
  int before = ClockSeconds();
  Script({0, 5, 0, 1, 2, 0});
  TuneBand(g);
  EXPECT_EQ(Incoming(),
            (std::vector<std::string>{"CQ CQ CQ DE HK3QWE",
                                      "THIS IS HK3QWE LOOKING FOR A PHONE PATCH INTO MIAMI"}));
  EXPECT_EQ(ClockSeconds(), before);
  EXPECT_EQ(g.StationState, ssNone);

  g.Band = "15";
  Script({0, 4, 24, 24, 24, 3});
  TuneBand(g);
  EXPECT_EQ(LastIncoming(), "THIS IS YV4NNN LOOKING FOR A PHONE PATCH INTO NEW YORK");

  // At hour 16, or on 40 m, no patch draw is taken: the band is searched.
  for (auto [band, hour] : {std::pair{"10", 16}, std::pair{"40", 17}}) {
    g.Band = band;
    g.Hour = hour;
    before = ClockSeconds();
    Script({0, 0});
    TuneBand(g);
    EXPECT_EQ(LastIncoming(), "*** Nothing heard") << band;
    EXPECT_EQ(ClockSeconds() - before, 4) << band;
  }
}

TEST_F(CqAndTuneTest, broadcastsOnFortyMetresAtNightOnly) {
  g.Band = "40";
  struct Case {
    int hour;
    std::initializer_list<int> draws;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {21, {6, 5, 3, 1}, {"THIS IS THE BBC", "THIS IS RADIO NEWSREEL"}},
      {5, {9, 0, 0, 2, 5}, {"YOU ARE LISTENING TO RADIO MOSCOW", "A NEWS BROADCAST FOLLOWS"}},
      {0,
       {6, 4, 1, 2, 4, 4},
       {"YOU ARE LISTENING TO RADIO PEKING",
        "YOU HAVE BEEN LISTENING TO A COMMENTARY ON THE NEWS"}},
      {20, {6, 4, 2, 2, 4, 5}, {"YOU ARE LISTENING TO RADIO ALBANIA"}},
      {6, {6, 0}, {"*** Nothing heard"}},
      {19, {9, 0}, {"*** Nothing heard"}},
      {21, {5, 0}, {"*** Nothing heard"}},
  };
  for (const auto& c : cases) {
    g.Hour = c.hour;
    g.ClearMemo(MemoId::Incoming);
    random.script.clear();
    random.Add(c.draws);
    TuneBand(g);
    EXPECT_EQ(Incoming(), c.lines) << "hour " << c.hour;
    EXPECT_TRUE(AllScriptUsed()) << "hour " << c.hour;
  }
}

struct TunedCase {
  int situation;
  std::uint8_t state;
  std::vector<std::string> lines;
  bool callCopied;
  bool sectionCopied;
};

TEST_F(CqAndTuneTest, tunedStationIsHeardInOneOfSevenSituations) {
  Pool({{"K1ABC", 0}, {"W6XYZ", 40}, {"N2EQ", 8}});
  const TunedCase cases[] = {
      {0, ssHeardQRZ, {" QRZ DE K1ABC"}, true, false},
      {1, ssHeardQRZ, {" QRZ SS DE K1ABC"}, true, false},
      {2, ssHeardSection, {"N2EQ DE  #@$ %&* CT"}, false, true},
      {3, ssQSOInProgress, {"N2EQ DE K1ABC"}, true, false},
      {4, ssHeardCQ, {"CQ CQ CQ DE K1ABC", "CQ CQ CQ DE K1ABC", "CQ CQ CQ DE K1ABC"}, true, false},
      {5, ssQSOInProgress, {"N2EQ DE K1ABC #@$%&* CT"}, true, true},
      {6, ssHeardCQ, {"Tovk DE K1ABC", "Tovk DE K1ABC"}, true, false},
  };
  for (const auto& c : cases) {
    ClearContact(g);
    g.ClearMemo(MemoId::Incoming);
    g.SectionStatus[0] = SectionState::Needed;
    InHand(0, "   7", "B", "69", "CT");
    random.script.clear();
    // The situation, then OtherCall's pick or the number of CQ lines.
    Script({c.situation, c.situation == 6 ? 0 : 1});
    TunedStationHeard(g);
    SCOPED_TRACE(c.situation);
    EXPECT_EQ(g.StationState, c.state);
    EXPECT_EQ(Incoming(), c.lines);
    EXPECT_EQ(g.PartReceived[Part::Call], c.callCopied);
    EXPECT_EQ(g.PartReceived[Part::Section], c.sectionCopied);
    EXPECT_EQ(FieldText(Field::Call), c.callCopied ? "K1ABC" : "");
    EXPECT_EQ(FieldText(Field::Section), c.sectionCopied ? "CT" : "");
    EXPECT_EQ(g.SectionStatus[0], c.sectionCopied ? SectionState::Heard : SectionState::Needed);
  }
}

TEST_F(CqAndTuneTest, tunedStationWithoutAutoDetectFillsNoFieldButCountsTheParts) {
  Pool({{"K1ABC", 0}, {"W6XYZ", 40}});
  InHand(0, "   7", "B", "69", "CT");
  g.AutoDetect = false;
  Script({5, 0});
  TunedStationHeard(g);
  EXPECT_TRUE(g.PartReceived[Part::Call]);
  EXPECT_TRUE(g.PartReceived[Part::Section]);
  EXPECT_EQ(FieldText(Field::Call), "");
  EXPECT_EQ(FieldText(Field::Section), "");
  EXPECT_EQ(g.SectionStatus[0], SectionState::Needed);
}

}  // namespace
}  // namespace tovk
