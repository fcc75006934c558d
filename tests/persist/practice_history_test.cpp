// The practice history file: the line a finished contest adds, keeping what
// was there, and reading the last runs back from any file.
#include "persist/practice_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PracticeHistoryTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  // A folder of its own: ctest runs the tests of this fixture side by side.
  testing::TempFolder temp;
  std::filesystem::path folder = temp.path();
  std::filesystem::path file = folder / "tovk-history.csv";

  PracticeHistoryTest() {
    g.Mycall = "Q1AAA";
    g.Myprec = "B";
    g.Mynumber = 101;
    g.SectionsWorked = 40;
    g.DupeCount = 3;
    g.ErrorCount = 7;
    g.OpHours = 23;
    g.OpMinutes = 5;
  }
};

TEST_F(PracticeHistoryTest, firstRunCreatesHeaderAndLineBesideTheSettingsFile) {
  EXPECT_EQ(PracticeHistoryPath("/opt/tovk/tovk.ini"),
            std::filesystem::path("/opt/tovk/tovk-history.csv"));
  ASSERT_TRUE(AppendPracticeHistory(file, g, "2024-11-16T21:30:00"));
  EXPECT_EQ(ReadAll(file),
            "run,call,power,contacts,sections,score,dupes,lids,operating time,accuracy,"
            "checked score\n"
            "2024-11-16T21:30:00,Q1AAA,1000,100,40,8000,3,7,23:05\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(PracticeHistoryTest, laterRunsKeepEarlierLinesByteForByte) {
  std::string earlier = "run,call\n2024-01-01T00:00:00,\"Q1,AAA\",100,1,1,2,0,0,00:10\ngarbage";
  std::ofstream(file, std::ios::binary) << earlier;
  g.Myprec = "A";
  ASSERT_TRUE(AppendPracticeHistory(file, g, "2024-11-17T10:00:00"));
  EXPECT_EQ(ReadAll(file), earlier + "\n2024-11-17T10:00:00,Q1AAA,100,100,40,8000,3,7,23:05\n");
}

TEST_F(PracticeHistoryTest, aFileThatCannotBeReplacedIsLeftAlone) {
  std::filesystem::create_directories(file);  // a folder where the file should be
  EXPECT_FALSE(AppendPracticeHistory(file, g, "2024-11-17T10:00:00"));
  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_TRUE(ReadPracticeHistory(file, 10).empty());
}

TEST_F(PracticeHistoryTest, readerKeepsTheLastRunsAndPassesOverDamage) {
  std::istringstream in(
      "run,call,power,contacts,sections,score,dupes,lids,operating time\n"
      "2024-01-01T00:00:00,Q1AAA,100,1,1,2,0,0,00:10\r\n"
      "2024-01-02T00:00:00,\"Q1,\"\"A\",1000,5,2,20,1,1,01:00\n"
      "2024-01-03T00:00:00,Q1AAA,100,x,1,2,0,0,00:10\n"
      "2024-01-04T00:00:00,\"Q1AAA,100,1,1,2,0,0,00:10\n"
      "\x01\xFF\xFE,,,,\n"
      "2024-01-05T00:00:00,Q1AAA,100,1,1,2,0,0,0010\n"
      "2024-01-06T00:00:00,Q1AAA,100,9,3,54,0,2,02:15\n");
  std::vector<PracticeRun> runs = ReadPracticeHistory(in, 2);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].call, "Q1,\"A");
  EXPECT_EQ(runs[0].power, 1000);
  EXPECT_EQ(runs[1].when, "2024-01-06T00:00:00");
  EXPECT_EQ(runs[1].score, 54);
  EXPECT_EQ(runs[1].operatingTime, "02:15");
}

TEST_F(PracticeHistoryTest, whatIsAppendedReadsBackWithOrWithoutALogCheck) {
  g.Mycall = "Q1,\"AA";
  ASSERT_TRUE(AppendPracticeHistory(file, g, "2024-11-16T21:30:00"));
  PracticeRun checked = PracticeRunOf(g, "2024-11-17T21:30:00");
  checked.accuracy = 93;
  checked.checkedScore = 6400;
  ASSERT_TRUE(AppendPracticeHistory(file, checked));
  EXPECT_NE(ReadAll(file).find(",23:05,93,6400\n"), std::string::npos);
  std::vector<PracticeRun> runs = ReadPracticeHistory(file, 10);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], PracticeRunOf(g, "2024-11-16T21:30:00"));
  EXPECT_EQ(runs[1], checked);
  EXPECT_TRUE(ReadPracticeHistory(folder / "none.csv", 10).empty());
}

}  // namespace
}  // namespace tovk
