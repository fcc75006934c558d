// The game's variables by name, for the terminal front-end's `show`: every
// variable of the game state and the options, an array entry as NAME[i].
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "world/game.h"

namespace tovk::term {

// What `show` answers: "NAME=value" (booleans true/false, texts as held,
// numbers in decimal), or why it cannot (`ok` false).
struct ShowResult {
  bool ok = false;
  std::string text;
};

// `request` is a name (any case) or name[index]; the answer carries the
// name as the game spells it.
ShowResult ShowVariable(const Game& g, std::string_view request);

}  // namespace tovk::term
