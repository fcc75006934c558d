// What the section map says to a player who cannot see its colours: the
// name a screen reader reads for each cell and each area box.
#pragma once

#include <string>

#include "world/game_state.h"

namespace tovk {

// A section's name and its state, as the cell's colour shows it: "CT needed",
// "CT heard", "CT worked". Empty for an index outside the map.
std::string SectionCellName(const GameState& s, int section);

// A call area's caption and how many of its sections are worked:
// "W1, 3 of 7 worked". Empty for an index outside the map.
std::string AreaBoxName(const GameState& s, int area);

}  // namespace tovk
