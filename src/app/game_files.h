// The player's ways to keep a game: Save, Restore, the saved-game choice of
// the settings dialog, and the quit flow.
#pragma once

#include "world/game.h"

namespace tovk {

void SaveGame(Game& g);     // "Save", Game / Save
void RestoreGame(Game& g);  // "Restore", Game / Restore
// The quit flow ("QRT", "Exit", closing the window): asks first, stops Auto
// CQ, saves the game (Auto save) or offers to, and writes the settings file.
// False when the player stays; true when the program is to end.
bool QuitGame(Game& g);
// The settings dialog's saved-game field: choose the file the game is saved to.
void ChooseSavedGameFile(Game& g);

}  // namespace tovk
