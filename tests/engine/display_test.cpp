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
  EXPECT_EQ(g.StatusText(StatusPanel::Gmt), "02:07");
  EXPECT_EQ(g.StatusText(StatusPanel::Local), "21:07");
  EXPECT_EQ(g.StatusText(StatusPanel::OpTime), "02:00:09");
  EXPECT_EQ(g.StatusText(StatusPanel::Score), "30");
  EXPECT_EQ(g.StatusText(StatusPanel::Rate), "2");
  EXPECT_EQ(g.HourText, "02");  // the clock texts the log lines use

  EXPECT_FALSE(g.IsEnabled(Button::LogQso));  // Assist: exchange not sent

  g.Hour = 5, g.Mynumber = 1, g.Assist = false;
  g.SetButtonEnabled(Button::LogQso, true);
  RefreshDisplay(g);
  EXPECT_EQ(g.StatusText(StatusPanel::Local), "00:07");
  EXPECT_EQ(g.StatusText(StatusPanel::Rate), "-");
  EXPECT_TRUE(g.IsEnabled(Button::LogQso));
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
    g.StationState = c.state, g.PartReceived[Part::Call] = c.call,
    g.PartReceived[Part::Section] = c.section;
    RefreshDisplay(g);
    EXPECT_EQ(g.StatusText(StatusPanel::State), c.text);
    EXPECT_EQ(g.callButtonCaption, c.caption) << c.text;
  }
}

TEST_F(DisplayTest, contestEndsOnDay21At0300OrAfter24OperatingHours) {
  g.Day = 21, g.Hour = 2, g.Minute = 59;
  g.SetAutoCqTimer(true);
  RefreshDisplay(g);
  EXPECT_TRUE(Messages().empty());

  g.Hour = 3, g.Minute = 0;
  RefreshDisplay(g);
  EXPECT_EQ(Messages(), Texts{"Contest is over"});
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_FALSE(g.IsEnabled(Button::Timeout));
  EXPECT_TRUE(g.IsEnabled(Button::Qrv));  // not an operating control

  g.Day = 19, g.OpHours = 24;
  RefreshDisplay(g);
  EXPECT_EQ(Messages(), Texts{"Contest is over"});
}

}  // namespace
}  // namespace tovk::testing
