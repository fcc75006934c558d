// The game state's values at program start that are built rather than declared.
#include "world/game_state.h"

#include <gtest/gtest.h>

namespace tovk {
namespace {

TEST(GameState, StartsWithTheCqCallAndSectionNamesBuilt) {
  GameState s;
  EXPECT_EQ(s.CQText, "Tovk de Q1AAA SS");
  EXPECT_EQ(s.SectionName[0], "CT");
  EXPECT_EQ(s.SectionName[74], "NWT");
  for (int i = kSectionCount; i < kSectionSlots; ++i) EXPECT_TRUE(s.SectionName[i].empty()) << i;
}

TEST(GameState, OwnCallsignKeepsTenCharacters) {
  GameState s;
  s.Mycall = "W3ABCDEFGHIJ";
  EXPECT_EQ(s.Mycall, "W3ABCDEFGH");
}

}  // namespace
}  // namespace tovk
