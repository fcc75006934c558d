// The player's ways to keep a game: Save, Restore, the saved-game choice of
// the settings dialog, Auto save, and the quit flow.
#pragma once

#include "world/game.h"

namespace tovk {

void ToolButtonsaveClick(Game& g);     // "Save", Game / Save
void ToolButtonrestoreClick(Game& g);  // "Restore", Game / Restore
void Exit1Click(Game& g);              // "QRT", "Exit": the quit flow
// The main window's close request: runs the quit flow; the window never
// closes by itself (the result, the may-close flag, is always false).
bool FormCloseQuery(Game& g);
void Edit2Click(Game& g);                           // settings dialog: choose the saved-game file
void CheckBoxautosaveClick(Game& g, bool checked);  // settings dialog: "Auto save"

}  // namespace tovk
