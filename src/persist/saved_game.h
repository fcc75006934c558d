// The saved-game file: the three windows, the exchange in hand, the clock,
// the counters, every section's status and every pool station's worked mark,
// one value a line, CR LF line ends.
#pragma once

#include <istream>
#include <ostream>

#include "world/game.h"

namespace tovk {

// Writes the game to SavedGameFile (in the program's folder when it has no
// folder), through a temporary file renamed over the target. On failure shows
// "Error writing file " + name + " in line " + count and returns false; the
// previous file is left as it was.
bool WriteSavedGame(Game& g);

// Reads SavedGameFile into the game, which the caller has reset first. On
// failure shows "Error Reading file " + name + " in line " + count and
// returns false.
bool ReadSavedGame(Game& g);

}  // namespace tovk
