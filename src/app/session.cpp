// The session's start, its one dispatch, the timer's tick, and the flows the
// command table runs that need more than the game: quitting, exporting, the
// results and the end of the contest.
#include "app/session.h"

#include <chrono>
#include <utility>

#include "app/export_log.h"
#include "app/game_files.h"
#include "app/log_check.h"
#include "app/startup.h"
#include "engine/actions.h"
#include "engine/next_step.h"
#include "persist/practice_history.h"
#include "persist/results.h"
#include "persist/settings_file.h"

namespace tovk {

SessionSetup SetupFor(const FilePlaces& places) {
  SessionSetup setup;
  setup.folder = places.dataFolder;
  setup.settingsFile = places.settingsFile;
  setup.stationList = places.stationList;
  setup.historyFile = places.historyFile;
  setup.recoveryFile = places.recoveryFile;
  setup.helpFile = places.helpFile;
  return setup;
}

Session::Session(FrontEnd& frontEnd, RandomSource& random, SessionSetup setup)
    : frontEnd_(frontEnd), screen_(frontEnd), game_(screen_, random), setup_(std::move(setup)) {
  screen_.Follow(game_);
  if (!setup_.recoveryFile.empty()) recovery_.emplace(setup_.recoveryFile);
  game_.folder = setup_.folder;
  game_.settingsFile = setup_.settingsFile;
  if (!setup_.stationList.empty()) game_.StationFile = setup_.stationList.string();
  game_.historyFile = setup_.historyFile;
}

void Session::Start() {
  {
    // A game restored at start is shown, not heard.
    RestoringScope restoring(screen_);
    Perform(game_, [&] { StartUp(game_); });
  }
  frontEnd_.ShowSound(game_.Sound);
  // A game restored at start may be over already. The recovery copy waits:
  // it is offered before anything is written over it.
  TakeUpContestEnd();
}

void Session::Shown() {
  Perform(game_, [&] { FirstShowing(game_); });
  TakeUpContestEnd();
}

void Session::OfferRecovery() {
  if (!recovery_) return;
  {
    RestoringScope restoring(screen_);
    Perform(game_, [&] { recovery_->OfferAtStart(game_); });
  }
  AfterAction();
}

bool Session::IsEnabled(Command command) const {
  if (ended_) return false;
  // Enter is refused as the button of the step it would take is.
  if (command == Command::NextStep) return game_.IsEnabled(FirstButtonOf(ChooseNextStep(game_)));
  const auto button = ButtonOf(command);
  return !button || game_.IsEnabled(*button);
}

bool Session::Run(Command command, const CommandInput& input) {
  if (!IsEnabled(command)) return false;
  const CommandRow& row = RowOf(command);
  {
    // A restored window is shown again, not heard again.
    std::optional<RestoringScope> restoring;
    if (command == Command::RestoreGame) restoring.emplace(screen_);
    Perform(game_, [&] { row.run(*this, input); });
  }
  AfterAction();
  return true;
}

bool Session::PressKey(const KeyChord& chord) {
  const KeyRow* key = FindKey(chord);
  if (key == nullptr) return false;
  Run(key->command, {});
  return true;
}

void Session::Tick() {
  if (ended_ || ticking_) return;
  ticking_ = true;
  ClockTick(game_);
  AfterAction();
  ticking_ = false;
}

void Session::AfterAction() {
  if (ended_) return;
  if (recovery_) recovery_->AfterAction(game_);
  TakeUpContestEnd();
}

void Session::TakeUpContestEnd() {
  if (ended_ || !std::exchange(game_.contestEndPending, false)) return;
  // The contest has just ended: the run goes into the practice history and
  // the results are shown, once per contest.
  const std::string now =
      setup_.now ? setup_.now() : LocalIsoTimestamp(std::chrono::system_clock::now());
  const std::filesystem::path history = PracticeHistoryFile(game_);
  PracticeRun run = PracticeRunOf(game_, now);
  const LogCheck check = CheckLogCopiedByEar(game_);
  run.accuracy = HistoryAccuracy(check);
  run.checkedScore = HistoryCheckedScore(check);
  if (!AppendPracticeHistory(history, run))
    frontEnd_.ShowMessage("Error writing file " + history.string());
  ShowResults();
}

void Session::ApplySettings(const SettingsChange& change) {
  tovk::ApplySettings(game_, frontEnd_, change);
  SettingsChanged();
  // No longer copying by ear: what was kept back is shown at once.
  if (!game_.Sound.copyByEar) screen_.Reveal();
}

void Session::TurnSoundOnOrOff() {
  SettingsChange change;
  change.sound = game_.Sound;
  change.sound->on = !game_.Sound.on;
  ApplySettings(change);
}

void Session::ChooseSavedGameFile() {
  tovk::ChooseSavedGameFile(game_);
  SettingsChanged();
}

void Session::SettingsChanged() {
  if (!setup_.writeSettingsOnChange || WriteSettings(game_, game_.settingsFile)) return;
  frontEnd_.ShowMessage("Error writing file " + game_.settingsFile.string());
}

void Session::Quit() {
  if (!QuitGame(game_)) return;
  // A clean quit: nothing to recover at the next start, and nothing more is
  // written after this.
  if (recovery_) recovery_->RemoveOnCleanQuit();
  recovery_.reset();
  ended_ = true;
  frontEnd_.EndProgram();
}

void Session::Export(LogFormat format, const std::optional<std::string>& file) {
  ExportLog(game_, format, file);
}

void Session::ShowResults() {
  frontEnd_.ShowResults(ComputeResults(game_), CheckLogCopiedByEar(game_),
                        ReadPracticeHistory(PracticeHistoryFile(game_), kHistoryRunsShown));
}

void Session::ChangeBandBy(bool up) {
  const std::string band = NextBand(game_.bandBox, up);
  if (band.empty()) return;
  // The box shows the new band first, as when it is chosen with the mouse.
  game_.SetBandBox(band);
  SelectBand(game_, band);
}

}  // namespace tovk
