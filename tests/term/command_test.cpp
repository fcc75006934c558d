// Reading input lines into the terminal front-end's commands.
#include "term/command.h"

#include <gtest/gtest.h>

namespace tovk::term {
namespace {

TEST(ParseCommand, buttonCaptionsMatchInAnyCaseAndSpacing) {
  EXPECT_EQ(ParseCommand("Call CQ").button, Button::ToolButtonCallCQ);
  EXPECT_EQ(ParseCommand("  call    cq ").kind, CommandKind::Press);
  EXPECT_EQ(ParseCommand("CALL").button, Button::ToolbuttonCallhim);
  EXPECT_EQ(ParseCommand("send msg").button, Button::ToolButtonSend);
  EXPECT_EQ(ParseCommand("qrv").button, Button::SpeedButtonStartgame);
  EXPECT_EQ(ParseCommand("  Call CQ ").text, "Call CQ");
}

TEST(ParseCommand, unknownWordsAndExtraArgumentsAreUnknown) {
  EXPECT_EQ(ParseCommand("jump").kind, CommandKind::Unknown);
  EXPECT_EQ(ParseCommand("Call CQ now").kind, CommandKind::Unknown);
  EXPECT_EQ(ParseCommand("status please").kind, CommandKind::Unknown);
  EXPECT_EQ(ParseCommand("enter now").kind, CommandKind::Unknown);
}

TEST(ParseCommand, blankLinesAndCommentsDoNothing) {
  EXPECT_EQ(ParseCommand("").kind, CommandKind::Empty);
  EXPECT_EQ(ParseCommand(" \t").kind, CommandKind::Empty);
  EXPECT_EQ(ParseCommand("# a note").kind, CommandKind::Empty);
}

TEST(ParseCommand, readOutsTickAndEnter) {
  EXPECT_EQ(ParseCommand("tick").kind, CommandKind::Tick);
  EXPECT_EQ(ParseCommand(" Enter ").kind, CommandKind::Enter);
  EXPECT_EQ(ParseCommand("STATUS").kind, CommandKind::Status);
  EXPECT_EQ(ParseCommand("fields").kind, CommandKind::Fields);
  const Command show = ParseCommand("show PartText[ 2 ]");
  EXPECT_EQ(show.kind, CommandKind::Show);
  EXPECT_EQ(show.value, "PartText[ 2 ]");
  EXPECT_EQ(ParseCommand("show").kind, CommandKind::Invalid);
}

TEST(ParseCommand, bandTakesOnlyTheFiveBands) {
  const Command band = ParseCommand("BAND 15");
  EXPECT_EQ(band.kind, CommandKind::Band);
  EXPECT_EQ(band.value, "15");
  const Command wrong = ParseCommand("band 160");
  EXPECT_EQ(wrong.kind, CommandKind::Invalid);
  EXPECT_EQ(wrong.error, "band must be one of 80 40 20 15 10: band 160");
  EXPECT_EQ(ParseCommand("band").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("band 20 m").kind, CommandKind::Invalid);
}

TEST(ParseCommand, typeNamesAFieldAndKeepsTheRestAsTyped) {
  const Command call = ParseCommand("type CALL k1abc");
  EXPECT_EQ(call.kind, CommandKind::Type);
  EXPECT_EQ(call.field, Field::Edithiscall);
  EXPECT_EQ(call.value, "k1abc");
  EXPECT_EQ(ParseCommand("type section  e mass ").value, "e mass");
  const Command empty = ParseCommand("type number");
  EXPECT_EQ(empty.kind, CommandKind::Type);
  EXPECT_EQ(empty.field, Field::Editnumber);
  EXPECT_EQ(empty.value, "");
  EXPECT_EQ(ParseCommand("type name Bob").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("type").kind, CommandKind::Invalid);
}

TEST(ParseCommand, clearTakesInOrOut) {
  EXPECT_EQ(ParseCommand("clear in").kind, CommandKind::ClearIn);
  EXPECT_EQ(ParseCommand("Clear OUT").kind, CommandKind::ClearOut);
  EXPECT_EQ(ParseCommand("clear log").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("clear").kind, CommandKind::Invalid);
}

TEST(ParseCommand, setOwnStationTakesTheTextTheCallsignInCapitals) {
  const Command call = ParseCommand("set mycall k1abc");
  EXPECT_EQ(call.kind, CommandKind::Set);
  EXPECT_EQ(call.setting, Setting::Mycall);
  EXPECT_EQ(call.value, "K1ABC");
  EXPECT_EQ(ParseCommand("set Mycall").value, "");  // the dialog takes an empty callsign
  const Command check = ParseCommand("set Mycheck 7a");
  EXPECT_EQ(check.setting, Setting::Mycheck);
  EXPECT_EQ(check.value, "7a");
}

TEST(ParseCommand, setChoicesAreCheckedAndMapToTheDialogItems) {
  EXPECT_EQ(ParseCommand("set power 100").item, 0);
  EXPECT_EQ(ParseCommand("set POWER 1000").item, 1);
  EXPECT_EQ(ParseCommand("set power 500").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("set SectionPosition r").item, 1);
  EXPECT_EQ(ParseCommand("set sectionposition L").item, 0);
  EXPECT_EQ(ParseCommand("set SectionPosition middle").kind, CommandKind::Invalid);

  const Command assist = ParseCommand("set Assist OFF");
  EXPECT_EQ(assist.kind, CommandKind::Set);
  EXPECT_EQ(assist.setting, Setting::Assist);
  EXPECT_FALSE(assist.on);
  EXPECT_TRUE(ParseCommand("set autosave on").on);

  const Command maybe = ParseCommand("set Assist maybe");
  EXPECT_EQ(maybe.kind, CommandKind::Invalid);
  EXPECT_EQ(maybe.error, "Assist must be on or off: set Assist maybe");
  EXPECT_EQ(ParseCommand("set Mynumber 5").kind, CommandKind::Invalid);
}

}  // namespace
}  // namespace tovk::term
