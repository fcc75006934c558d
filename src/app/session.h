// One game as a front-end plays it: the game, where its files live, the
// recovery copy, and the one dispatch every command of every front-end goes
// through. A front-end makes a Session over its screen, starts it, shows it,
// and then only says which command the player gave.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/commands.h"
#include "app/export_log.h"
#include "app/front_end.h"
#include "app/listening_screen.h"
#include "app/recovery.h"
#include "app/settings_change.h"
#include "persist/file_places.h"
#include "world/game.h"
#include "world/random.h"

namespace tovk {

// Where the game's files live, and the clock the practice history dates its
// runs with.
struct SessionSetup {
  std::filesystem::path folder = ".";  // saved games named without a folder
  std::filesystem::path settingsFile = "tovk.ini";
  std::filesystem::path stationList;   // empty: StationFile in the folder
  std::filesystem::path historyFile;   // empty: beside the settings file
  std::filesystem::path recoveryFile;  // empty: no recovery copy is kept
  std::filesystem::path helpFile;      // the help document
  // Date and time now, ISO 8601 local time; empty: the system clock.
  std::function<std::string()> now;
  // The settings file is written at every change of the settings, not only
  // by the quit flow: for a front-end that can be closed without quitting
  // (the browser page, whose tab closes without asking).
  bool writeSettingsOnChange = false;
};

// The setup for the places the program keeps its files in.
SessionSetup SetupFor(const FilePlaces& places);

class Session final : public SettingsEditor {
 public:
  Session(FrontEnd& frontEnd, RandomSource& random, SessionSetup setup);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  FrontEnd& frontEnd() { return frontEnd_; }
  const SessionSetup& setup() const { return setup_; }
  // The clock the practice history dates runs with (tests set their own).
  void SetClock(std::function<std::string()> now) { setup_.now = std::move(now); }

  // Before the front-end is first shown: the settings file, the new game and,
  // with Auto save on, the automatic restore.
  void Start();
  // The front-end is on the screen and the random source seeded: the first
  // display.
  void Shown();
  // Then, once the front-end shows it: the question about the recovery copy
  // of a game that ended without quitting.
  void OfferRecovery();

  // Runs a command: nothing happens (false) when it is a button's and that
  // button is disabled, or when the game has ended. The command runs with
  // the game marked busy; afterwards the recovery copy follows the game and
  // the end of the contest, when it has just come, brings the results.
  bool Run(Command command, const CommandInput& input = {});
  // A key: runs its command; false when the key is not one of the game's
  // (a bound key whose command is refused still counts as handled).
  bool PressKey(const KeyChord& chord);
  bool IsEnabled(Command command) const;

  // The Auto CQ timer fired. A tick that arrives while another action or
  // tick runs (a modal box keeps the event loop going) is dropped.
  void Tick();

  // The quit flow ended the program: nothing more runs or is written.
  bool Ended() const { return ended_; }

  // --- SettingsEditor ---
  const GameState& Settings() const override { return game_; }
  void ApplySettings(const SettingsChange& change) override;
  void ChooseSavedGameFile() override;

  // --- The flows the command table runs ---
  void Quit();
  void Export(LogFormat format, const std::optional<std::string>& file);
  void ShowResults();
  void ChangeBandBy(bool up);
  void TurnSoundOnOrOff();

  // The lines heard but, copying by ear, not yet shown.
  const std::vector<HiddenLine>& HiddenLines() const { return screen_.Hidden(); }

 private:
  void AfterAction();
  void TakeUpContestEnd();
  void SettingsChanged();

  FrontEnd& frontEnd_;
  ListeningScreen screen_;  // between the game and the front-end
  Game game_;
  SessionSetup setup_;
  std::optional<RecoveryCopy> recovery_;
  bool ticking_ = false;
  bool ended_ = false;
};

}  // namespace tovk
