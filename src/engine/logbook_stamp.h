// The time stamp at the head of every logbook line and the two-digit clock
// texts the display refresh leaves behind for it.
#pragma once

#include <string>

#include "world/game_state.h"

namespace tovk {

// A number as decimal text with a "0" in front when it is 9 or less.
inline std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  if (value <= 9) return "0" + text;
  return text;
}

// "1977/11/" + day + "|" + HH:MM, from DayText and the clock texts of the
// last display refresh.
inline std::string LogbookStamp(const GameState& s) {
  return "1977/11/" + s.DayText + "|" + s.HourText + ":" + s.MinuteText;
}

}  // namespace tovk
