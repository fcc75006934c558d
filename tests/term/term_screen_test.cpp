// The terminal screen: the tagged output lines and the answers it reads.
#include "term/term_screen.h"

#include "term/term_fixture.h"

namespace tovk::term {
namespace {

using TermScreenTest = TermFixture;

TEST_F(TermScreenTest, windowLinesAndMessagesCarryTheirTags) {
  g.AppendLine(MemoId::Incoming, "K1ABC UR 5A");
  g.AppendLine(MemoId::Outgoing, "Tovk de Q1AAA SS");
  g.AppendLine(MemoId::Log, "1977/11/18|21:00|- Start of operation");
  g.ShowMessage("Error Reading file x in line 3\n\rTry again");
  EXPECT_EQ(Printed(), (Lines{"in  | K1ABC UR 5A", "out | Tovk de Q1AAA SS",
                              "log | 1977/11/18|21:00|- Start of operation",
                              "msg | Error Reading file x in line 3", "msg | Try again"}));
}

TEST_F(TermScreenTest, aLineWithABreakStaysOneOutputLine) {
  g.AppendLine(MemoId::Incoming, "half\r\nline");
  EXPECT_EQ(Printed(), (Lines{"in  | half  line"}));
}

TEST_F(TermScreenTest, questionIsAnsweredByTheNextLine) {
  Type("Yes\nn\n");
  EXPECT_TRUE(screen.AskYesNo("Are you sure ?"));
  EXPECT_FALSE(screen.AskYesNo("Save the game"));
  EXPECT_EQ(Printed(), (Lines{"ask | Are you sure ?", "ask | Save the game"}));
}

TEST_F(TermScreenTest, fileDialogPutsABareNameInItsFolderAndEmptyIsCancel) {
  Type("game1\n/tmp/other.sav\n\n");
  FileRequest save;
  save.save = true;
  save.folder = "/games";
  EXPECT_EQ(screen.ChooseFile(save), "/games/game1");
  FileRequest restore;
  restore.title = "Restore game ?";
  restore.folder = "/games";
  EXPECT_EQ(screen.ChooseFile(restore), "/tmp/other.sav");
  EXPECT_EQ(screen.ChooseFile(restore), std::nullopt);
  EXPECT_EQ(Printed(), (Lines{"file| Save As", "file| Restore game ?", "file| Restore game ?"}));
}

TEST_F(TermScreenTest, timeoutDialogOkSetsTheTimeoutAndKeepsCallAndCheck) {
  g.Mycall = "K1ABC/3";
  g.Mycheck = "72";
  Type("1 75\n");
  screen.RunSettingsDialog(SettingsPage::TimeOut);
  EXPECT_EQ(g.TimeoutHours, 1);
  EXPECT_EQ(g.TimeoutMinutes, 59);
  EXPECT_EQ(g.Mycall, "K1ABC/3");
  EXPECT_EQ(g.Mycheck, "72");
  EXPECT_EQ(Printed(), (Lines{"time| hours minutes"}));
}

TEST_F(TermScreenTest, timeoutDialogCancelKeepsTheLastValues) {
  g.TimeoutMinutes = 20;
  Type("\n");
  screen.RunSettingsDialog(SettingsPage::TimeOut);
  EXPECT_EQ(g.TimeoutHours, 0);
  EXPECT_EQ(g.TimeoutMinutes, 20);
}

TEST_F(TermScreenTest, endOfInputWhileWaitingForAnAnswerEndsTheProgram) {
  Type("");
  EXPECT_THROW(screen.AskYesNo("Are you sure ?"), InputEnded);
  EXPECT_THROW(screen.ChooseFile(FileRequest{}), InputEnded);
  EXPECT_THROW(screen.RunSettingsDialog(SettingsPage::TimeOut), InputEnded);
}

TEST_F(TermScreenTest, nothingIsPrintedOnceTheProgramHasEnded) {
  screen.EndProgram();
  g.AppendLine(MemoId::Log, "late line");
  g.ShowMessage("late message");
  EXPECT_TRUE(screen.Ended());
  EXPECT_TRUE(Printed().empty());
}

}  // namespace
}  // namespace tovk::term
