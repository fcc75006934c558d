// Save, Restore, the settings dialog's file choice and Auto save, and the
// quit flow with its questions, saved game and settings file.
#include "app/game_files.h"

#include <gtest/gtest.h>

#include "persist/saved_game.h"
#include "persist/settings_file.h"
#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class GameFilesTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  testing::TempFolder folder;

  void SetUp() override {
    g.folder = folder.path();
    g.settingsFile = folder / "tovk.ini";
    WriteBytes(folder / "TOVK.SS", "# stations\nK1AA, 0\nK2BB, 5\nK3CC, 14\n");
  }

  std::string Path(const std::string& name) const { return (folder / name).string(); }

  // A game with something in it: a contact logged, a station worked.
  void Play() {
    g.StationMax = 2;
    g.StationCall = {"K1AA", "K2BB", "K3CC"};
    g.AppendLine(MemoId::Log, "1977/11/18|21:10  K2BB  1 A 68 CT");
    g.Mynumber = 2;
    g.OpMinutes = 10;
    g.StationWorked[1] = StationLogState::Worked;
    g.StationBand[1] = "40";
  }
};

TEST_F(GameFilesTest, saveAsksWithTheSavedGameNameInTheProgramsFolder) {
  g.SavedGameFile = "mine.sav";
  SaveGame(g);
  ASSERT_EQ(screen.fileRequests.size(), 1u);
  const FileRequest& request = screen.fileRequests[0];
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.title, "");
  EXPECT_EQ(request.filter, "Saved Files|*.sav|All files|*.*");
  EXPECT_EQ(request.folder, folder.path().string());
  EXPECT_EQ(request.fileName, "mine.sav");
  EXPECT_TRUE(folder.Names().size() == 1u);  // cancelled: only the station list
}

TEST_F(GameFilesTest, saveAppendsTheExtensionUnlessTheNameHoldsItAnywhere) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain.sav"},
      {"LOUD.SAV", "LOUD.SAV.sav"},
      {"a.sav.old", "a.sav.old"},
  };
  for (const auto& [chosen, stored] : cases) {
    screen.files.push_back(Path(chosen));
    SaveGame(g);
    EXPECT_EQ(g.SavedGameFile, Path(stored));
    EXPECT_TRUE(std::filesystem::exists(folder / stored)) << stored;
  }
  EXPECT_TRUE(screen.questions.empty());
}

TEST_F(GameFilesTest, saveOntoAnExistingFileAsksAndNoWritesNothing) {
  WriteBytes(folder / "old.sav", "old");
  g.SavedGameFile = "keep.sav";
  screen.files.push_back(Path("old.sav"));
  screen.answers.push_back(false);
  SaveGame(g);
  EXPECT_EQ(screen.questions, std::vector<std::string>{Path("old.sav") + " exists, overwrite ?"});
  EXPECT_EQ(ReadBytes(folder / "old.sav"), "old");
  EXPECT_EQ(g.SavedGameFile, "keep.sav");

  screen.files.push_back(Path("old.sav"));
  screen.answers.push_back(true);
  SaveGame(g);
  EXPECT_EQ(ReadBytes(folder / "old.sav").rfind("#Memo1\r\n", 0), 0u);
}

TEST_F(GameFilesTest, restoreOfAMissingFileKeepsTheGameButTakesTheName) {
  Play();
  screen.files.push_back(Path("typed.sav"));
  RestoreGame(g);
  EXPECT_EQ(screen.fileRequests[0].title, "Restore game ?");
  EXPECT_FALSE(screen.fileRequests[0].save);
  EXPECT_EQ(screen.messages, std::vector<std::string>{Path("typed.sav") + " does not exist"});
  EXPECT_EQ(g.SavedGameFile, Path("typed.sav"));
  EXPECT_EQ(g.Mynumber, 2);
  EXPECT_EQ(g.Lines(MemoId::Log).size(), 1u);
}

