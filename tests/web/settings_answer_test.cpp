// The settings dialog's answer from the page: each line one change, in the
// player's order; lines that are not understood, or out of range, change
// nothing.
#include "settings_answer.h"

#include <gtest/gtest.h>

namespace tovk::web {
namespace {

TEST(SettingsAnswerTest, eachLineIsOneChangeInTheOrderGiven) {
  const WindowLook look;
  const SettingsAnswer answer = ReadSettingsAnswer(
      "power 1000\nside right\nautoclear 0\nsilent 1\ncolour 6 255\n"
      "font 2 -15 1 0 1 0 Liberation Mono\ntimeout 0 20\nstation K1ABC\t77",
      look);
  ASSERT_EQ(answer.changes.size(), 8u);
  EXPECT_FALSE(answer.chooseSavedGameFile);
  EXPECT_EQ(answer.changes[0].power, Power::High1000);
  EXPECT_EQ(answer.changes[1].sectionMapRight, true);
  EXPECT_EQ(answer.changes[2].autoClear, false);
  EXPECT_EQ(answer.changes[3].silentMode, true);
  ASSERT_TRUE(answer.changes[4].colour);
  EXPECT_EQ(answer.changes[4].colour->first, ColourItem::Radio);
  EXPECT_EQ(answer.changes[4].colour->second, 255);
  ASSERT_TRUE(answer.changes[5].font);
  const auto& [memo, font] = *answer.changes[5].font;
  EXPECT_EQ(memo, MemoId::Outgoing);
  EXPECT_EQ(font.name, "Liberation Mono");
  EXPECT_EQ(font.height, -15);
  EXPECT_TRUE(font.bold && !font.italic && font.underline && !font.strikeOut);
  // The font keeps the window's text colour.
  EXPECT_EQ(font.colour, look.outgoingFont.colour);
  ASSERT_TRUE(answer.changes[6].timeout);
  EXPECT_EQ(answer.changes[6].timeout->hours, 0);
  EXPECT_EQ(answer.changes[6].timeout->minutes, 20);
  ASSERT_TRUE(answer.changes[7].ownStation);
  EXPECT_EQ(answer.changes[7].ownStation->callsign, "K1ABC");
  EXPECT_EQ(answer.changes[7].ownStation->check, "77");
}

TEST(SettingsAnswerTest, choosingTheSavedGameFileIsAskedForWithoutAChange) {
  const SettingsAnswer answer = ReadSettingsAnswer("autosave 1\nchoose-saved-game\n", WindowLook{});
  ASSERT_EQ(answer.changes.size(), 1u);
  EXPECT_EQ(answer.changes[0].autoSave, true);
  EXPECT_TRUE(answer.chooseSavedGameFile);
}

TEST(SettingsAnswerTest, linesNotUnderstoodOrOutOfRangeChangeNothing) {
  for (const char* line : {"",
                           "power 500",
                           "power",
                           "side up",
                           "autodetect 2",
                           "autodetect",
                           "assist yes",
                           "colour 11 0",
                           "colour 0 16777216",
                           "colour -1 5",
                           "colour 3",
                           "font 3 -13 0 0 0 0 Arial",
                           "font 0 0 0 0 0 0 Arial",
                           "font 0 -13 0 0 0 Arial",
                           "font 0 -13 0 0 0 0",
                           "timeout 61 0",
                           "timeout 1 60",
                           "timeout 1",
                           "timeout x y",
                           "station K1ABC",
                           "debug 1",
                           "nonsense",
                           "power 1000 ",
                           "colour 0 12abc"}) {
    const SettingsAnswer answer = ReadSettingsAnswer(line, WindowLook{});
    EXPECT_TRUE(answer.changes.empty()) << '"' << line << '"';
    EXPECT_FALSE(answer.chooseSavedGameFile) << line;
  }
}

}  // namespace
}  // namespace tovk::web
