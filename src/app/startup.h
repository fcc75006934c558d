// Program start, the steps that need no window: reading the settings file,
// deriving the power factor and the CQ text, the new game, the automatic
// restore, and what the first showing of the window does.
#pragma once

#include "world/game.h"

namespace tovk {

// Before the front-end is first shown, from reading the settings file (g.settingsFile)
// on: PowerFactor, CQText, NewGame and, with Auto save on and the saved game
// present, the automatic restore. The window applies g.Look afterwards.
void StartUp(Game& g);

// The front-end's first showing, after it has seeded the random source: engine step, QSO number,
// band box handler, section panel side.
void FirstShowing(Game& g);

}  // namespace tovk
