// Whole contests played by the robot operator with the real station list,
// checking after every action what must always hold: the pool bounds, the
// section count, the score shown, and the logbook's columns. No action may
// hang and no contest may run away.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/actions.h"
#include "support/robot.h"
#include "world/clock.h"

#if defined(__SANITIZE_ADDRESS__)
#define TOVK_SOAK_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOVK_SOAK_UNDER_SANITIZER 1
#endif
#endif

namespace tovk {
namespace {

#ifdef TOVK_SOAK_UNDER_SANITIZER
constexpr int kContests = 10;  // sanitizers slow every action down
#else
constexpr int kContests = 50;
#endif
constexpr long kMaxActionsPerContest = 200000;

// Bars of a contact line: date|time|call|band|number|prec|check|section|QSO.
const std::vector<std::size_t> kContactLineBars = {10, 16, 27, 31, 37, 41, 45, 51};

bool IsContactLine(const std::string& line) {
  return line.find("|- ") == std::string::npos && line.find("| - ") == std::string::npos;
}

std::vector<std::size_t> Bars(const std::string& line) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '|') at.push_back(i);
  }
  return at;
}

class ContestWatch {
 public:
  explicit ContestWatch(const Game& g) : g_(g) {}

  // Checks the game after one action; a failure names the action.
  void Check(const char* action) {
    ASSERT_LE(g_.StationMax, kPoolCapacity - 1) << action;
    if (g_.StationIndex != 666) selected_ = true;
    if (selected_) {
      ASSERT_GE(g_.StationIndex, 0) << action;
      ASSERT_LE(g_.StationIndex, g_.StationMax) << action;
    }
    int worked = static_cast<int>(
        std::count(g_.SectionStatus.begin(), g_.SectionStatus.end(), SectionState::Worked));
    ASSERT_EQ(g_.SectionsWorked, worked) << action;
    ASSERT_EQ(g_.StatusText(StatusPanel::Score),
              FormatScore(2 * g_.SectionsWorked * (g_.Mynumber - 1)))
        << action;
    const auto& log = g_.Lines(MemoId::Log);
    for (; linesChecked_ < log.size(); ++linesChecked_) {
      const std::string& line = log[linesChecked_];
      if (!IsContactLine(line)) continue;
      ASSERT_EQ(Bars(line), kContactLineBars) << action << ": " << line;
      ++contacts_;
    }
  }

  long contacts() const { return contacts_; }

 private:
  const Game& g_;
  bool selected_ = false;
  std::size_t linesChecked_ = 0;
  long contacts_ = 0;
};

TEST(SoakTest, robotPlaysWholeContestsWithoutBreakingTheGame) {
  const std::filesystem::path stations = TOVK_SHIPPED_STATION_LIST;
  ASSERT_TRUE(std::filesystem::exists(stations));
  long totalContacts = 0;
  for (int seed = 1; seed <= kContests; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing::RobotScreen screen;
    SeededRandom random(seed);
    Game g(screen, random);
    testing::StartRobotContest(g, stations.parent_path(), testing::OptionsForSeed(seed));
    ASSERT_GT(g.StationMax, 0) << "no station list";
    testing::Robot robot(g, screen, seed);
    ContestWatch watch(g);
    watch.Check("new game");
    while (!robot.Done()) {
      const char* action = robot.Step();
      watch.Check(action);
      if (::testing::Test::HasFatalFailure()) return;
      ASSERT_LT(robot.tally().actions, kMaxActionsPerContest) << "contest never ends";
    }
    EXPECT_TRUE(ContestIsOver(g));
    EXPECT_EQ(watch.contacts(), g.Mynumber - 1);
    totalContacts += watch.contacts();
  }
  // Contacts are made: a robot that never logs would prove nothing.
  EXPECT_GT(totalContacts, 10L * kContests);
}

}  // namespace
}  // namespace tovk