TEST_F(GameFilesTest, restoreBringsASavedGameBack) {
  Play();
  g.SavedGameFile = "game.sav";
  ASSERT_TRUE(WriteSavedGame(g));
  g.Mynumber = 9;
  screen.files.push_back(Path("game.sav"));
  RestoreGame(g);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(g.Mynumber, 2);
  EXPECT_EQ(g.Lines(MemoId::Log), std::vector<std::string>{"1977/11/18|21:10  K2BB  1 A 68 CT"});
  EXPECT_EQ(g.StationWorked[1], StationLogState::Worked);
  EXPECT_EQ(g.StationBand[1], "40");
  EXPECT_EQ(g.StationCall[1].str(), "K2BB");
}

TEST_F(GameFilesTest, settingsDialogChoosesTheFileWithoutTestingIt) {
  screen.files.push_back(Path("elsewhere"));
  ChooseSavedGameFile(g);
  EXPECT_EQ(screen.fileRequests[0].title, "Select Save Game File ?");
  EXPECT_EQ(screen.fileRequests[0].filter, "Saved files|*.sav|All files|*.*");
  EXPECT_EQ(g.SavedGameFile, Path("elsewhere"));
  ChooseSavedGameFile(g);  // cancelled
  EXPECT_EQ(g.SavedGameFile, Path("elsewhere"));
}

TEST_F(GameFilesTest, answeringNoToQuitChangesNothing) {
  g.SetAutoCqTimer(true);
  screen.answers.push_back(false);
  EXPECT_FALSE(QuitGame(g));
  EXPECT_EQ(screen.questions, std::vector<std::string>{"Are you sure ?"});
  EXPECT_TRUE(g.autoCqTimer);
  EXPECT_FALSE(std::filesystem::exists(g.settingsFile));
}

TEST_F(GameFilesTest, quitWithNothingPlayedWritesEverySettingAndEnds) {
  g.SetAutoCqTimer(true);
  screen.answers.push_back(true);
  EXPECT_TRUE(QuitGame(g));
  EXPECT_EQ(screen.questions, std::vector<std::string>{"Are you sure ?"});
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(ReadBytes(g.settingsFile), SettingsFileText(GameState{}, ""));
  EXPECT_FALSE(std::filesystem::exists(folder / "tovk.sav"));
}

TEST_F(GameFilesTest, quitWithAutoSaveSavesWithoutAsking) {
  g.AutoSave = true;
  screen.answers.push_back(true);
  EXPECT_TRUE(QuitGame(g));
  EXPECT_EQ(screen.questions, std::vector<std::string>{"Are you sure ?"});
  EXPECT_EQ(ReadBytes(folder / "tovk.sav").rfind("#Memo1\r\n", 0), 0u);
}

TEST_F(GameFilesTest, quitAfterPlayingAsksToSaveAndCancellingStillEnds) {
  Play();
  screen.answers = {true, true};
  EXPECT_TRUE(QuitGame(g));
  EXPECT_EQ(screen.questions, (std::vector<std::string>{"Are you sure ?", "Save the game"}));
  EXPECT_EQ(screen.fileRequests.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder / "tovk.sav"));
  EXPECT_TRUE(std::filesystem::exists(g.settingsFile));
}

TEST_F(GameFilesTest, quitAfterPlayingSavesWhereThePlayerChooses) {
  Play();
  screen.answers = {true, true};
  screen.files.push_back(Path("evening"));
  EXPECT_TRUE(QuitGame(g));
  EXPECT_NE(ReadBytes(folder / "evening.sav").find("K2BB  1 A 68 CT"), std::string::npos);
  EXPECT_NE(ReadBytes(g.settingsFile).find("Saved game=" + Path("evening.sav")), std::string::npos);
}

TEST_F(GameFilesTest, settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds) {
  g.settingsFile = folder / "gone" / "tovk.ini";
  g.AutoSave = true;
  screen.answers.push_back(true);
  EXPECT_TRUE(QuitGame(g));
  EXPECT_EQ(screen.messages,
            std::vector<std::string>{"Error writing file " + g.settingsFile.string()});
  EXPECT_TRUE(std::filesystem::exists(folder / "tovk.sav"));
}

}  // namespace
}  // namespace tovk
