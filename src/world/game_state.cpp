// The game state's start values that are not plain member defaults (the
// section names and the CQ call built from the own callsign), and what counts
// as a copied part of the exchange.
#include "world/game_state.h"

#include "world/sections.h"
#include "world/text.h"

namespace tovk {

GameState::GameState() {
  for (int i = 0; i < kSectionCount; ++i) SectionName[i] = kSectionNames[i];
  CQText = "Tovk de " + Mycall + " SS";
}

bool PartCopied(const ContactInHand& c, Part part) {
  if (!c.PartReceived[part]) return false;
  if (part == Part::Call) return !Trim(c.Hiscall.str()).empty();
  if (part == Part::Section) return !Trim(c.Hissection.str()).empty();
  return true;
}

}  // namespace tovk
