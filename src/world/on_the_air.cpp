// Telling a station's line from the game's own notices.
#include "world/on_the_air.h"

#include "world/text.h"

namespace tovk {

bool IsSaidOnTheAir(std::string_view line) {
  const std::string_view trimmed = Trim(line, " ");
  return !trimmed.empty() && !trimmed.starts_with("***") &&
         trimmed.find(" | ") == std::string_view::npos;
}

}  // namespace tovk
