// Writing, offering and removing the recovery copy of the game.
#include "app/recovery.h"

#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/actions.h"
#include "persist/atomic_file.h"
#include "persist/saved_game.h"

namespace tovk {

RecoveryCopy::RecoveryCopy(std::filesystem::path file) : file_(std::move(file)) {}

bool RecoveryCopy::Exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(file_, error);
}

bool RecoveryCopy::AfterAction(const Game& g) {
  if (g.checkpoints == written_) return true;
  if (!Write(g)) return false;
  written_ = g.checkpoints;
  return true;
}

bool RecoveryCopy::Write(const Game& g) {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  AtomicFile file(file_);
  LineCount count{false, 0};
  if (file.IsOpen()) {
    count = WriteSavedGameLines(
        g, [&file](std::string_view line) { return file.Write(line) && file.Write("\r\n"); });
  }
  if (count.ok && file.Commit()) {
    failureShown_ = false;
    return true;
  }
  // Shown once: a full disk would otherwise interrupt every contact. The
  // flag is set first, as the box lets timer ticks run.
  if (!failureShown_) {
    failureShown_ = true;
    g.screen.ShowMessage("Error writing file " + file_.string() + " in line " +
                         std::to_string(count.lines));
  }
  return false;
}

bool RecoveryCopy::OfferAtStart(Game& g) {
  const bool restore = Exists() && Confirm(g, "Restore the game from the last session?");
  if (!restore) {
    Remove();
    // The game as it starts (a new game, or the one Auto save brought back
    // from its own file) has nothing to recover: no copy until something
    // happens in it.
    written_ = g.checkpoints;
    return false;
  }
  Restore(g);
  // A mishap in the restored game's engine step is kept like any other.
  AfterAction(g);
  return true;
}

void RecoveryCopy::Restore(Game& g) {
  NewGame(g);
  ClearContact(g);
  std::ifstream in(file_, std::ios::binary);
  const LineCount count = in ? ReadSavedGameFrom(g, in) : LineCount{false, 0};
  if (!count.ok) {
    g.ShowMessage("Error Reading file " + file_.string() + " in line " +
                  std::to_string(count.lines));
  }
  // The copy on disk is this game; only what happens from here on is new.
  written_ = g.checkpoints;
  EngineStep(g);
}

void RecoveryCopy::RemoveOnCleanQuit() {
  Remove();
}

void RecoveryCopy::Remove() {
  std::error_code error;
  std::filesystem::remove(file_, error);
}

}  // namespace tovk
