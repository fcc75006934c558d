// The recovery copy: the game as it stood at the last logged contact, timeout
// or mishap, kept in the saved-game format beside the settings file so a game
// survives a crash or a power cut. A clean quit removes it; at the next start
// a copy still there means the last run never quit, and the player may have
// the game back. It is kept apart from Auto save and does not change it.
#pragma once

#include <filesystem>

#include "world/game.h"

namespace tovk {

class RecoveryCopy {
 public:
  explicit RecoveryCopy(std::filesystem::path file);

  const std::filesystem::path& File() const { return file_; }
  bool Exists() const;

  // After every player action and timer tick: writes the copy when a contact
  // was logged, or a timeout or mishap happened, since the last write
  // (Game::checkpoints moved). The file is replaced in one step, never left
  // half-written. A failure is shown once, until a write works again; false
  // when the copy could not be written.
  bool AfterAction(const Game& g);

  // At start, after the window is first shown: when a copy is there, asks
  // "Restore the game from the last session?". Yes brings the game back as it
  // was at the copy (as Restore does, without touching SavedGameFile); No
  // removes the copy, so the question is not asked again. True when the game
  // was restored.
  bool OfferAtStart(Game& g);

  // After the quit flow has ended the program.
  void RemoveOnCleanQuit();

 private:
  bool Write(const Game& g);
  void Restore(Game& g);
  void Remove();

  std::filesystem::path file_;
  int written_ = 0;  // Game::checkpoints at the last write
  bool failureShown_ = false;
};

}  // namespace tovk
