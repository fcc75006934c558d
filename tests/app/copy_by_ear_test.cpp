// Copying by ear through the session, as every front-end plays it: the
// station's words heard but not shown until the contact is logged, the log
// taking what was typed, the log check naming the busted call and the wrong
// check, and the real exchange kept through save, restore and the recovery
// copy.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/log_check.h"
#include "app/session.h"
#include "persist/temp_folder.h"
#include "support/session_fixture.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RecordingScreen;
using testing::ScriptedRandom;

class CopyByEarTest : public testing::SessionFixture {
 protected:
  CopyByEarTest() : SessionFixture("K1AA, 0\nK2BB, 1\nK3CC, 14\n") {}

  void CopyByEar(Session& session, bool on) {
    SettingsChange change;
    change.sound = session.game().Sound;
    change.sound->copyByEar = on;
    session.ApplySettings(change);
  }

  // K2BB (section 1, EMA) answers with its whole exchange, number 1.
  void StationAnswers(Session& session) {
    Game& g = session.game();
    session.Run(Command::Qrv);
    g.StationIndex = 1;
    random.Add({0});  // the serial number: 1 + 0
    MakeExchange(g);
    random.Add({9, 0, 5, 5, 5, 5, 5, 5, 9});  // not declined, the whole exchange, no "QSL?"
    Perform(g, [&] { StationReply(g); });
  }

  void Type(Session& session, Field field, const std::string& text) {
    session.Run(Command::TypeField, {field, text, std::nullopt});
  }
};

TEST_F(CopyByEarTest, heardNotShownUntilLoggedThenCheckedAndKeptThroughSaveRestoreAndRecovery) {
  auto session = Started();
  Game& g = session->game();
  CopyByEar(*session, true);
  EXPECT_FALSE(g.AutoDetect);
  EXPECT_TRUE(screen.sound.copyByEar);

  StationAnswers(*session);
  const std::string said = "Q1AAA UR 1 B K2BB Check 53 EMA";
  ASSERT_EQ(g.Lines(MemoId::Incoming).back(), said);  // the game keeps the real line
  EXPECT_EQ(screen.heard.back(), said);
  EXPECT_EQ(screen.events.back(), "in|(heard)");
  EXPECT_EQ(g.fieldText, (std::array<std::string, kFieldCount>{}));  // nothing detected

  // Typed with a busted call and a wrong check; a check of one digit is no check yet.
  Type(*session, Field::Number, "1");
  Type(*session, Field::Precedence, "b");
  Type(*session, Field::Call, "k2bd");
  Type(*session, Field::Check, "5");
  Type(*session, Field::Section, "ema");
  g.ExchangeSent = true;  // as Send Msg leaves it
  g.SetButtonEnabled(Button::LogQso, true);
  session->Run(Command::LogQso);
  ASSERT_FALSE(screen.messages.empty());
  EXPECT_EQ(screen.messages.back(), "Data incomplete, you still need the  Check ");
  const std::size_t logLines = g.Lines(MemoId::Log).size();  // the start of operation
  Type(*session, Field::Check, "52");
  EXPECT_TRUE(screen.revealed.empty());
  random.Add({9, 9});  // nobody calls right after
  session->Run(Command::LogQso);

  ASSERT_EQ(g.Lines(MemoId::Log).size(), logLines + 1);
  EXPECT_NE(g.Lines(MemoId::Log).back().find("|K2BD      | 40|    1| B | 52| EMA |    1"),
            std::string::npos);
  ASSERT_EQ(screen.revealed.size(), 1u);
  EXPECT_EQ(screen.revealed[0].text, said);
  const int place = screen.revealed[0].place;
  ASSERT_TRUE(place >= 0 && place < static_cast<int>(g.Lines(MemoId::Incoming).size())) << place;
  EXPECT_EQ(g.Lines(MemoId::Incoming)[place], said);
  const EarCopiedContact kept{1, {"1", "B", "K2BD", "52", "EMA"}, {"1", "B", "K2BB", "53", "EMA"}};
  ASSERT_EQ(g.EarCopied, std::vector<EarCopiedContact>{kept});

  session->Run(Command::Results);
  const LogCheck& check = screen.logChecks.back();
  EXPECT_EQ(check.checked, 1);
  EXPECT_EQ(check.correct, 0);
  EXPECT_EQ(check.accuracy, 60);
  EXPECT_EQ(LogCheckLines(check),
            (std::vector<std::string>{
                "Log check: 1 contacts copied by ear, 0 correct, accuracy 60%",
                "Checked score 0 (claimed 2)",
                "QSO 1 busted call K2BD, right K2BB",
                "QSO 1 wrong check 52, right 53",
            }));

  // The export writes what was logged.
  session->Run(Command::ExportCabrillo, {Field::Number, "", "ear.log"});
  const std::string exported = ReadBytes(folder / "ear.log");
  EXPECT_NE(exported.find("K2BD"), std::string::npos);
  EXPECT_EQ(exported.find("K2BB"), std::string::npos);

  // Saved and restored: the real exchange comes back; the restored window
  // is shown, not heard again.
  screen.files = {(folder / "ear.sav").string()};
  session->Run(Command::SaveGame);
  EXPECT_NE(ReadBytes(folder / "ear.sav").find("# Copied by ear\r\n"), std::string::npos);
  screen.answers = {true};
  session->Run(Command::NewGame);
  EXPECT_TRUE(g.EarCopied.empty());
  const std::size_t heardBefore = screen.heard.size();
  const std::size_t eventsBefore = screen.events.size();
  screen.files = {(folder / "ear.sav").string()};
  session->Run(Command::RestoreGame);
  EXPECT_EQ(g.EarCopied, std::vector<EarCopiedContact>{kept});
  EXPECT_EQ(g.Lines(MemoId::Incoming).back(), said);
  EXPECT_NE(std::find(screen.events.begin() + eventsBefore, screen.events.end(), "in|" + said),
            screen.events.end());
  EXPECT_EQ(screen.heard.size(), heardBefore);

  // The recovery copy, written at the logged contact, brings it back too.
  ASSERT_TRUE(fs::exists(folder / "tovk-recovery.sav"));
  session.reset();  // dropped without quitting
  screen.answers = {true};
  auto next = Started();
  EXPECT_EQ(next->game().EarCopied, std::vector<EarCopiedContact>{kept});
  EXPECT_EQ(next->game().Lines(MemoId::Log).size(), logLines + 1);
}

