// The exchange as the player typed it into the five entry fields, and
// whether a field holds a text of its part's form, which the log keeps in
// its column: the number in digits, the precedence one letter, the callsign
// up to 10 characters, the check two digits, the section up to 4.
#pragma once

#include "world/game.h"

namespace tovk {

// The five fields' texts, without blanks at either end.
ExchangeText TypedExchange(const Game& g);

// The field of `part` holds a text of that part's form.
bool FieldCopied(const Game& g, Part part);
bool EveryFieldCopied(const Game& g);

}  // namespace tovk
