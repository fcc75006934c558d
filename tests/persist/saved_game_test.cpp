// The saved game: the layout line by line, a played game back as it was, the
// damaged files the reader meets, and saves that fail without harm.
#include "persist/saved_game.h"

#include <gtest/gtest.h>

#include <sstream>

#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "world/sections.h"

namespace tovk {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// A file's text from its lines, each ending CR LF.
std::string FileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The 28 values of a hand-written file, a few of them noticeable.
std::vector<std::string> Values() {
  return {" 12", "B",  "K9XYZ", "59", "IL", "T",               // exchange, Operating
          "T",   "T",  "T",     "F",  "T",  "F",  "F",         // PartReceived 0..6
          "2",   "19", "3",     "4",  "30", "5",  "45",  "2",  // CallAttempts..Hour
          "15",  "42", "3",     "1",  "7",  "20", "1234"};     // Minute..ElapsedMinutes
}

std::vector<std::string> SectionLines(int worked, int heard) {
  std::vector<std::string> lines;
  for (int i = 0; i < kSectionCount; ++i) {
    const char* letter = i == worked ? "W" : i == heard ? "H" : "N";
    lines.push_back(std::string(kSectionNames[i]) + "," + letter);
  }
  return lines;
}

template <class... Parts>
std::vector<std::string> Join(const Parts&... parts) {
  std::vector<std::string> all;
  (all.insert(all.end(), parts.begin(), parts.end()), ...);
  return all;
}

class SavedGameTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  testing::TempFolder folder;

  void SetUp() override {
    g.folder = folder.path();
    g.StationMax = 2;
    for (int i = 0; i <= 2; ++i) {
      g.StationCall[i] = "K" + std::to_string(i) + "AA";
      g.StationBand[i] = "99";
    }
  }

  LineCount Read(const std::string& text) {
    std::istringstream in(text);
    return ReadSavedGameFrom(g, in);
  }

  std::string Written(const Game& game) {
    std::ostringstream out;
    EXPECT_TRUE(WriteSavedGameTo(game, out).ok);
    return out.str();
  }

  std::string HandWritten(const std::vector<std::string>& windows) {
    return FileText(Join(windows, Values(), SectionLines(4, 9),
                         std::vector<std::string>{"# End of sections", "0,W1AW,20,W", "1,K1AA,99,N",
                                                  "2,K2AA,99,H", "# End of call states"}));
  }
};

TEST_F(SavedGameTest, emptyWindowsStartWithTheFourMarkersAndEveryLineEndsCrLf) {
  const std::string text = Written(g);
  EXPECT_EQ(text.rfind("#Memo1\r\n#Memo2\r\n#Memo3\r\n# End of Memos\r\n", 0), 0u);
  std::istringstream in(text);
  std::string line;
  int lines = 0;
  while (std::getline(in, line)) {
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\r');
    ++lines;
  }
  EXPECT_EQ(lines, 4 + 28 + 75 + 1 + 3 + 1);
  EXPECT_EQ(text.substr(text.size() - 22), "# End of call states\r\n");
}

TEST_F(SavedGameTest, writesValuesAndMarksInTheirForms) {
  g.Operating = true;
  g.PartReceived[Part::Call] = true;
  g.Day = -3;
  g.SectionStatus[0] = SectionState::Worked;
  g.SectionStatus[1] = SectionState::Heard;
  g.StationWorked[0] = StationLogState::Worked;
  g.StationBand[0] = "20";
  g.StationWorked[1] = StationLogState::Heard;
  g.StationWorked[2] = static_cast<StationLogState>(3);  // no such state: written as X
  const std::string text = Written(g);
  EXPECT_NE(text.find("# End of Memos\r\n99999999\r\nZ\r\nQ2BBB\r\nXX\r\nNONE\r\nT\r\n"
                      "F\r\nF\r\nT\r\nF\r\nF\r\nF\r\nF\r\n0\r\n-3\r\n"),
            std::string::npos);
  EXPECT_NE(text.find(std::string("\r\n") + kSectionNames[0] + ",W\r\n" + kSectionNames[1] +
                      ",H\r\n" + kSectionNames[2] + ",N\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("# End of sections\r\n0,K0AA,20,W\r\n1,K1AA,99,H\r\n2,K2AA,99,X\r\n"
                      "# End of call states\r\n"),
            std::string::npos);
}

