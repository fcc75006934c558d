// The recovery copy: a game dropped without quitting comes back at the next
// start with every contact; a clean quit or a No leaves no copy behind; a
// copy that cannot be written is reported once.
#include "app/recovery.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/game_files.h"
#include "engine/actions.h"
#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

namespace fs = std::filesystem;
using testing::RecordingScreen;
using testing::ScriptedRandom;
using testing::TempFolder;

constexpr const char* kQuestion = "Restore the game from the last session?";

// One run of the program: a screen, a random source and a game reading the
// station list, its files in the test's folder. Draws are all 0, which never
// brings a mishap.
struct Program {
  explicit Program(const fs::path& folder) {
    g.folder = folder;
    g.settingsFile = folder / "tovk.ini";
    g.StationFile = TOVK_STATION_LIST;
    NewGame(g);
  }
  RecordingScreen screen;
  ScriptedRandom random;
  Game g{screen, random};
};

class RecoveryTest : public ::testing::Test {
 protected:
  // Logs a contact by hand, as the engine leaves the game after one.
  static void LogContact(Game& g, int section, int station) {
    g.AppendLine(MemoId::Outgoing, "TU " + g.StationCall[station].str());
    g.AppendLine(MemoId::Log, "1977/11/18|21:0" + std::to_string(g.Mynumber) + " " +
                                  g.StationCall[station].str());
    g.SectionStatus[section] = SectionState::Worked;
    g.StationWorked[station] = StationLogState::Heard;
    g.StationBand[station] = g.Band.str();
    ++g.SectionsWorked;
    ++g.Mynumber;
    g.Minute += 3;
    ++g.checkpoints;
  }

  fs::path CopyFile() const { return folder / "tovk-recovery.sav"; }

  TempFolder folder;
};

TEST_F(RecoveryTest, aGameDroppedWithoutQuittingComesBackWithEveryContact) {
  std::vector<std::string> logbook;
  std::vector<std::string> outgoing;
  {
    Program first(folder.path());
    RecoveryCopy copy(CopyFile());
    EXPECT_FALSE(copy.OfferAtStart(first.g));
    first.g.Mynumber = 1;
    for (int i = 0; i < 3; ++i) {
      LogContact(first.g, 10 + i, 20 + i);
      EXPECT_TRUE(copy.AfterAction(first.g));
    }
    logbook = first.g.Lines(MemoId::Log);
    outgoing = first.g.Lines(MemoId::Outgoing);
    // Calling CQ afterwards is not a checkpoint: the copy stays at the last contact.
    first.g.AppendLine(MemoId::Outgoing, "CQ SS");
    EXPECT_TRUE(copy.AfterAction(first.g));
    EXPECT_TRUE(first.screen.questions.empty());
  }  // killed: no quit

  Program second(folder.path());
  second.g.SavedGameFile = "mine.sav";
  second.screen.answers = {true};
  RecoveryCopy copy(CopyFile());
  ASSERT_TRUE(copy.OfferAtStart(second.g));
  EXPECT_EQ(second.screen.questions, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(second.screen.messages.empty());
  EXPECT_EQ(second.g.Lines(MemoId::Log), logbook);
  EXPECT_EQ(second.g.Lines(MemoId::Outgoing), outgoing);
  EXPECT_EQ(second.g.Mynumber, 4);
  EXPECT_EQ(second.g.SectionsWorked, 3);
  EXPECT_EQ(second.g.Minute, 9);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(second.g.SectionStatus[10 + i], SectionState::Worked);
    EXPECT_EQ(second.g.StationWorked[20 + i], StationLogState::Heard);
  }
  EXPECT_EQ(second.g.SavedGameFile, "mine.sav");
  // The copy stays until a clean quit: a second crash loses nothing either.
  EXPECT_TRUE(copy.Exists());
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"tovk-recovery.sav"});
}

