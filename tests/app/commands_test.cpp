// The command and key tables: every button has its row, every row what a
// front-end needs to show and run it, every key a command, and the help's
// keys page names every key.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace tovk {
namespace {

TEST(CommandTable, everyCommandHasOneCompleteRowInItsPlace) {
  const auto rows = CommandRows();
  std::set<std::string> names;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CommandRow& row = rows[i];
    EXPECT_EQ(static_cast<std::size_t>(row.command), i) << row.name;
    EXPECT_TRUE(row.caption && *row.caption) << row.name;
    EXPECT_TRUE(row.hint && *row.hint) << row.name;
    EXPECT_NE(row.run, nullptr) << row.name;
    EXPECT_TRUE(names.insert(row.name).second) << "two rows named " << row.name;
    // A button, and only a button, sits in a group with a picture.
    EXPECT_EQ(row.group.has_value(), ButtonOf(row.command).has_value()) << row.name;
    EXPECT_EQ(row.picture != nullptr, row.group.has_value()) << row.name;
    EXPECT_EQ(row.menuCaption != nullptr, row.menu != Menu::None) << row.name;
  }
  for (int b = 0; b < kButtonCount; ++b) {
    const Command command = CommandOf(static_cast<Button>(b));
    EXPECT_EQ(ButtonOf(command), static_cast<Button>(b));
    EXPECT_TRUE(RowOf(command).group.has_value());
  }
}

TEST(CommandTable, tovkTermWordsAreUniqueAndFindTheirCommand) {
  std::set<std::string> words;
  for (const CommandRow& row : CommandRows()) {
    if (row.words == nullptr) continue;
    EXPECT_TRUE(words.insert(row.words).second) << row.words;
    EXPECT_EQ(CommandOfWords(row.words), row.command);
  }
  EXPECT_EQ(CommandOfWords("dance"), std::nullopt);
}

TEST(CommandTable, menusHoldTheirEntriesInOrderWithSeparators) {
  const auto captions = [](Menu menu) {
    std::string text;
    for (const MenuEntry& entry : MenuEntries(menu))
      text += (entry.separator ? "-" : entry.caption) + "|";
    return text;
  };
  EXPECT_EQ(captions(Menu::Bar), "Exit|Game|Settings|Help|");
  EXPECT_EQ(captions(Menu::Game),
            "Start|-|Save|Restore|-|New|-|Export Cabrillo...|Export ADIF...|Results...|-|"
            "Sound on/off|");
  EXPECT_EQ(captions(Menu::Help), "Help|Help on help|Full text search|Search|Keys|-|About Tovk|");
}

TEST(KeyTable, everyKeyIsUniqueAndRunsACommand) {
  std::set<std::string> texts;
  for (const KeyRow& key : KeyRows()) {
    EXPECT_TRUE(texts.insert(key.keyText).second) << key.keyText;
    EXPECT_EQ(FindKey(key.chord), &key) << key.keyText;
    EXPECT_LT(static_cast<std::size_t>(key.command), CommandRows().size());
  }
  EXPECT_EQ(HintWithKey(RowOf(Command::CallCq)), "Call CQ (F1)");
  EXPECT_EQ(HintWithKey(RowOf(Command::Qrt)), "Shut down the program");
  EXPECT_EQ(FindKey(KeyChord{Key::F5}), nullptr);
}

TEST(KeyTable, theHelpsKeysPageNamesEveryKey) {
  std::ifstream in(TOVK_SOURCE_DIR "/docs/help/tovk-help.html");
  std::stringstream text;
  text << in.rdbuf();
  const std::string help = text.str();
  const auto start = help.find("name=\"keys\"");
  ASSERT_NE(start, std::string::npos);
  const std::string page = help.substr(start, help.find("</table>", start) - start);
  for (const KeyRow& key : KeyRows())
    EXPECT_NE(page.find(key.keyText), std::string::npos) << key.keyText;
}

TEST(NextBand, stepsThroughTheBandBoxAndStopsAtTheEnds) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"40", true, "20"},  {"10", true, ""}, {"80", false, ""},
      {"15", false, "20"}, {"", true, "80"}, {"", false, "10"},
  };
  for (const auto& [band, up, next] : cases) EXPECT_EQ(NextBand(band, up), next) << band << up;
}

}  // namespace
}  // namespace tovk
