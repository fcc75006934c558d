// The settings file: every key in its place and form, what a hand-edited file
// gives, and that writing keeps the rest of a file and never half-writes it.
#include "persist/settings_file.h"

#include <gtest/gtest.h>

#include "persist/temp_folder.h"

namespace tovk {
namespace {

constexpr const char* kNewFileText =
    "[Forms]\n"
    "Terminal width=621\n"
    "Terminal height=600\n"
    "Terminal top=97\n"
    "Terminal left=268\n"
    "Incoming color=15793151\n"
    "Incoming Font.name=Courier New\n"
    "Incoming Font.color=-16777208\n"
    "Incoming Font.height=-13\n"
    "Incoming Wordwrap=1\n"
    "Logbook color=-16777211\n"
    "Logbook Font.name=Courier New\n"
    "Logbook Font.color=-16777208\n"
    "Logbook  Font.height=-11\n"
    "Outgoing color=15780518\n"
    "Outgoing Font.name=Courier New\n"
    "Outgoing Font.color=255\n"
    "Outgoing Font.height=-13\n"
    "Incoming Font.Style=0\n"
    "Outgoing Font.Style=0\n"
    "\n"
    "[Controls]\n"
    "Debug=0\n"
    "Silent mode=0\n"
    "AutoClear=1\n"
    "AutoDetect=1\n"
    "Assist=1\n"
    "AutoSave=0\n"
    "\n"
    "[Panels]\n"
    "Radio color=12639424\n"
    "Macros color=-16777206\n"
    "Data color=15780518\n"
    "Misc color=15793151\n"
    "Section Position=L\n"
    "\n"
    "[Calls]\n"
    "Mycall=Q1AAA\n"
    "Myprec=A\n"
    "Mycheck=68\n"
    "\n"
    "[Colours]\n"
    "Needed=$00D0E2E8\n"
    "Heard=clYellow\n"
    "Worked=clLime\n"
    "Sections=65535\n"
    "\n"
    "[Files]\n"
    "Saved game=tovk.sav\n"
    "\n"
    "[Sound]\n"
    "Sound=1\n"
    "Volume=80\n"
    "Noise=30\n"
    "Filter=2.7\n"
    "Speech rate=100\n"
    "Copy by ear=0\n"
    "Monitor=0\n";

GameState Read(const std::string& text) {
  GameState s;
  ReadSettingsText(s, text);
  return s;
}

TEST(SettingsFileTest, newFileHoldsEveryKeyInOrderWithItsStartValue) {
  EXPECT_EQ(SettingsFileText(GameState{}, ""), kNewFileText);
}

TEST(SettingsFileTest, startValuesReadBackUnchanged) {
  const GameState s = Read(kNewFileText);
  const GameState start;
  EXPECT_EQ(SettingsFileText(s, ""), SettingsFileText(start, ""));
}

TEST(SettingsFileTest, readsEveryFormOfValue) {
  const GameState s = Read(
      "[Forms]\nTerminal width=700\nIncoming Font.name=Fixed\nIncoming Wordwrap=7\n"
      "Logbook  Font.height=-20\n"
      "[Controls]\nDebug=1\nAutoClear=0\n"
      "[Calls]\nMycall=K9XYZ\nMyprec=B\nMycheck=77\n"
      "[Files]\nSaved game=/home/op/contest.sav\n");
  EXPECT_EQ(s.Look.width, 700);
  EXPECT_EQ(s.Look.incomingFont.name, "Fixed");
  EXPECT_TRUE(s.Look.incomingWordwrap);
  EXPECT_EQ(s.Look.logFont.height, -20);
  EXPECT_TRUE(s.Debug);
  EXPECT_FALSE(s.AutoClear);
  EXPECT_EQ(s.Mycall, "K9XYZ");
  EXPECT_EQ(s.Myprec, "B");
  EXPECT_EQ(s.Mycheck, "77");
  EXPECT_EQ(s.SavedGameFile, "/home/op/contest.sav");
}

TEST(SettingsFileTest, soundSectionIsReadInsideItsRangesAndAFileWithoutItKeepsTheDefaults) {
  const GameState old = Read("[Calls]\nMycall=K9XYZ\n");
  EXPECT_EQ(old.Sound, SoundOptions{});
  EXPECT_TRUE(old.Sound.on);
  EXPECT_FALSE(old.Sound.copyByEar);

  const GameState s = Read(
      "[Sound]\nSound=0\nVolume=55\nNoise=12\nFilter=2.4\nSpeech rate=150\n"
      "Copy by ear=1\nMonitor=1\n");
  EXPECT_EQ(s.Sound, (SoundOptions{false, 55, 12, "2.4", 150, true, true}));
  const std::string written = SettingsFileText(s, "");
  EXPECT_NE(written.find("[Sound]\nSound=0\nVolume=55\nNoise=12\nFilter=2.4\nSpeech rate=150\n"
                         "Copy by ear=1\nMonitor=1\n"),
            std::string::npos);

  // Out of range: kept at the nearest end; no filter of the receiver: ignored.
  const GameState wild = Read("[Sound]\nVolume=400\nNoise=-3\nSpeech rate=20\nFilter=5.0\n");
  EXPECT_EQ(wild.Sound.volume, 100);
  EXPECT_EQ(wild.Sound.noise, 0);
  EXPECT_EQ(wild.Sound.speechRate, 50);
  EXPECT_EQ(wild.Sound.filter, "2.7");
}

TEST(SettingsFileTest, sectionAndKeyNamesMatchWithoutRegardToCase) {
  const GameState s = Read("[forms]\nterminal WIDTH=700\n[CALLS]\nmycall=K9XYZ\n");
  EXPECT_EQ(s.Look.width, 700);
  EXPECT_EQ(s.Mycall, "K9XYZ");
}

TEST(SettingsFileTest, heardColourAsIdentifierHexOrDecimalGivesTheSameRed) {
  for (const char* text : {"clRed", "CLRED", "$000000FF", "255"}) {
    EXPECT_EQ(Read(std::string("[Colours]\nHeard=") + text + "\n").HeardColour, 0x0000FF) << text;
  }
}

TEST(SettingsFileTest, neededThatIsNoColourStopsReadingThere) {
  const GameState s = Read(
      "[Calls]\nMycall=K9XYZ\n"
      "[Colours]\nNeeded=Purplish\nHeard=clRed\nWorked=clRed\nSections=1\n"
      "[Files]\nSaved game=other.sav\n");
  const GameState start;
  EXPECT_EQ(s.Mycall, "K9XYZ");
  EXPECT_EQ(s.NeededColour, start.NeededColour);
  EXPECT_EQ(s.HeardColour, start.HeardColour);
  EXPECT_EQ(s.WorkedColour, start.WorkedColour);
  EXPECT_EQ(s.SectionsColour, start.SectionsColour);
  EXPECT_EQ(s.SavedGameFile, "tovk.sav");
}

TEST(SettingsFileTest, valuesThatAreNoNumberOrDoNotFitIn32BitsAreMissing) {
  const GameState s = Read(
      "[Forms]\nTerminal width=99999999999\nTerminal height=-2147483649\nTerminal top=12abc\n"
      "Terminal left=-2147483648\n[Controls]\nAutoClear=yes\n[Colours]\nSections=$1FFFFFFFF\n");
  EXPECT_EQ(s.Look.width, 621);
  EXPECT_EQ(s.Look.height, 600);
  EXPECT_EQ(s.Look.top, 97);
  EXPECT_EQ(s.Look.left, INT32_MIN);
  EXPECT_TRUE(s.AutoClear);
  EXPECT_EQ(s.SectionsColour, 65535);
}

TEST(SettingsFileTest, onlyFontStyleOneMakesTheFontBold) {
  EXPECT_FALSE(Read("[Forms]\nIncoming Font.Style=2\n").Look.incomingFont.bold);
  EXPECT_TRUE(Read("[Forms]\nIncoming Font.Style=1\n").Look.incomingFont.bold);

  GameState s;
  s.Look.incomingFont.bold = true;
  s.Look.incomingFont.italic = true;
  s.Look.outgoingFont.bold = true;
  const std::string text = SettingsFileText(s, "");
  EXPECT_NE(text.find("Incoming Font.Style=0\n"), std::string::npos);
  EXPECT_NE(text.find("Outgoing Font.Style=1\n"), std::string::npos);
}

TEST(SettingsFileTest, textsAreCutToTheirVariables) {
  const GameState s = Read("[Calls]\nMycall=K9ABCDEFGHIJ\n[Panels]\nSection Position=Right\n");
  EXPECT_EQ(s.Mycall, "K9ABCDEFGH");
  EXPECT_EQ(s.SectionPosition, "R");
}

TEST(SettingsFileTest, sectionLineWithoutItsBracketEndsAtItsLineEnd) {
  const GameState s = Read("[Calls\r\nMycall=K9XYZ\r\n[Panels]\rSection Position=R\r");
  EXPECT_EQ(s.Mycall, "K9XYZ");
  EXPECT_EQ(s.SectionPosition, "R");
}

TEST(SettingsFileTest, logbookHeightKeyNeedsItsTwoBlanks) {
  EXPECT_EQ(Read("[Forms]\nLogbook Font.height=-30\n").Look.logFont.height, -11);
}

TEST(SettingsFileTest, bandAndQsoNumberBoxesFollowTheirGroups) {
  const GameState s = Read("[Panels]\nRadio color=255\nData color=65280\n");
  EXPECT_EQ(s.Look.bandColour, 255);
  EXPECT_EQ(s.Look.qsoNumberColour, 65280);
}

TEST(SettingsFileTest, latinOneLineIsReadAsUtf8) {
  EXPECT_EQ(Read("[Calls]\nMycall=K9\xC4Z\n").Mycall, "K9\xC3\x84Z");
}

TEST(SettingsFileTest, writingKeepsTheRestOfTheFile) {
  const std::string existing =
      "; my settings\n"
      "[Calls]\n"
      "Mycheck=12\n"
      "Nickname=Bob\n"
      "[Mine]\n"
      "; keep me\n"
      "Answer=42\n"
      "; last words\n";
  GameState s;
  s.Mycheck = "55";
  const std::string text = SettingsFileText(s, existing);
  // The known key keeps its place with its new value; the missing keys of
  // the section follow the unknown one; other sections and comments stay.
  EXPECT_NE(text.find("[Calls]\nMycheck=55\nNickname=Bob\nMycall=Q1AAA\nMyprec=A\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("; my settings"), std::string::npos);
  EXPECT_NE(text.find("; keep me\nAnswer=42\n"), std::string::npos) << text;
  EXPECT_NE(text.find("; last words"), std::string::npos) << text;
  // Missing sections go to the end, in the order of the table.
  EXPECT_LT(text.find("[Mine]"), text.find("[Forms]"));
  EXPECT_LT(text.find("[Forms]"), text.find("[Files]"));
  // Writing the result once more changes nothing.
  EXPECT_EQ(SettingsFileText(s, text), text);
}

TEST(SettingsFileTest, writeReplacesTheFileAndLeavesNothingBehind) {
  testing::TempFolder folder;
  const auto file = folder / "tovk.ini";
  testing::WriteBytes(file, "[Other]\nKey=1\n");
  ASSERT_TRUE(WriteSettings(GameState{}, file));
  EXPECT_EQ(testing::ReadBytes(file), std::string("[Other]\nKey=1\n\n") + kNewFileText);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"tovk.ini"});
}

TEST(SettingsFileTest, failedWriteLeavesTheOldFileAndNoTemporaryFile) {
  testing::TempFolder folder;
  EXPECT_FALSE(WriteSettings(GameState{}, folder / "missing" / "tovk.ini"));
  // A target that cannot be replaced: the rename fails after the write.
  const auto blocked = folder / "tovk.ini";
  std::filesystem::create_directories(blocked / "inside");
  EXPECT_FALSE(WriteSettings(GameState{}, blocked));
  EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"tovk.ini"});
}

