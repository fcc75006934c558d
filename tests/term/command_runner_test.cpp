// Running commands on the game: disabled buttons, the timer tick, the
// read-outs and the settings applied as the dialog applies them.
#include "term/command_runner.h"

#include "engine/actions.h"
#include "term/command.h"
#include "term/term_fixture.h"

namespace tovk::term {
namespace {

class CommandRunnerTest : public TermFixture {
 protected:
  void Run(const std::string& line) { RunCommand(session, screen, ParseCommand(line)); }
};

TEST_F(CommandRunnerTest, aDisabledButtonIsRefusedAndDoesNothing) {
  g.SetButtonEnabled(Button::CallCq, false);
  Run("call  cq");
  EXPECT_EQ(Printed(), (Lines{"off | call  cq"}));
  EXPECT_TRUE(g.Lines(MemoId::Outgoing).empty());
  EXPECT_TRUE(random.ranges.empty());
}

TEST_F(CommandRunnerTest, enterTakesTheNextStepUnlessItsButtonIsDisabled) {
  g.StationState = ssHeardCQ;  // a station heard: the step is the call button
  g.Hiscall = "K1ABC";
  g.SetButtonEnabled(Button::CallStation, false);
  Run("enter");
  EXPECT_EQ(Printed(), (Lines{"off | enter"}));
  EXPECT_TRUE(g.Lines(MemoId::Outgoing).empty());

  g.SetButtonEnabled(Button::CallStation, true);
  Run("enter");
  ASSERT_FALSE(g.Lines(MemoId::Outgoing).empty());
  EXPECT_EQ(g.Lines(MemoId::Outgoing).back(), "K1ABC DE " + g.Mycall.str());
  EXPECT_EQ(g.busy, 0);
}

TEST_F(CommandRunnerTest, unknownAndWrongCommandsAreReported) {
  Run("dance");
  Run("band 6");
  Run("show Nothing");
  EXPECT_EQ(Printed(), (Lines{"err | unknown command: dance",
                              "err | band must be one of 80 40 20 15 10: band 6",
                              "err | unknown variable: Nothing"}));
}

TEST_F(CommandRunnerTest, tickRunsTheAutoCqTimerOnlyWhileItIsEnabled) {
  g.StationState = ssCalledMe;  // a station in hand ends the repetition at the next tick
  g.AutoCQ = true;
  Run("tick");
  EXPECT_TRUE(g.AutoCQ);  // timer off: nothing happened

  g.SetAutoCqTimer(true);
  Run("tick");
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_FALSE(g.AutoCQ);
  EXPECT_EQ(g.busy, 0);
}

TEST_F(CommandRunnerTest, statusShowsAllNineteenPanelsAndFieldsTheFiveEntries) {
  LayOutStatusBar(g);
  g.Mynumber = 1;
  RefreshDisplay(g);
  Run("type call k1abc");
  Printed();
  Run("status");
  Run("fields");
  EXPECT_EQ(Printed(),
            (Lines{"status| GMT 21:00 Local 16:00 Op 00:00:00 QSo's 0 Sections 0 Score 0 Q/hr - "
                   "Dups 0 Lids 0 --",
                   "fields| ||K1ABC||"}));
}

TEST_F(CommandRunnerTest, settingCallOrCheckKeepsTheOtherAndTheTimeout) {
  g.TimeoutHours = 1;
  g.TimeoutMinutes = 20;
  Run("set Mycall k1abc");
  EXPECT_EQ(g.Mycall, "K1ABC/3");
  EXPECT_EQ(g.CQText, "Tovk de K1ABC/3 SS");
  EXPECT_EQ(g.Mycheck, "68");
  Run("set Mycheck 72");
  EXPECT_EQ(g.Mycheck, "72");
  EXPECT_EQ(g.Mycall, "K1ABC/3");
  EXPECT_EQ(g.TimeoutHours, 1);
  EXPECT_EQ(g.TimeoutMinutes, 20);
  Run("show Mycall");
  EXPECT_EQ(Printed(), (Lines{"show| Mycall=K1ABC/3"}));
}

TEST_F(CommandRunnerTest, settingPowerSideAndOptions) {
  Run("set power 1000");
  EXPECT_EQ(g.Myprec, "B");
  EXPECT_EQ(g.PowerFactor, 10);
  Run("set power 100");
  EXPECT_EQ(g.PowerFactor, 40);
  Run("set SectionPosition R");
  EXPECT_EQ(g.SectionPosition, "R");
  Run("set AutoClear off");
  Run("set AutoSave on");
  EXPECT_FALSE(g.AutoClear);
  EXPECT_TRUE(g.AutoSave);
  EXPECT_TRUE(Printed().empty());
}

TEST_F(CommandRunnerTest, soundSettingsGoIntoTheGameAndCopyByEarPrintsHeardThenRevealed) {
  Run("set Sound off");
  Run("set Noise 12");
  Run("set Filter 3.0");
  Run("set Monitor on");
  Run("set CopyByEar on");
  EXPECT_EQ(g.Sound, (SoundOptions{false, 80, 12, "3.0", 100, true, true}));
  EXPECT_FALSE(g.AutoDetect);
  EXPECT_TRUE(Printed().empty());

  // A station's line is heard, the game's own notice shown; the contact's
  // end shows what was heard.
  g.AppendLine(MemoId::Incoming, "Q1AAA UR 12 A K1AA Check 55 CT");
  g.AppendLine(MemoId::Incoming, "*** No response");
  Run("clr xchg");
  EXPECT_EQ(Printed(), (Lines{"in  | (heard)", "in  | *** No response",
                              "rev | Q1AAA UR 12 A K1AA Check 55 CT"}));
}

}  // namespace
}  // namespace tovk::term
