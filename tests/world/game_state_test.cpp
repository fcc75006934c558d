// The game state's values at program start.
#include "world/game_state.h"

#include <gtest/gtest.h>

namespace tovk {
namespace {

TEST(GameState, StartValuesBeforeTheSettingsAreRead) {
  GameState s;
  EXPECT_EQ(s.Mycall, "Q1AAA");
  EXPECT_EQ(s.Myprec, "A");
  EXPECT_EQ(s.Mycheck, "68");
  EXPECT_EQ(s.Mysection, "MDC");
  EXPECT_EQ(s.CQText, "Tovk de Q1AAA SS");
  EXPECT_EQ(s.PowerFactor, 30);
  EXPECT_EQ(s.Day, 18);
  EXPECT_EQ(s.Hour, 21);
  EXPECT_EQ(s.Mynumber, 0);
  EXPECT_EQ(s.StationIndex, 666);
  EXPECT_EQ(s.Band, "99");
  EXPECT_EQ(s.TenMetreZone, 9);
  EXPECT_EQ(s.Activity, 6);
  EXPECT_EQ(s.Hisnumber, "99999999");
  EXPECT_EQ(s.Hissection, "NONE");
  EXPECT_EQ(s.NeededColour, RgbColour(232, 226, 208));
  EXPECT_EQ(s.HeardColour, RgbColour(255, 255, 0));
  EXPECT_EQ(s.WorkedColour, RgbColour(0, 255, 0));
}

TEST(GameState, SectionsAndPoolStartEmpty) {
  GameState s;
  for (int i = 0; i < kSectionSlots; ++i) EXPECT_EQ(s.SectionStatus[i], 0) << i;
  for (bool complete : s.AreaComplete) EXPECT_FALSE(complete);
  EXPECT_TRUE(s.StationCall[0].empty());
  EXPECT_TRUE(s.StationCall[kPoolCapacity].empty());
  EXPECT_EQ(s.StationSection[kPoolCapacity], 0);
  EXPECT_TRUE(s.StationBand[0].empty());
  EXPECT_EQ(s.StationMax, 0);
}

TEST(GameState, OwnCallsignKeepsTenCharacters) {
  GameState s;
  s.Mycall = "W3ABCDEFGHIJ";
  EXPECT_EQ(s.Mycall, "W3ABCDEFGH");
}

}  // namespace
}  // namespace tovk