TEST_F(RecoveryTest, cleanQuitLeavesNoCopyAndKeepsTheAutoSave) {
  Program run(folder.path());
  RecoveryCopy copy(CopyFile());
  run.g.AutoSave = true;
  LogContact(run.g, 5, 7);
  copy.AfterAction(run.g);
  ASSERT_TRUE(copy.Exists());

  run.screen.answers = {true};
  ASSERT_TRUE(QuitGame(run.g));
  copy.RemoveOnCleanQuit();
  EXPECT_FALSE(copy.Exists());
  EXPECT_TRUE(fs::exists(folder / "tovk.sav"));
  EXPECT_TRUE(fs::exists(folder / "tovk.ini"));

  Program next(folder.path());
  RecoveryCopy nextCopy(CopyFile());
  EXPECT_FALSE(nextCopy.OfferAtStart(next.g));
  EXPECT_TRUE(next.screen.questions.empty());
}

TEST_F(RecoveryTest, answeringNoStartsFreshAndDropsTheCopy) {
  {
    Program first(folder.path());
    RecoveryCopy copy(CopyFile());
    LogContact(first.g, 5, 7);
    copy.AfterAction(first.g);
  }
  Program second(folder.path());
  second.screen.answers = {false};
  RecoveryCopy copy(CopyFile());
  EXPECT_FALSE(copy.OfferAtStart(second.g));
  EXPECT_EQ(second.screen.questions, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(second.g.Lines(MemoId::Log).empty());
  EXPECT_EQ(second.g.SectionStatus[5], SectionState::Needed);
  EXPECT_FALSE(copy.Exists());
}

TEST_F(RecoveryTest, aFreshStartKeepsNoCopyAndANewGameReplacesTheOldOne) {
  {
    Program first(folder.path());
    RecoveryCopy copy(CopyFile());
    EXPECT_FALSE(copy.OfferAtStart(first.g));
    EXPECT_TRUE(copy.AfterAction(first.g));
    EXPECT_FALSE(copy.Exists());  // nothing has happened yet

    LogContact(first.g, 5, 7);
    copy.AfterAction(first.g);
    NewGame(first.g);  // the contest is given up
    copy.AfterAction(first.g);
  }
  Program second(folder.path());
  second.screen.answers = {true};
  RecoveryCopy copy(CopyFile());
  EXPECT_TRUE(copy.OfferAtStart(second.g));
  EXPECT_TRUE(second.g.Lines(MemoId::Log).empty());
  EXPECT_EQ(second.g.SectionStatus[5], SectionState::Needed);
}

TEST_F(RecoveryTest, aDamagedCopyIsReportedAndTheGameGoesOn) {
  testing::WriteBytes(CopyFile(), "garbage\r\n");
  Program run(folder.path());
  run.screen.answers = {true};
  RecoveryCopy copy(CopyFile());
  EXPECT_TRUE(copy.OfferAtStart(run.g));
  ASSERT_EQ(run.screen.messages.size(), 1u);
  EXPECT_EQ(
      run.screen.messages[0].rfind("Error Reading file " + CopyFile().string() + " in line ", 0),
      0u);
}

TEST_F(RecoveryTest, aFailingWriteIsShownOnceUntilAWriteWorks) {
  // A file where the copy's folder should be: no one can write there.
  testing::WriteBytes(folder / "blocked", "");
  Program run(folder.path());
  RecoveryCopy copy(folder / "blocked" / "tovk-recovery.sav");
  for (int i = 0; i < 3; ++i) {
    ++run.g.checkpoints;
    EXPECT_FALSE(copy.AfterAction(run.g));
  }
  EXPECT_EQ(
      run.screen.messages,
      std::vector<std::string>{"Error writing file " +
                               (folder / "blocked" / "tovk-recovery.sav").string() + " in line 0"});
  // Not marked written: the next action tries again.
  fs::remove(folder / "blocked");
  EXPECT_TRUE(copy.AfterAction(run.g));
  EXPECT_TRUE(copy.Exists());
}

TEST_F(RecoveryTest, theCopyIsCreatedWithItsPerUserFolder) {
  Program run(folder.path());
  RecoveryCopy copy(folder / "config" / "tovk" / "tovk-recovery.sav");
  ++run.g.checkpoints;
  EXPECT_TRUE(copy.AfterAction(run.g));
  EXPECT_TRUE(copy.Exists());
}

}  // namespace
}  // namespace tovk
