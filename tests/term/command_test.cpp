// Reading input lines into the terminal front-end's commands.
#include "term/command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "term/help_text.h"

namespace tovk::term {
namespace {

TEST(ParseCommand, theGamesCommandsMatchTheirWordsInAnyCaseAndSpacing) {
  const std::pair<const char*, Command> cases[] = {
      {"Call CQ", Command::CallCq},   {"  call    cq ", Command::CallCq},
      {"CALL", Command::CallStation}, {"send msg", Command::SendMessage},
      {"qrv", Command::Qrv},          {" Enter ", Command::NextStep},
      {"results", Command::Results},  {"clr xchg", Command::ClearContact},
  };
  for (const auto& [line, command] : cases) {
    const TermCommand parsed = ParseCommand(line);
    EXPECT_EQ(parsed.kind, CommandKind::Run) << line;
    EXPECT_EQ(parsed.command, command) << line;
  }
  EXPECT_EQ(ParseCommand("  Call CQ ").text, "Call CQ");
}

TEST(ParseCommand, unknownWordsAndExtraArgumentsAreUnknown) {
  for (const char* line : {"jump", "Call CQ now", "status please", "enter now", "settings"})
    EXPECT_EQ(ParseCommand(line).kind, CommandKind::Unknown) << line;
}

TEST(ParseCommand, blankLinesAndCommentsDoNothing) {
  EXPECT_EQ(ParseCommand("").kind, CommandKind::Empty);
  EXPECT_EQ(ParseCommand(" \t").kind, CommandKind::Empty);
  EXPECT_EQ(ParseCommand("# a note").kind, CommandKind::Empty);
}

TEST(ParseCommand, readOutsAndTick) {
  EXPECT_EQ(ParseCommand("tick").kind, CommandKind::Tick);
  EXPECT_EQ(ParseCommand("STATUS").kind, CommandKind::Status);
  EXPECT_EQ(ParseCommand("fields").kind, CommandKind::Fields);
  const TermCommand show = ParseCommand("show PartText[ 2 ]");
  EXPECT_EQ(show.kind, CommandKind::Show);
  EXPECT_EQ(show.value, "PartText[ 2 ]");
  EXPECT_EQ(ParseCommand("show").kind, CommandKind::Invalid);
}

TEST(ParseCommand, bandTakesOnlyTheFiveBands) {
  const TermCommand band = ParseCommand("BAND 15");
  EXPECT_EQ(band.command, Command::ChooseBand);
  EXPECT_EQ(band.input.text, "15");
  const TermCommand wrong = ParseCommand("band 160");
  EXPECT_EQ(wrong.kind, CommandKind::Invalid);
  EXPECT_EQ(wrong.error, "band must be one of 80 40 20 15 10: band 160");
  EXPECT_EQ(ParseCommand("band").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("band 20 m").kind, CommandKind::Invalid);
}

TEST(ParseCommand, typeNamesAFieldAndKeepsTheRestAsTyped) {
  const TermCommand call = ParseCommand("type CALL k1abc");
  EXPECT_EQ(call.command, Command::TypeField);
  EXPECT_EQ(call.input.field, Field::Call);
  EXPECT_EQ(call.input.text, "k1abc");
  EXPECT_EQ(ParseCommand("type section  e mass ").input.text, "e mass");
  const TermCommand empty = ParseCommand("type number");
  EXPECT_EQ(empty.command, Command::TypeField);
  EXPECT_EQ(empty.input.field, Field::Number);
  EXPECT_EQ(empty.input.text, "");
  EXPECT_EQ(ParseCommand("type name Bob").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("type").kind, CommandKind::Invalid);
}

TEST(ParseCommand, clearTakesInOrOut) {
  EXPECT_EQ(ParseCommand("clear in").command, Command::ClearIncoming);
  EXPECT_EQ(ParseCommand("Clear OUT").command, Command::ClearOutgoing);
  EXPECT_EQ(ParseCommand("clear log").kind, CommandKind::Invalid);
  EXPECT_EQ(ParseCommand("clear").kind, CommandKind::Invalid);
}

TEST(ParseCommand, setOwnStationTakesTheTextTheCallsignInCapitals) {
  const TermCommand call = ParseCommand("set mycall k1abc");
  EXPECT_EQ(call.kind, CommandKind::Set);
  EXPECT_EQ(call.setting, Setting::Mycall);
  EXPECT_EQ(call.value, "K1ABC");
  EXPECT_EQ(ParseCommand("set Mycall").value, "");  // the dialog takes an empty callsign
  const TermCommand check = ParseCommand("set Mycheck 7a");
  EXPECT_EQ(check.setting, Setting::Mycheck);
  EXPECT_EQ(check.value, "7a");
}

TEST(ParseCommand, setChoicesAreCheckedAndMapToTheDialogItems) {
  EXPECT_EQ(ParseCommand("set power 100").power, Power::Low100);
  EXPECT_EQ(ParseCommand("set POWER 1000").power, Power::High1000);
  EXPECT_EQ(ParseCommand("set power 500").kind, CommandKind::Invalid);
  EXPECT_TRUE(ParseCommand("set SectionPosition r").on);
  EXPECT_FALSE(ParseCommand("set sectionposition L").on);
  EXPECT_EQ(ParseCommand("set SectionPosition middle").kind, CommandKind::Invalid);

  const TermCommand assist = ParseCommand("set Assist OFF");
  EXPECT_EQ(assist.kind, CommandKind::Set);
  EXPECT_EQ(assist.setting, Setting::Assist);
  EXPECT_FALSE(assist.on);
  EXPECT_TRUE(ParseCommand("set autosave on").on);

  const TermCommand maybe = ParseCommand("set Assist maybe");
  EXPECT_EQ(maybe.kind, CommandKind::Invalid);
  EXPECT_EQ(maybe.error, "Assist must be on or off: set Assist maybe");
  EXPECT_EQ(ParseCommand("set Mynumber 5").kind, CommandKind::Invalid);
}

// Every command --help lists is one the terminal reads: the words as shown,
// with sample arguments for the placeholders.
TEST(HelpText, everyCommandListedIsRead) {
  std::istringstream help(HelpText());
  std::string line;
  while (std::getline(help, line) && line != "Commands:") {
  }
  int listed = 0;
  while (std::getline(help, line)) {
    std::string words = line.substr(2, line.find("  ", 2) - 2);
    if (words.empty()) continue;  // a description's second line
    for (const auto& [placeholder, sample] :
         {std::pair<std::string, std::string>{"band B", "band 40"},
          {"type FIELD TEXT", "type call K1ABC"},
          {"clear in|out", "clear in"},
          {"show NAME[i]", "show PartText[2]"},
          {"set NAME VALUE", "set Assist on"},
          {"export cabrillo FILE", "export cabrillo k.log"},
          {"export adif FILE", "export adif k.adi"}}) {
      if (words == placeholder) words = sample;
    }
    const CommandKind kind = ParseCommand(words).kind;
    EXPECT_NE(kind, CommandKind::Unknown) << words;
    EXPECT_NE(kind, CommandKind::Invalid) << words;
    ++listed;
  }
  EXPECT_GT(listed, 30);
}

}  // namespace
}  // namespace tovk::term
