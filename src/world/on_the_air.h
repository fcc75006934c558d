// Which lines of the incoming window a station says on the air, and which
// are the game's own notices: "*** No response" and its kin, a blank line,
// the debugging list of the station pool ("12 | K1ABC, 0").
#pragma once

#include <string_view>

namespace tovk {

bool IsSaidOnTheAir(std::string_view line);

}  // namespace tovk
