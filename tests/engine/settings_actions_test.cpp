// What the settings change in the game.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

using SettingsActionsTest = GameTest;

TEST_F(SettingsActionsTest, aCallsignWithoutAThreeIsOperatedPortableThree) {
  const std::pair<const char*, const char*> cases[] = {
      {"k1abc", "K1ABC/3"}, {"K3ABC", "K3ABC"},          {"KB3", "KB3/3"},
      {"W1AW/3", "W1AW/3"}, {"K1ABCDEFG", "K1ABCDEFG/"},
  };
  for (const auto& [typed, stored] : cases) {
    g.Mycall = "Q1AAA";
    ChangeOwnStation(g, typed, "68");
    EXPECT_EQ(g.Mycall, stored);
    EXPECT_EQ(g.CQText.str(), "Tovk de " + std::string(stored) + " SS");
  }
}

TEST_F(SettingsActionsTest, aPoolStationWithTheNewCallsignIsRenamed) {
  g.StationMax = 1, g.StationCall[1] = "K3XYZ", g.StationSection[1] = 40;
  ChangeOwnStation(g, "K3XYZ", "71");
  EXPECT_EQ(g.StationCall[1], "W3/Q3CCC");
  EXPECT_EQ(g.StationSection[1], 14);

  // The same callsign again renames nothing but still applies the check.
  g.CQText = "unchanged";
  g.StationCall[0] = "K3XYZ";
  ChangeOwnStation(g, "K3XYZ", "123");
  EXPECT_EQ(g.StationCall[0], "K3XYZ");
  EXPECT_EQ(g.CQText, "unchanged");
  EXPECT_EQ(g.Mycheck, "12");

  // The timeout's spin boxes hold their ranges.
  SetTimeoutLength(g, 99, -5);
  EXPECT_EQ(g.TimeoutHours * 60 + g.TimeoutMinutes, 60 * 60);
}

}  // namespace
}  // namespace tovk::testing
