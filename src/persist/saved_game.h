// The saved-game file: the three windows, the exchange in hand, the clock,
// the counters, every section's status and every pool station's worked mark,
// one value a line, CR LF line ends.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string_view>

#include "world/game.h"

namespace tovk {

// How far a write or a read got: whether every line went through, and the
// lines completely written or read (the failing line is the next one).
struct LineCount {
  bool ok = true;
  int lines = 0;
};

// Takes one line of the file (without its line end); false when it could
// not be written.
using LineSink = std::function<bool(std::string_view line)>;

// Writes the game's lines in the file's order to `sink`, stopping at the
// first line the sink refuses.
LineCount WriteSavedGameLines(const Game& g, const LineSink& sink);
// The same into a stream, each line ending CR LF.
LineCount WriteSavedGameTo(const Game& g, std::ostream& out);

// Reads a saved game from a stream into the game, which the caller has reset
// first, and refreshes the window. Shows nothing; the caller reports.
LineCount ReadSavedGameFrom(Game& g, std::istream& in);

// Writes the game to SavedGameFile (in the program's folder when it has no
// folder), through a temporary file renamed over the target. On failure shows
// "Error writing file " + name + " in line " + count and returns false; the
// previous file is left as it was.
bool WriteSavedGame(Game& g);
// The same, with a line that fails on purpose: `failBefore(k)` returning true
// makes the write of the line after the first k lines fail (for tests).
bool WriteSavedGame(Game& g, const std::function<bool(int linesWritten)>& failBefore);

// Reads SavedGameFile into the game, which the caller has reset first. On
// failure shows "Error Reading file " + name + " in line " + count and
// returns false.
bool ReadSavedGame(Game& g);

}  // namespace tovk
