// The contest clock and the operating time.
#pragma once

#include "world/game_state.h"

namespace tovk {

// Moves the clock on by `seconds` (never more than 3600 at a time); counted
// time is also operating time. Sets Activity from the operating hours.
void AdvanceClock(GameState& s, int seconds, bool counted);

// The contest is over: 24 hours of operating time used, or the clock has
// reached day 21, 03:00.
bool ContestIsOver(const GameState& s);

}  // namespace tovk
