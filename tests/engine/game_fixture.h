// A fresh game on a recording screen with a scripted random source; draws a
// test does not script come out 0, so the engine step's mishap roll misses.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/actions.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk::testing {

class GameTest : public ::testing::Test {
 protected:
  RecordingScreen screen;
  ScriptedRandom random;
  Game g{screen, random};

  const std::vector<std::string>& Log() const { return g.Lines(MemoId::Log); }
  std::vector<std::string> Messages() { return screen.TakeMessages(); }
};

using Texts = std::vector<std::string>;

}  // namespace tovk::testing
