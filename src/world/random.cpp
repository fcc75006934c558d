// The production random source.
#include "world/random.h"

#include <chrono>

namespace tovk {

// The range reduction is the program's own rather than the standard
// library's distribution, whose results differ between libraries: so a seed
// gives the same game in the window, in tovk-term and in the browser, on any
// compiler. Draws below 2^64 mod n are thrown back, so every value 0..n-1
// stays equally likely.
int SeededRandom::Draw(int n) {
  if (n <= 0) return 0;
  const auto range = static_cast<std::uint64_t>(n);
  const std::uint64_t biased = (0 - range) % range;  // 2^64 mod n
  std::uint64_t draw = engine_();
  while (draw < biased) draw = engine_();
  return static_cast<int>(draw % range);
}

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace tovk
