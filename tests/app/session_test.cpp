// The one dispatch and the flows it runs, as every front-end sees them: a
// disabled button refused, settings kept at once where a front-end asks,
// export over a file that exists, quitting with an unsaved game, the
// recovery question at start, and the contest's end.
#include "app/session.h"

#include <gtest/gtest.h>

#include "persist/temp_folder.h"
#include "support/session_fixture.h"

namespace tovk {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class SessionTest : public testing::SessionFixture {
 protected:
  SessionTest() : SessionFixture("K1AA, 0\nK2BB, 5\nK3CC, 14\n") {}
};

TEST_F(SessionTest, aDisabledButtonsCommandIsRefusedAndEnterFollowsItsStep) {
  auto session = Started();
  Game& g = session->game();
  g.SetButtonEnabled(Button::CallCq, false);
  g.SetButtonEnabled(Button::Qrv, false);
  EXPECT_FALSE(session->Run(Command::CallCq));
  EXPECT_FALSE(session->Run(Command::NextStep));  // nothing in hand: Enter is Call CQ
  EXPECT_TRUE(g.Lines(MemoId::Outgoing).empty());
  EXPECT_TRUE(session->Run(Command::Results));  // no button: never refused
  EXPECT_EQ(screen.results.size(), 1u);
  EXPECT_FALSE(session->PressKey(KeyChord{Key::F5}));
  EXPECT_TRUE(session->PressKey(KeyChord{Key::F1}));  // bound, though refused
}

TEST_F(SessionTest, settingsAreWrittenAtEachChangeOnlyForAFrontEndThatAsks) {
  for (const bool asks : {false, true}) {
    fs::remove(folder / "tovk.ini");
    SessionSetup setup = Setup();
    setup.writeSettingsOnChange = asks;
    Session session(screen, random, setup);
    session.Start();
    SettingsChange change;
    change.ownStation = OwnStationChange{"K1ABC", "77"};
    session.ApplySettings(change);
    EXPECT_EQ(fs::exists(folder / "tovk.ini"), asks);
    if (asks) {
      EXPECT_NE(ReadBytes(folder / "tovk.ini").find("K1ABC"), std::string::npos);
    }
  }
}

TEST_F(SessionTest, exportAsksBeforeReplacingAFileAndTellsWhatItWrote) {
  auto session = Started();
  WriteBytes(folder / "k.log", "kept\n");
  screen.answers = {false};
  session->Run(Command::ExportCabrillo, {Field::Number, "", "k.log"});
  EXPECT_EQ(screen.questions.back(), "k.log exists, overwrite ?");
  EXPECT_EQ(ReadBytes(folder / "k.log"), "kept\n");

  screen.answers = {true};
  screen.files = {(folder / "k.adi").string()};
  session->Run(Command::ExportAdif);  // no file named: the player is asked
  EXPECT_EQ(screen.fileRequests.back().fileName, "Q1AAA.adi");
  EXPECT_TRUE(fs::exists(folder / "k.adi"));
  EXPECT_EQ(screen.messages.back().rfind("Wrote 0 contacts", 0), 0u);
}

TEST_F(SessionTest, quittingAnUnsavedGameOffersToSaveEndsAndLeavesNoRecoveryCopy) {
  auto session = Started();
  Game& g = session->game();
  session->Run(Command::Qrv);
  g.Mynumber = 3;  // something was played
  ++g.checkpoints;
  session->Run(Command::ClearContact);  // the copy follows the game
  ASSERT_TRUE(fs::exists(folder / "tovk-recovery.sav"));

  screen.answers = {true, true};
  screen.files = {(folder / "evening").string()};
  EXPECT_TRUE(session->Run(Command::Qrt));
  EXPECT_EQ(screen.questions, (std::vector<std::string>{"Are you sure ?", "Save the game"}));
  EXPECT_TRUE(fs::exists(folder / "evening.sav"));
  EXPECT_TRUE(fs::exists(folder / "tovk.ini"));
  EXPECT_FALSE(fs::exists(folder / "tovk-recovery.sav"));
  EXPECT_TRUE(screen.ended);
  EXPECT_TRUE(session->Ended());
  EXPECT_FALSE(session->Run(Command::CallCq));  // nothing runs after the end
}

TEST_F(SessionTest, aGameLeftWithoutQuittingIsOfferedAtTheNextStart) {
  {
    auto session = Started();
    session->game().Mynumber = 5;
    ++session->game().checkpoints;
    session->Run(Command::ClearContact);
  }  // dropped: no quit
  screen.answers = {true};
  auto next = Started();
  EXPECT_EQ(screen.questions, std::vector<std::string>{"Restore the game from the last session?"});
  EXPECT_EQ(next->game().Mynumber, 5);
}

TEST_F(SessionTest, theContestsEndAddsOneHistoryLineAndShowsTheResultsOnce) {
  auto session = Started();
  Game& g = session->game();
  g.Day = 21, g.Hour = 3;
  session->Run(Command::CheckLog);
  session->Run(Command::ClickSectionMap);
  EXPECT_EQ(screen.results.size(), 1u);
  const std::string history = ReadBytes(folder / "tovk-history.csv");
  EXPECT_NE(history.find("2026-12-10T10:00:00,Q1AAA,"), std::string::npos);
  EXPECT_EQ(history.find("2026-12-10", history.find("2026-12-10") + 1), std::string::npos);
}

}  // namespace
}  // namespace tovk
