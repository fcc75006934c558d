// Clearing the contact in hand without logging it, and changing band.
#include "engine/actions.h"
#include "world/section_map.h"

namespace tovk {

void ClearContact(Game& g) {
  g.screen.ContactEnded();
  // Emptying a field runs its handler first (marking the part and emptying
  // Hiscall / Hissection); the parts are unmarked only afterwards.
  for (Field field :
       {Field::Number, Field::Precedence, Field::Call, Field::Check, Field::Section}) {
    SetFieldText(g, field, "");
  }
  g.PartReceived.fill(false);
  g.PartText.fill("");
  g.StationState = ssNone;
  g.ExchangeSent = false;
  EngineStep(g);
  UpdateAreaDisplay(g);
}

void SelectBand(Game& g, const std::string& band) {
  g.bandBox = band;  // the box already shows the player's choice
  BandBoxChanged(g);
}

void BandBoxChanged(Game& g) {
  if (g.bandBox == g.Band.str()) return;
  g.Band = g.bandBox;
  ClearContact(g);
}

}  // namespace tovk
