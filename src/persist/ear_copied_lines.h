// The saved game's closing section on contacts copied by ear, after the
// station lines' end marker, where a reader of the older layout never looks:
//   # Copied by ear
//   S|number|prec|call|check|section          the contact in hand, as sent
//   K|place|place...                          where the contact in hand's lines
//                                             kept back stand (only when some are)
//   C|serial|five parts logged|five parts sent  one line per logged contact
//   # End of copied by ear
// A game that never copied by ear has no such section, so its file is laid
// out as before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "world/game_state.h"

namespace tovk {

extern const char* const kEarCopiedMarker;
extern const char* const kEndOfEarCopiedMarker;

// The section's lines, markers included; none when there is nothing to keep.
std::vector<std::string> EarCopiedLines(const GameState& s);

// Takes one line of the section into the game; a line of any other shape is
// passed over.
void ReadEarCopiedLine(GameState& s, std::string_view line);

}  // namespace tovk
