// The contest clock: seconds carried into minutes, hours and days, the
// operating time, the activity level and the end of the contest.
#include "world/clock.h"

namespace tovk {

void AdvanceClock(GameState& s, int seconds, bool counted) {
  if (seconds > 0) s.Second += seconds;
  if (s.Second >= 60) {
    while (s.Second >= 60) {
      s.Second -= 60;
      ++s.Minute;
      ++s.ElapsedMinutes;
      if (counted) ++s.OpMinutes;
    }
    while (s.Minute >= 60) {
      s.Minute -= 60;
      ++s.Hour;
    }
    if (counted) {
      while (s.OpMinutes >= 60) {
        s.OpMinutes -= 60;
        ++s.OpHours;
      }
    }
  }
  // Callers move at most an hour at a time; the loop only keeps the hour in
  // 0..23 should a longer step ever be asked for.
  while (s.Hour >= 24) {
    s.Hour -= 24;
    ++s.Day;
  }
  s.Activity = (s.OpHours >= 13 && s.OpHours <= 20) ? 8 : 2;
}

bool ContestIsOver(const GameState& s) {
  if (s.OpHours >= 24) return true;
  if (s.Day > 21) return true;
  return s.Day == 21 && s.Hour >= 3;
}

}  // namespace tovk
