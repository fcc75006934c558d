// The sound's own randomness: a hash that picks a station's voice from its
// callsign and a small generator for band noise, static and fading. Both are
// written out here, so a station sounds the same and a seeded game gives the
// same sound on every platform; neither touches the game's random source.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

namespace tovk::audio {

// FNV-1a over the bytes of `text`, continuing from `hash`.
constexpr std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash = 0xcbf29ce484222325ull) {
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// One step of SplitMix64: a well-mixed 64-bit value from a counter.
constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// The sound's generator: SplitMix64 with helpers for the shapes it needs.
class SoundRandom {
 public:
  explicit SoundRandom(std::uint64_t seed = 0) : state_(seed) {}

  std::uint64_t Next() { return SplitMix64(state_); }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform in [-1, 1).
  float Signed() { return static_cast<float>(Unit() * 2.0 - 1.0); }
  // Two uniform values in [-1, 1) from one step, for band noise.
  std::pair<float, float> SignedPair() {
    const std::uint64_t bits = Next();
    constexpr float kScale = 0x1.0p-31f;
    return {static_cast<float>(static_cast<std::int32_t>(bits >> 32)) * kScale,
            static_cast<float>(static_cast<std::int32_t>(bits & 0xffffffffu)) * kScale};
  }
  // Uniform whole number 0..n-1 (0 when n <= 0).
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<unsigned>(n)); }

 private:
  std::uint64_t state_;
};

}  // namespace tovk::audio