TEST_F(SavedGameTest, handWrittenFileReadsIntoTheGameAndTheWindow) {
  const auto count =
      Read(HandWritten({"#Memo1", "QRZ de K9XYZ", "", "*", "#Memo2", "1977/11/18|21:05 QRV",
                        "#Memo3", "CQ SS", "# End of Memos"}));
  ASSERT_TRUE(count.ok);
  EXPECT_EQ(count.lines, 9 + 28 + 75 + 1 + 3);
  EXPECT_EQ(g.Lines(MemoId::Incoming), (std::vector<std::string>{"QRZ de K9XYZ", ""}));
  EXPECT_EQ(g.Lines(MemoId::Log), std::vector<std::string>{"1977/11/18|21:05 QRV"});
  EXPECT_EQ(g.Lines(MemoId::Outgoing), std::vector<std::string>{"CQ SS"});
  EXPECT_EQ(g.Hisnumber, " 12");
  EXPECT_EQ(g.Hiscall, "K9XYZ");
  EXPECT_EQ(g.Hissection, "IL");
  EXPECT_TRUE(g.Operating);
  EXPECT_EQ(g.PartReceived.entries(),
            (std::array<bool, 8>{true, true, true, false, true, false, false, false}));
  EXPECT_EQ(g.Day, 19);
  EXPECT_EQ(g.DayText, "19");
  EXPECT_EQ(g.Hour, 2);
  EXPECT_EQ(g.Minute, 15);
  EXPECT_EQ(g.Mynumber, 42);
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_EQ(g.Band, "20");
  EXPECT_EQ(g.ElapsedMinutes, 1234);
  EXPECT_EQ(g.SectionStatus[4], SectionState::Worked);
  EXPECT_EQ(g.SectionStatus[9], SectionState::Heard);
  EXPECT_EQ(g.SectionStatus[0], SectionState::Needed);
  EXPECT_EQ(g.StationCall[0], "W1AW");
  EXPECT_EQ(g.StationBand[0], "20");
  EXPECT_EQ(g.StationWorked[0], StationLogState::Worked);
  EXPECT_EQ(g.StationWorked[1], StationLogState::NotWorked);
  EXPECT_EQ(g.StationWorked[2], StationLogState::Heard);
  // The window: QSO number, band box, section cells and the received parts.
  EXPECT_EQ(g.qsoNumberText, "42");
  EXPECT_EQ(g.bandBox, "20");
  EXPECT_EQ(g.sectionCellColour[4], g.WorkedColour);
  EXPECT_EQ(g.fieldText[static_cast<int>(Field::Call)], "K9XYZ");
  EXPECT_EQ(g.fieldText[static_cast<int>(Field::Check)], "59");
  EXPECT_EQ(g.fieldText[static_cast<int>(Field::Section)], "");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SavedGameTest, playedGameComesBackAsItWas) {
  testing::RecordingScreen screen2;
  Game played{screen2, random};
  played.StationMax = 3199;
  for (int i = 0; i <= 3199; ++i) {
    played.StationCall[i] = "W" + std::to_string(i);
    played.StationBand[i] = i % 3 == 0 ? "40" : "99";
    played.StationWorked[i] = i % 3 == 0 ? StationLogState::Worked : StationLogState::NotWorked;
  }
  played.AppendLine(MemoId::Incoming, "#$%&*  QRM  ##@$%&*");
  played.AppendLine(MemoId::Incoming, "");
  played.AppendLine(MemoId::Incoming, "#Memo");
  played.AppendLine(MemoId::Log, "1977/11/18|21:05  K9XYZ  12 B 59 IL");
  played.AppendLine(MemoId::Outgoing, "# End of sections");
  played.AppendLine(MemoId::Outgoing, "Tovk de Q1AAA SS \xC3\xA9");
  played.Hiscall = "K9XYZ";
  played.Hisnumber = "  12";
  played.PartReceived.entries() = {true, false, true, false, true, true, false, true};
  played.Operating = true;
  played.CallAttempts = 3;
  played.DupeCount = 2;
  played.ErrorCount = 5;
  played.OpHours = 7;
  played.OpMinutes = 59;
  played.Hour = 23;
  played.Minute = 1;
  played.Second = 58;
  played.Mynumber = 321;
  played.TenMetreZone = 4;
  played.StationState = ssHeardSection;
  played.SectionsWorked = 61;
  played.Band = "15";
  played.ElapsedMinutes = 2000;
  for (int i = 0; i < kSectionCount; ++i)
    played.SectionStatus[i] = static_cast<SectionState>(i % 3);
  const std::string text = Written(played);

  Game back{screen, random};
  back.StationMax = 3199;
  std::istringstream in(text);
  ASSERT_TRUE(ReadSavedGameFrom(back, in).ok);
  EXPECT_EQ(back.memo, played.memo);
  EXPECT_EQ(back.Hiscall, "K9XYZ");
  EXPECT_EQ(back.Hisnumber, "  12");
  EXPECT_FALSE(back.PartReceived[Part::Signoff]);  // not kept in the file
  back.PartReceived[Part::Signoff] = true;
  EXPECT_EQ(back.PartReceived, played.PartReceived);
  EXPECT_EQ(back.StationWorked, played.StationWorked);
  EXPECT_EQ(back.StationCall, played.StationCall);
  EXPECT_EQ(back.SectionStatus, played.SectionStatus);
  EXPECT_EQ(back.StationState, ssHeardSection);
  // Every value the file holds is back: writing again gives the same bytes.
  EXPECT_EQ(Written(back), text);
}

