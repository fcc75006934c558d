// A random source for tests: plays back the draws a test scripts, in order,
// and keeps the range of every draw asked for. When the script runs out it
// answers `fallback` (0 unless a test sets it), which a test may rely on for
// draws it does not care about, such as the engine step's mishap roll.
#pragma once

#include <deque>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "world/random.h"

namespace tovk::testing {

class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<int> draws) : script(draws) {}

  void Add(std::initializer_list<int> draws) { script.insert(script.end(), draws); }

  int Draw(int n) override {
    ranges.push_back(n);
    if (n <= 0) return 0;
    int value = fallback;
    if (!script.empty()) {
      value = script.front();
      script.pop_front();
    }
    if (value < 0 || value >= n) {
      ADD_FAILURE() << "scripted draw " << value << " is outside 0.." << n - 1;
      return 0;
    }
    return value;
  }

  std::deque<int> script;
  std::vector<int> ranges;  // n of every draw asked for
  int fallback = 0;
};

}  // namespace tovk::testing
