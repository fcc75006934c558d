// The status bar, the call button's caption, the Log button under Assist and
// the end of the contest.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

using DisplayTest = GameTest;

TEST(FormatScoreTest, insertsThousandsSeparatorsFromOneThousandOn) {
  EXPECT_EQ(FormatScore(998), "998");
  EXPECT_EQ(FormatScore(1000), "1,000");
  EXPECT_EQ(FormatScore(12345), "12,345");
  EXPECT_EQ(FormatScore(1050000), "1,050,000");
  EXPECT_EQ(FormatScore(1234567), "1,234,567");
}

TEST_F(DisplayTest, statusBarShowsClocksScoreAndRate) {
  g.Hour = 2, g.Minute = 7, g.Second = 9, g.OpHours = 2, g.OpMinutes = 0;
  g.Mynumber = 6, g.SectionsWorked = 3;
  RefreshDisplay(g);
  EXPECT_EQ(g.statusPanel[1], "02:07");
  EXPECT_EQ(g.statusPanel[3], "21:07");
  EXPECT_EQ(g.statusPanel[5], "02:00:09");
  EXPECT_EQ(g.statusPanel[11], "30");
  EXPECT_EQ(g.statusPanel[13], "2");
  EXPECT_EQ(g.HourText, "02");  // the clock texts the log lines use

  EXPECT_FALSE(g.IsEnabled(Button::ToolButtonlog));  // Assist: exchange not sent

  g.Hour = 5, g.Mynumber = 1, g.Assist = false;
  g.SetButtonEnabled(Button::ToolButtonlog, true);
  RefreshDisplay(g);
  EXPECT_EQ(g.statusPanel[3], "00:07");
  EXPECT_EQ(g.statusPanel[13], "-");
  EXPECT_TRUE(g.IsEnabled(Button::ToolButtonlog));
}

TEST_F(DisplayTest, stateTextAndCallButtonFollowTheContact) {
  struct Case {
    std::uint8_t state;
    bool call, section;
    const char *text, *caption;
  };
  const Case cases[] = {
      {ssNone, true, true, "--", "QRZ"},
      {ssCalledMe, true, true, "Called me", "Call Stn"},
      {ssHeardCQ, false, true, "Heard CQ", "QRZ WI"},
      {ssCQSent, false, false, "", "QRZ"},
      {ssHeardSection, true, true, "Heard Section", "QRZ WI"},
  };
  g.Hissection = "WI";
  for (const Case& c : cases) {
    g.StationState = c.state, g.PartReceived[2] = c.call, g.PartReceived[5] = c.section;
    RefreshDisplay(g);
    EXPECT_EQ(g.statusPanel[18], c.text);
    EXPECT_EQ(g.callButtonCaption, c.caption) << c.text;
  }
}

TEST_F(DisplayTest, contestEndsOnDay21At0300OrAfter24OperatingHours) {
  g.Day = 21, g.Hour = 2, g.Minute = 59;
  g.SetTimer1(true);
  RefreshDisplay(g);
  EXPECT_TRUE(Messages().empty());

  g.Hour = 3, g.Minute = 0;
  RefreshDisplay(g);
  EXPECT_EQ(Messages(), Texts{"Contest is over"});
  EXPECT_FALSE(g.Timer1);
  EXPECT_FALSE(g.IsEnabled(Button::ToolButtonTimeout));
  EXPECT_TRUE(g.IsEnabled(Button::SpeedButtonStartgame));  // not an operating control

  g.Day = 19, g.OpHours = 24;
  RefreshDisplay(g);
  EXPECT_EQ(Messages(), Texts{"Contest is over"});
}

}  // namespace
}  // namespace tovk::testing
