// The game state's start values that are not plain member defaults: the
// section names and the CQ call built from the own callsign.
#include "world/game_state.h"

#include "world/sections.h"

namespace tovk {

GameState::GameState() {
  for (int i = 0; i < kSectionCount; ++i) SectionName[i] = kSectionNames[i];
  CQText = "Tovk de " + Mycall + " SS";
}

}  // namespace tovk
