// The robot operator: an automated player that works a whole contest over
// the core as a sensible human would (CQ or tune, call, ask AGN until every
// part is copied, send, QSL, log, check the log for dupes, change band now
// and then, take timeouts) until the contest is over. Used by the soak test
// and the contest benchmark, so it depends on nothing but the core.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "world/game.h"
#include "world/null_screen.h"
#include "world/random.h"
#include "world/screen.h"

namespace tovk::testing {

// A screen that keeps almost nothing: it answers every question Yes, lets a
// hook play the settings dialog, and remembers the last message shown.
class RobotScreen final : public NullScreen {
 public:
  void ShowMessage(const std::string& text) override {
    lastMessage = text;
    ++messageCount;
  }
  bool AskYesNo(const std::string&) override { return true; }
  void RunSettingsDialog(SettingsPage page) override {
    if (settingsDialog) settingsDialog(page);
  }

  std::function<void(SettingsPage)> settingsDialog;
  std::string lastMessage;
  long messageCount = 0;
};

// How the robot's player sets up the station; varied by seed in the soak.
struct RobotOptions {
  bool highPower = false;  // precedence "B" (1000 W) instead of "A"
  bool autoClear = true;
  bool autoDetect = true;
  bool assist = true;
};

// The options the soak test and the benchmark give contest number `seed`.
RobotOptions OptionsForSeed(std::uint64_t seed);

// Sets up a new contest: the station list is read from `stationFolder`
// (StationFile in that folder), the own station runs the given power.
void StartRobotContest(Game& g, const std::filesystem::path& stationFolder,
                       const RobotOptions& options);

// What the robot did in one contest.
struct RobotTally {
  long actions = 0;
  long cqs = 0;
  long tunes = 0;
  long autoCqTicks = 0;
  long calls = 0;
  long repeats = 0;
  long sends = 0;
  long logAttempts = 0;
  long dupesNoticed = 0;
  long bandChanges = 0;
  long timeouts = 0;
  long abandoned = 0;
};

class Robot {
 public:
  // The robot makes its choices from its own random source seeded with
  // `seed`; the game keeps its own. The screen's settings dialog is taken
  // over: it confirms a timeout of 0 hours 30 minutes.
  Robot(Game& game, RobotScreen& screen, std::uint64_t seed);
  Robot(const Robot&) = delete;
  Robot& operator=(const Robot&) = delete;

  // The contest is over: nothing more to do.
  bool Done() const;

  // One action of the player (or one tick of the Auto CQ timer); returns
  // the name of the action taken.
  const char* Step();

  const RobotTally& tally() const { return tally_; }

 private:
  int Choose(int n) { return random_.Draw(n); }
  void ForgetContact();
  const char* LookForContacts();
  const char* CallStationHeard();
  const char* WorkContact();
  const char* Housekeeping();

  Game& g_;
  RobotScreen& screen_;
  SeededRandom random_;
  RobotTally tally_;

  // The contact in hand, as the player remembers it.
  int calls_ = 0;
  int repeats_ = 0;
  int sends_ = 0;
  int dupeNotices_ = 0;
  bool checked_ = false;
  bool dupe_ = false;
  bool qslSent_ = false;
};

}  // namespace tovk::testing