TEST(ColourTextTest, startColoursAndSystemColoursHaveTheirNames) {
  const GameState s;
  EXPECT_EQ(ColourToText(s.NeededColour), "$00D0E2E8");
  EXPECT_EQ(ColourToText(s.HeardColour), "clYellow");
  EXPECT_EQ(ColourToText(s.WorkedColour), "clLime");
  EXPECT_EQ(ColourToText(kClBtnFace), "clBtnFace");
  EXPECT_EQ(ColourToText(SystemColour(24)), "clInfoBk");
  EXPECT_EQ(ColourToText(0xF0CAA6), "clSkyBlue");
  EXPECT_EQ(ColourToText(0x123456), "$00123456");
}

TEST(ColourTextTest, readsIdentifiersAndNumbers) {
  EXPECT_EQ(TextToColour("clbtnface"), kClBtnFace);
  EXPECT_EQ(TextToColour("-16777201"), kClBtnFace);
  EXPECT_EQ(TextToColour("$FF00000F"), kClBtnFace);
  EXPECT_EQ(TextToColour("cl3DLight"), SystemColour(22));
  EXPECT_EQ(TextToColour("clNothing"), std::nullopt);
  EXPECT_EQ(TextToColour(""), std::nullopt);
  EXPECT_EQ(TextToColour("$123456789"), std::nullopt);
}

}  // namespace
}  // namespace tovk
