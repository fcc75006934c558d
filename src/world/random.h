// The game's one random source. Every random decision of the contest is
// "a draw 0..N-1"; tests replace the source with one that plays back a script.
#pragma once

#include <cstdint>
#include <random>

namespace tovk {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform draw 0..n-1. A range that is empty (n of 0 or less) gives 0.
  virtual int Draw(int n) = 0;
};

// The production source: a Mersenne twister, seeded from the clock when the
// main window is first shown, or from a fixed seed for a repeatable game.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed = 0) : engine_(seed) {}
  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  int Draw(int n) override;

 private:
  std::mt19937_64 engine_;
};

// A seed taken from the system clock.
std::uint64_t ClockSeed();

}  // namespace tovk
