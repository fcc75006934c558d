// Clearing the contact in hand without logging it, and changing band.
#include "engine/actions.h"
#include "world/section_map.h"

namespace tovk {

void ToolButtonClearQSOClick(Game& g) {
  // Emptying a field runs its handler first (marking the part and emptying
  // Hiscall / Hissection); the parts are unmarked only afterwards.
  for (Field field : {Field::Editnumber, Field::EditPrc, Field::Edithiscall, Field::Editcheck,
                      Field::EditSection}) {
    SetFieldText(g, field, "");
  }
  g.PartReceived.fill(false);
  for (auto& part : g.PartText) part = "";
  g.StationState = ssNone;
  g.ExchangeSent = false;
  EngineStep(g);
  UpdateAreaDisplay(g);
}

void SelectBand(Game& g, const std::string& band) {
  g.bandBox = band;  // the box already shows the player's choice
  ComboBoxbandChange(g);
}

void ComboBoxbandChange(Game& g) {
  if (g.bandBox == g.Band.str()) return;
  g.Band = g.bandBox;
  ToolButtonClearQSOClick(g);
}

}  // namespace tovk
