// The new-game reset and the "New" button.
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

class NewGameTest : public GameTest {
 protected:
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tovk_new_game_" + std::to_string(::getpid()));

  void SetUp() override {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    g.folder = folder;
    g.Day = 20, g.Mynumber = 40, g.SectionsWorked = 12, g.Operating = true;
    g.SectionStatus[5] = SectionState::Worked, g.SectionStatus[76] = SectionState::Worked,
    g.StationCall[3200] = "K9ZZZ";
    g.StationMax = 7, g.Band = "20";
    g.AppendLine(MemoId::Log, "a contact");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  void WriteStationList() { std::ofstream(folder / "TOVK.SS") << "# two\nK1ABC, 0\nW6XYZ , 40\n"; }
};

TEST_F(NewGameTest, resetsTheContestAndLoadsThePool) {
  WriteStationList();
  NewGame(g);
  EXPECT_EQ(g.Day, 18);
  EXPECT_EQ(g.Mynumber, 1);
  EXPECT_EQ(g.SectionsWorked, 0);
  EXPECT_FALSE(g.Operating);
  EXPECT_EQ(g.SectionStatus[5], SectionState::Needed);
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(g.StationMax, 1);
  EXPECT_EQ(g.StationSection[2], kNoSection);
  EXPECT_EQ(g.Band, "40");
  EXPECT_EQ(g.bandBox, "40");
  EXPECT_EQ(g.qsoNumberText, "1");
  EXPECT_EQ(g.SectionStatus[76], SectionState::Worked);  // beyond the range the reset covers
  EXPECT_EQ(g.StationCall[3200], "K9ZZZ");
}

TEST_F(NewGameTest, newButtonAsksAndEnablesTheControlsOnlyUnderAssist) {
  WriteStationList();
  screen.answers = {false, true};
  StartNewGame(g);
  EXPECT_EQ(g.Mynumber, 40);

  g.Assist = false;
  StartNewGame(g);
  EXPECT_EQ(screen.questions, (Texts{"Are you sure ?", "Are you sure ?"}));
  EXPECT_EQ(g.Mynumber, 1);
  EXPECT_FALSE(g.IsEnabled(Button::CallCq));
}

}  // namespace
}  // namespace tovk::testing
