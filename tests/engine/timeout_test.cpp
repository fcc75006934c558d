// The player's timeout.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

class TimeoutTest : public GameTest {
 protected:
  void SetUp() override {
    g.Operating = true, g.Mynumber = 1, g.DayText = "18";
    RefreshDisplay(g);
    screen.defaultAnswer = true;
  }
  // Takes a timeout, the dialog confirmed with these spin values.
  void TimeoutOf(int hours, int minutes) {
    screen.settingsDialog = [this, hours, minutes](SettingsPage) {
      SetTimeoutLength(g, hours, minutes);
    };
    TakeTimeout(g);
  }
};

constexpr const char* kTooShort = "Sorry, rules state that a minimum timeout is 15 minutes";

TEST_F(TimeoutTest, fifteenMinutesAtLeastOffTheAirUncounted) {
  TimeoutOf(0, 14);
  EXPECT_EQ(Messages(), Texts{kTooShort});
  EXPECT_EQ(screen.settingsPages, std::vector<SettingsPage>{SettingsPage::TimeOut});
  EXPECT_TRUE(g.Operating);

  TimeoutOf(0, 15);
  EXPECT_EQ(g.Minute, 15);
  EXPECT_EQ(g.OpMinutes, 0);
  EXPECT_FALSE(g.Operating);
  EXPECT_TRUE(Log().empty());  // no line before the first contact
}

TEST_F(TimeoutTest, hoursAreUsedUpAndACancelledDialogKeepsTheMinutes) {
  g.Mynumber = 2;
  TimeoutOf(1, 10);
  EXPECT_EQ(Log(), Texts{"1977/11/18|21:00|- Timeout for 1 Hours, and 10 minutes"});
  EXPECT_EQ(g.Hour * 60 + g.Minute, 22 * 60 + 10);
  EXPECT_EQ(g.TimeoutHours, 0);

  screen.settingsDialog = nullptr;  // Cancel: 0 hours and the last 10 minutes
  TakeTimeout(g);
  EXPECT_EQ(Messages(), Texts{kTooShort});
}

}  // namespace
}  // namespace tovk::testing
