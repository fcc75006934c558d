// Loading the station list: comments, trimming, the own callsign, the Debug
// listing, failing lines and input that must not upset the loader.
#include "world/station_pool.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

class StationPoolTest : public ::testing::Test {
 protected:
  PoolLoad Load(const std::string& text) {
    std::istringstream in(text);
    return LoadStationPool(g, in);
  }

  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(StationPoolTest, ReadsStationsTrimmedAndSkipsComments) {
  EXPECT_EQ(Load("# the station list\nK1ABC, 0\nW6XYZ , 40\n"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, 1);
  EXPECT_EQ(g.StationCall[0], "K1ABC");
  EXPECT_EQ(g.StationSection[0], 0);
  EXPECT_EQ(g.StationCall[1], "W6XYZ");
  EXPECT_EQ(g.StationSection[1], 40);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(StationPoolTest, BlankLinesAndAnyLineEndAreSkippedUncounted) {
  EXPECT_EQ(Load("K1ABC,0\r\n\r\n   \t\r\nW6XYZ,40\rN2EQ,14"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, 2);
  EXPECT_EQ(g.StationCall[1], "W6XYZ");
  EXPECT_EQ(g.StationCall[2], "N2EQ");
  EXPECT_EQ(g.StationSection[2], 14);
}

TEST_F(StationPoolTest, OwnCallsignBecomesTheFixedStationAndDebugListsEntries) {
  g.Mycall = "K1ABC";
  g.Debug = true;
  g.StationWorked[1] = StationLogState::Worked;
  EXPECT_EQ(Load("#\nN2EQ,7\nK1ABC, 3\nK1ABCD,3\n"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationCall[1], "W3/Q3CCC");
  EXPECT_EQ(g.StationSection[1], 14);
  EXPECT_EQ(g.StationWorked[1], StationLogState::NotWorked);
  EXPECT_EQ(g.StationCall[2], "K1ABCD");  // only an exact match is replaced
  EXPECT_EQ(g.Lines(MemoId::Incoming),
            (std::vector<std::string>{"0 | N2EQ, 7", "1 | W3/Q3CCC, 14", "2 | K1ABCD, 3"}));
}

TEST_F(StationPoolTest, KeepsTenCharactersOfACallsignAndAnyWholeNumber) {
  EXPECT_EQ(Load("KA1ABCDEFGHIJ,5\nW1AW,-1\nW2AA,+12\nW3AA,99\n"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationCall[0], "KA1ABCDEFG");
  EXPECT_EQ(g.StationSection[1], -1);
  EXPECT_EQ(g.StationSection[2], 12);
  EXPECT_EQ(g.StationSection[3], 99);
}

// A callsign that is not UTF-8 reads as Latin-1, as the settings file and
// the saved game read their lines; UTF-8 stays as it is, and the ten
// characters a callsign keeps are counted after decoding.
TEST_F(StationPoolTest, CallsignThatIsNotUtf8ReadsAsLatinOne) {
  const struct {
    std::string line;
    std::string call;
  } cases[] = {
      {"K1\xC4XY, 0", "K1\xC3\x84XY"},          // Latin-1 A umlaut
      {"K2\xC3\x84XY, 0", "K2\xC3\x84XY"},      // the same in UTF-8
      {"K3\xC3, 0", "K3\xC3\x83"},              // a cut-off sequence
      {"\xC0\x80K4, 0", "\xC3\x80\xC2\x80K4"},  // an overlong NUL
      {"\xE9\xE9\xE9\xE9\xE9K5XYZUV, 0", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9K5XYZ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ASSERT_EQ(Load(c.line + "\n"), PoolLoad::Loaded);
    EXPECT_EQ(g.StationCall[0].str(), c.call);
  }
}

TEST_F(StationPoolTest, FailingLineReportsEntriesSoFarAndKeepsThem) {
  g.StationMax = 7;
  EXPECT_EQ(Load("# list\nK1ABC,0\n\nW6XYZ,40\nN2EQ,x\nK9AA,56\n"), PoolLoad::Failed);
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Error reading file TOVK.SS in line 2"});
  EXPECT_EQ(g.StationCall[1], "W6XYZ");
  EXPECT_TRUE(g.StationCall[2].empty());
  EXPECT_EQ(g.StationMax, 7);
}

TEST_F(StationPoolTest, NumbersThatAreNotWholeOrDoNotFitFailTheLine) {
  for (const char* line :
       {"K1ABC", "K1ABC,", "K1ABC, ", "K1ABC,12abc", "K1ABC,1 2", "K1ABC,99999999999", "K1ABC,-",
        "K1ABC,0x1F", "K1ABC,+-3", "K1ABC,4294967296", ",,"}) {
    testing::RecordingScreen lineScreen;
    Game fresh(lineScreen, random);
    std::istringstream in(std::string("W1AW,0\n") + line + "\n");
    EXPECT_EQ(LoadStationPool(fresh, in), PoolLoad::Failed) << line;
    EXPECT_EQ(lineScreen.messages, std::vector<std::string>{"Error reading file TOVK.SS in line 1"})
        << line;
  }
}

TEST_F(StationPoolTest, StopsAtThePoolCapacity) {
  std::string text;
  for (int i = 0; i < kPoolCapacity; ++i) text += "W" + std::to_string(i) + "AA,1\n";
  text += "W9ZZZ,2\nnot a station\n";
  EXPECT_EQ(Load(text), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, kPoolCapacity - 1);
  EXPECT_EQ(g.StationCall[kPoolCapacity - 1], "W3199AA");
  EXPECT_TRUE(g.StationCall[kPoolCapacity].empty());
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(StationPoolTest, ListWithoutStationsLeavesAnEmptyPool) {
  g.StationMax = 12;
  EXPECT_EQ(Load("# nothing here\n\n"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, 0);
  EXPECT_EQ(Load(""), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, 0);
}

TEST_F(StationPoolTest, SurvivesBinaryInputAndHugeLines) {
  std::string binary("\0\xFF\x01,\x80\n", 6);
  EXPECT_EQ(Load(binary), PoolLoad::Failed);

  std::string huge(5'000'000, 'K');
  EXPECT_EQ(Load(huge + "\n"), PoolLoad::Failed);
  EXPECT_EQ(Load(huge + ",1\n"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationCall[0], "KKKKKKKKKK");
  EXPECT_EQ(Load("W1AW," + std::string(5'000'000, '9')), PoolLoad::Failed);
  EXPECT_EQ(Load("W1AW," + std::string(5'000'000, ' ') + "7"), PoolLoad::Loaded);
  EXPECT_EQ(g.StationSection[0], 7);
}

class StationFileTest : public StationPoolTest {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("tovk_pool_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    g.folder = folder;
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
};

TEST_F(StationFileTest, MissingFileIsNotReported) {
  g.StationMax = 5;
  EXPECT_EQ(LoadStationPool(g), PoolLoad::Missing);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(g.StationMax, 5);
}

TEST_F(StationFileTest, ReadsTheStationFileInTheProgramsFolder) {
  std::ofstream(folder / "TOVK.SS") << "# list\nK1ABC,0\nW6XYZ,40\n";
  EXPECT_EQ(LoadStationPool(g), PoolLoad::Loaded);
  EXPECT_EQ(g.StationMax, 1);
}

TEST_F(StationFileTest, AFolderInPlaceOfTheFileIsAReadingError) {
  std::filesystem::create_directories(folder / "TOVK.SS");
  EXPECT_EQ(LoadStationPool(g), PoolLoad::Failed);
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Error reading file TOVK.SS in line 0"});
}

}  // namespace
}  // namespace tovk
