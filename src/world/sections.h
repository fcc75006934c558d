// The 75 Sweepstakes sections, their 11 call areas, area completion and the
// section that a callsign's prefix implies. A section is identified by its
// index in the table, never by its name ("LA" and "SD" occur twice).
#pragma once

#include <array>
#include <optional>

#include "world/game_state.h"

namespace tovk {

struct CallArea {
  const char* caption;  // "W1" ... "W0", "VE"
  int first;            // first section index of the area
  int last;             // last section index of the area
};

extern const std::array<const char*, kSectionCount> kSectionNames;
extern const std::array<CallArea, kAreaCount> kCallAreas;

// The area index 0..10 of a section index 0..74; none for any other index.
std::optional<int> AreaOfSection(int section);

// Recomputes AreaComplete from SectionStatus: an area is complete when every
// one of its sections is worked.
void UpdateAreaCompletion(GameState& s);

// With AutoDetect on, a callsign beginning "VE", "KZ5", "KH6" or "KP4" gives
// its section without it being sent: PartText[Part::Section] and PartReceived[Part::Section] are
// set.
void AutoFillSectionFromPrefix(GameState& s);

}  // namespace tovk
