// The production random source.
#include "world/random.h"

#include <chrono>

namespace tovk {

int SeededRandom::Draw(int n) {
  if (n <= 0) return 0;
  std::uniform_int_distribution<int> range(0, n - 1);
  return range(engine_);
}

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace tovk