TEST_F(SavedGameTest, fileEndingInsideTheWindowsIsAReadErrorAfterTheLinesRead) {
  const auto count = Read(FileText({"#Memo1", "one", "two"}));
  EXPECT_FALSE(count.ok);
  EXPECT_EQ(count.lines, 3);
  EXPECT_EQ(g.Lines(MemoId::Incoming), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(g.qsoNumberText.empty());  // no window refresh
}

TEST_F(SavedGameTest, lettersForTheDayStopAtTheLineBeforeIt) {
  auto values = Values();
  values[14] = "XIX";
  const auto windows =
      std::vector<std::string>{"#Memo1", "hello", "#Memo2", "#Memo3", "# End of Memos"};
  const auto count = Read(FileText(Join(windows, values)));
  EXPECT_FALSE(count.ok);
  EXPECT_EQ(count.lines, 5 + 14);
  EXPECT_EQ(g.Lines(MemoId::Incoming), std::vector<std::string>{"hello"});
}

TEST_F(SavedGameTest, numberBeyond32BitsIsAReadError) {
  auto values = Values();
  values[22] = "4294967338";  // Mynumber
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  const auto count = Read(FileText(Join(windows, values, SectionLines(-1, -1))));
  EXPECT_FALSE(count.ok);
  EXPECT_EQ(count.lines, 4 + 22);
  EXPECT_EQ(g.Mynumber, 0);
}

TEST_F(SavedGameTest, valuesOutOfRangeAreTakenSafely) {
  auto values = Values();
  values[14] = "1234";  // Day
  values[19] = "-3";    // OpMinutes
  values[20] = "-5";    // Hour
  values[21] = "-7";    // Minute
  values[22] = "-3";    // Mynumber
  values[24] = "99";    // StationState
  g.StationState = ssHeardCQ;
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  ASSERT_TRUE(Read(FileText(Join(windows, values, SectionLines(-1, -1),
                                 std::vector<std::string>{"# End of sections"})))
                  .ok);
  EXPECT_EQ(g.DayText, "123");
  EXPECT_EQ(g.OpMinutes, 0);
  EXPECT_EQ(g.Minute, 0);
  EXPECT_EQ(g.Hour, 0);
  EXPECT_EQ(g.Mynumber, -3);
  EXPECT_EQ(g.StationState, ssHeardCQ);
}

TEST_F(SavedGameTest, sectionLinesAreMatchedByNameAndLetter) {
  auto sections = SectionLines(-1, -1);
  sections[0] = std::string(kSectionNames[0]) + ", W";  // blank before the letter: heard
  sections[1] = std::string(kSectionNames[1]) + " ,W";  // blank before the comma: worked
  sections[2] = "XX,W";                                 // another section's name: heard
  sections[3] = "";                                     // nothing: heard
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  ASSERT_TRUE(Read(FileText(Join(windows, Values(), sections,
                                 std::vector<std::string>{"# End of sections"})))
                  .ok);
  EXPECT_EQ(g.SectionStatus[0], SectionState::Heard);
  EXPECT_EQ(g.SectionStatus[1], SectionState::Worked);
  EXPECT_EQ(g.SectionStatus[2], SectionState::Heard);
  EXPECT_EQ(g.SectionStatus[3], SectionState::Heard);
  EXPECT_EQ(g.SectionStatus[4], SectionState::Needed);
}

TEST_F(SavedGameTest, fileEndingInsideTheStationLinesKeepsTheRestAndRefreshes) {
  g.StationWorked[2] = StationLogState::Worked;
  g.StationBand[2] = "80";
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  const auto count =
      Read(FileText(Join(windows, Values(), SectionLines(-1, -1),
                         std::vector<std::string>{"# End of sections", "0,W1AW,20,W"})));
  ASSERT_TRUE(count.ok);
  EXPECT_EQ(g.StationCall[0], "W1AW");
  EXPECT_EQ(g.StationCall[2], "K2AA");
  EXPECT_EQ(g.StationWorked[2], StationLogState::Worked);
  EXPECT_EQ(g.StationBand[2], "80");
  EXPECT_EQ(g.qsoNumberText, "42");
}

// The station list grew after the save: the end marker ends the station
// lines and is never taken for the next station.
TEST_F(SavedGameTest, shortGameOverALargerPoolStopsAtTheEndMarker) {
  g.StationWorked[2] = StationLogState::NotWorked;
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  const auto count =
      Read(FileText(Join(windows, Values(), SectionLines(-1, -1),
                         std::vector<std::string>{"# End of sections", "0,W1AW,20,W", "1,K1AA,99,N",
                                                  "# End of call states"})));
  ASSERT_TRUE(count.ok);
  EXPECT_EQ(g.StationWorked[0], StationLogState::Worked);
  EXPECT_EQ(g.StationCall[2], "K2AA");
  EXPECT_EQ(g.StationBand[2], "99");
  EXPECT_EQ(g.StationWorked[2], StationLogState::NotWorked);
}

TEST_F(SavedGameTest, fileEndingBeforeTheSectionMarkerIsAReadError) {
  const auto windows = std::vector<std::string>{"#Memo1", "#Memo2", "#Memo3", "# End of Memos"};
  const auto count = Read(FileText(Join(windows, Values(), SectionLines(-1, -1))));
  EXPECT_FALSE(count.ok);
  EXPECT_EQ(count.lines, 4 + 28 + 75);
}

TEST_F(SavedGameTest, latinOneWindowLineIsReadAsUtf8) {
  ASSERT_TRUE(Read(HandWritten({"#Memo1", "Caf\xE9", "#Memo2", "#Memo3", "# End of Memos"})).ok);
  EXPECT_EQ(g.Lines(MemoId::Incoming), std::vector<std::string>{"Caf\xC3\xA9"});
}

TEST_F(SavedGameTest, missingFileReportsLineZero) {
  g.SavedGameFile = "nothing.sav";
  EXPECT_FALSE(ReadSavedGame(g));
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Error Reading file nothing.sav in line 0"});
}

TEST_F(SavedGameTest, saveIntoAMissingFolderReportsLineZeroAndLeavesNothing) {
  g.SavedGameFile = (folder / "gone" / "game.sav").string();
  EXPECT_FALSE(WriteSavedGame(g));
  EXPECT_EQ(screen.messages,
            std::vector<std::string>{"Error writing file " + g.SavedGameFile + " in line 0"});
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(SavedGameTest, interruptedSaveLeavesTheOldFileByteForByte) {
  g.SavedGameFile = "game.sav";
  const std::string old = "an old game\r\n";
  WriteBytes(folder / "game.sav", old);
  g.AppendLine(MemoId::Log, "a contact");
  EXPECT_FALSE(WriteSavedGame(g, [](int written) { return written == 40; }));
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Error writing file game.sav in line 40"});
  EXPECT_EQ(ReadBytes(folder / "game.sav"), old);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.sav"});
}

TEST_F(SavedGameTest, saveReplacesTheFileAndReadsBack) {
  g.SavedGameFile = "game.sav";
  WriteBytes(folder / "game.sav", "an old game\r\n");
  g.AppendLine(MemoId::Log, "a contact");
  ASSERT_TRUE(WriteSavedGame(g));
  EXPECT_EQ(ReadBytes(folder / "game.sav"), Written(g));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.sav"});

  Game back{screen, random};
  back.folder = folder.path();
  back.SavedGameFile = "game.sav";
  back.StationMax = 2;
  ASSERT_TRUE(ReadSavedGame(back));
  EXPECT_EQ(back.Lines(MemoId::Log), std::vector<std::string>{"a contact"});
  EXPECT_TRUE(screen.messages.empty());
}

}  // namespace
}  // namespace tovk
