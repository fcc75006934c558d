// Program start without a window: settings, power factor, CQ text, the new
// game, the automatic restore, and the first showing.
#include "app/startup.h"

#include <gtest/gtest.h>

#include "persist/saved_game.h"
#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

using testing::WriteBytes;

class StartupTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  testing::TempFolder folder;

  void SetUp() override {
    random.fallback = 1;  // no mishap in the engine step
    g.folder = folder.path();
    g.settingsFile = folder / "tovk.ini";
    WriteBytes(folder / "TOVK.SS", "K1AA, 0\nK2BB, 5\nK3CC, 14\n");
  }
};

TEST_F(StartupTest, powerFactorAndCqTextFollowTheSettings) {
  WriteBytes(g.settingsFile, "[Calls]\nMycall=K9XYZ\nMyprec=B\n");
  StartUp(g);
  EXPECT_EQ(g.PowerFactor, 10);
  EXPECT_EQ(g.CQText, "Tovk de K9XYZ SS");
  EXPECT_EQ(g.Mynumber, 1);
  EXPECT_EQ(g.StationMax, 2);

  Game other{screen, random};
  other.folder = folder.path();
  other.settingsFile = folder / "missing.ini";
  StartUp(other);
  EXPECT_EQ(other.PowerFactor, 40);
  EXPECT_EQ(other.CQText, "Tovk de Q1AAA SS");
}

TEST_F(StartupTest, autoSaveRestoresTheSavedGameAtStart) {
  g.StationMax = 2;
  g.Mynumber = 7;
  g.AppendLine(MemoId::Log, "a logged contact");
  g.SectionStatus[5] = SectionState::Worked;
  g.SavedGameFile = "tovk.sav";
  ASSERT_TRUE(WriteSavedGame(g));
  WriteBytes(g.settingsFile, "[Controls]\nAutoSave=1\n");

  Game next{screen, random};
  next.folder = folder.path();
  next.settingsFile = g.settingsFile;
  StartUp(next);
  EXPECT_EQ(next.Lines(MemoId::Log), std::vector<std::string>{"a logged contact"});
  EXPECT_EQ(next.Mynumber, 7);
  EXPECT_EQ(next.SectionStatus[5], SectionState::Worked);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(StartupTest, withoutAutoSaveOrWithoutTheFileTheGameIsNew) {
  WriteBytes(g.settingsFile, "[Controls]\nAutoSave=1\n");
  StartUp(g);
  EXPECT_EQ(g.Mynumber, 1);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(StartupTest, firstShowingFillsTheWindowAndDocksTheSectionMap) {
  WriteBytes(g.settingsFile, "[Panels]\nSection Position=R\n");
  StartUp(g);
  FirstShowing(g);
  EXPECT_EQ(g.qsoNumberText, "1");
  EXPECT_EQ(g.Band, "40");
  EXPECT_TRUE(screen.sectionPanelRight);
}

}  // namespace
}  // namespace tovk