TEST_F(CopyByEarTest, turningCopyByEarOffShowsWhatWasKeptBackAndLogsAsBefore) {
  auto session = Started();
  Game& g = session->game();
  CopyByEar(*session, true);
  StationAnswers(*session);
  EXPECT_EQ(session->HiddenLines().size(), 1u);
  CopyByEar(*session, false);
  EXPECT_TRUE(session->HiddenLines().empty());
  ASSERT_EQ(screen.revealed.size(), 1u);
  EXPECT_EQ(screen.revealed[0].text, g.Lines(MemoId::Incoming).back());

  // Not copied by ear: no check, and the history line keeps its nine fields.
  session->Run(Command::Results);
  EXPECT_EQ(screen.logChecks.back().checked, 0);
  EXPECT_TRUE(LogCheckLines(screen.logChecks.back()).empty());
}

// Saved in the middle of a contact, by hand or in the recovery copy: the
// restored contact's lines are kept back as before, revealed when it ends.
TEST_F(CopyByEarTest, aContactSavedMidwayIsRestoredStillKeptBack) {
  SessionSetup keepsSettings = Setup();  // so that the next start copies by ear too
  keepsSettings.writeSettingsOnChange = true;
  auto session = Started(keepsSettings);
  CopyByEar(*session, true);
  StationAnswers(*session);
  const std::string said = session->game().Lines(MemoId::Incoming).back();
  ASSERT_EQ(session->HiddenLines().size(), 1u);
  screen.files = {(folder / "mid.sav").string()};
  session->Run(Command::SaveGame);

  const auto restoredStillKeptBack = [&](Session& restored, std::size_t eventsBefore) {
    const auto events =
        std::vector<std::string>(screen.events.begin() + eventsBefore, screen.events.end());
    EXPECT_EQ(std::count(events.begin(), events.end(), "in|" + said), 0);
    EXPECT_EQ(std::count(events.begin(), events.end(), "in|(heard)"), 1);
    ASSERT_EQ(restored.HiddenLines().size(), 1u);
    const HiddenLine kept = restored.HiddenLines()[0];
    EXPECT_EQ(kept.text, said);
    EXPECT_EQ(restored.game().Lines(MemoId::Incoming).at(kept.place), said);
  };
  screen.answers = {true};
  session->Run(Command::NewGame);
  std::size_t eventsBefore = screen.events.size();
  screen.files = {(folder / "mid.sav").string()};
  session->Run(Command::RestoreGame);
  restoredStillKeptBack(*session, eventsBefore);

  session.reset();  // dropped without quitting, in the middle of the contact
  screen.answers = {true};
  eventsBefore = screen.events.size();
  auto next = Started();
  restoredStillKeptBack(*next, eventsBefore);
  CopyByEar(*next, false);
  ASSERT_FALSE(screen.revealed.empty());
  EXPECT_EQ(screen.revealed.back().text, said);
}

// The checked score counts every contact but those copied wrong: one not
// copied by ear as logged, one copied right (NWT said as "YU", "012" for 12),
// one with a wrong precedence.
TEST(LogCheckTest, checkedScoreCountsTheContactsWithoutMistakesAndTheirSections) {
  RecordingScreen screen;
  ScriptedRandom random;
  Game g(screen, random);
  g.Lines(MemoId::Log) = {
      "1977/11/18|21:05|K1AA      | 40|    7| A | 12| CT  |    1",
      "1977/11/18|21:09|VE8XX     | 40|   12| B | 55| YU  |    2",
      "1977/11/18|21:12|K3CC      | 40|    3| A | 61| EMA |    3",
  };
  g.Mynumber = 4;
  g.SectionsWorked = 3;
  g.EarCopied = {{2, {"012", "B", "VE8XX", "55", "YU"}, {"12", "B", "VE8XX", "55", "NWT"}},
                 {3, {"3", "A", "K3CC", "61", "EMA"}, {"3", "B", "K3CC", "61", "EMA"}}};
  const LogCheck check = CheckLogCopiedByEar(g);
  EXPECT_EQ(check.checked, 2);
  EXPECT_EQ(check.correct, 1);
  EXPECT_EQ(check.accuracy, 90);
  EXPECT_EQ(check.mistakes, (std::vector<CopyMistake>{{3, Part::Precedence, "A", "B"}}));
  EXPECT_EQ(check.claimedScore, 2 * 3 * 3);
  EXPECT_EQ(check.checkedScore, 2 * 2 * 2);
}

}  // namespace
}  // namespace tovk
