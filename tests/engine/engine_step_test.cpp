// The engine step's mishaps, the no-response lines, going on the air and the
// Auto CQ timer's tick.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

class EngineStepTest : public GameTest {
 protected:
  void SetUp() override {
    g.Operating = true;
    g.DayText = "18";
    RefreshDisplay(g);  // clock texts 21:00
    SetFieldText(g, Field::Call, "K1ABC");
    g.StationState = ssCalledMe;
    g.SetAutoCqTimer(true);
  }
  // One engine step whose mishap roll comes up, with these draws after it.
  void Mishap(std::initializer_list<int> draws) {
    random.Add({66});
    random.Add(draws);
    EngineStep(g);
  }
};

TEST_F(EngineStepTest, shortBathroomBreakCountsAsOperatingTime) {
  Mishap({0, 7});  // bathroom, 5 + 7 minutes
  EXPECT_EQ(Messages(), Texts{"Timeout in bathroom\n\rOff the air for 12 Min"});
  EXPECT_EQ(g.OpMinutes, 12);
  EXPECT_TRUE(g.Operating);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_EQ(g.fieldText[2], "");
  EXPECT_TRUE(g.IsEnabled(Button::CallCq));  // Assist keeps the controls
}

TEST_F(EngineStepTest, fifteenMinutesOffTheAirIsATimeout) {
  g.Assist = false;
  Mishap({0, 10});
  EXPECT_EQ(g.Minute, 15);
  EXPECT_EQ(g.OpMinutes, 0);
  EXPECT_FALSE(g.Operating);
  EXPECT_EQ(Log(), Texts{"1977/11/18|21:00|- Timeout for 15 minutes"});
  EXPECT_FALSE(g.IsEnabled(Button::CallCq));
}

TEST_F(EngineStepTest, blackoutOfTwoHoursTenMinutes) {
  Mishap({9, 5, 1, 2});  // k = 10, no antenna loss, 1 + 1 hours, 8 + 2 minutes
  EXPECT_EQ(Messages(), Texts{"Power line blackout\n\rOff the air for 2 Hours, 10 Min"});
  EXPECT_EQ(g.Hour * 60 + g.Minute, 23 * 60 + 10);
  EXPECT_EQ(g.OpMinutes, 0);
  EXPECT_EQ(Log(), Texts{"1977/11/18|21:00|- Timeout for 2 Hours, and 10 minutes"});
}

TEST_F(EngineStepTest, lostAntennaEndsOperationWithoutAnEmptyOffTheAirBox) {
  Mishap({9, 0});
  EXPECT_EQ(Messages(),
            Texts{"Antenna blew down in the wind\n\rNo way to fix it this weekend - QRT"});
  EXPECT_EQ(Log(), Texts{"1977/11/18|21:00| - End of operation"});
  EXPECT_FALSE(g.IsEnabled(Button::CallCq));
  EXPECT_TRUE(g.Operating);

  // "QRV" brings the controls back without a new start line.
  GoOnTheAir(g);
  EXPECT_TRUE(g.IsEnabled(Button::CallCq));
  EXPECT_EQ(Log().size(), 1u);
}

constexpr NoResponseKind kAllKinds[] = {NoResponseKind::NoResponse, NoResponseKind::NothingHeard,
                                        NoResponseKind::NoResponseToCall,
                                        NoResponseKind::BlankLine};

TEST_F(EngineStepTest, noResponseLinesByKindUnlessSilent) {
  for (NoResponseKind kind : kAllKinds) NoResponse(g, kind);
  g.AutoCQ = true, g.AutoCQCount = 7;
  NoResponse(g, NoResponseKind::NoResponseToCall);
  EXPECT_EQ(g.Lines(MemoId::Incoming),
            (Texts{"*** No response", "*** Nothing heard", "*** No response", "",
                   "*** No response to call number 7"}));
  g.ClearMemo(MemoId::Incoming);
  g.SilentMode = true;
  for (NoResponseKind kind : kAllKinds) NoResponse(g, kind);
  EXPECT_TRUE(g.Lines(MemoId::Incoming).empty());
}

TEST_F(EngineStepTest, timerTickIsSkippedWhileAnotherActionRuns) {
  // With a station in hand the timer's handler ends Auto CQ: that shows it ran.
  Perform(g, [&] { ClockTick(g); });
  EXPECT_TRUE(g.autoCqTimer);
  ClockTick(g);
  EXPECT_FALSE(g.autoCqTimer);
}

}  // namespace
}  // namespace tovk::testing
