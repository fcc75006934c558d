// The station in hand as the pool knows it (its section, whether and where it
// was worked) and the choice of a third station heard working it. A station
// index outside the pool arrays counts as a station never worked, and a
// section index outside the section table as no section at all.
#pragma once

#include <optional>
#include <string>

#include "world/game.h"

namespace tovk {

// True when `index` addresses an entry of the pool arrays.
bool InPool(int index);

// The section index 0..74 of the station at StationIndex; none when the
// station is outside the pool or has no valid section (99 after a new game).
std::optional<int> SectionOfStationInHand(const GameState& s);

// The station at StationIndex has been logged.
bool StationInHandWorked(const GameState& s);

// The band the station at StationIndex was logged on ("99" when never).
std::string BandOfStationInHand(const GameState& s);

// The station's section was heard: a needed section becomes heard, and the
// section map shows it (also when it was heard or worked already).
void MarkSectionHeard(Game& g);

// How many random picks the choice of OtherCall makes before falling back to
// the pool in index order.
constexpr int kOtherCallDraws = 20;

// Chooses OtherCall, a callsign of the pool other than Hiscall: picks at
// random among indices 1..StationMax; after kOtherCallDraws picks that all
// hit Hiscall, takes the first other callsign at 1..StationMax, then 0; with
// none at all, a stand-in callsign that differs from Hiscall.
void ChooseOtherCall(Game& g);

}  // namespace tovk
