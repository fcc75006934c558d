// Choosing a station and the propagation table: the pick's distribution, the
// empty pool, the 10 m zone, the groups and each group's hours by band.
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

class PropagationTest : public ::testing::Test {
 protected:
  // The exact chance that the station at index 1 (in `section`) is heard on
  // `band` at `hour`, found by walking every sequence of draws that the
  // selection asks for after the scripted `prefix`.
  double Chance(int section, const char* band, int hour, std::vector<int> prefix = {},
                int zone = 9) {
    return Walk(section, band, hour, zone, prefix);
  }

  double Walk(int section, const char* band, int hour, int zone, std::vector<int> draws) {
    testing::RecordingScreen screen;
    testing::ScriptedRandom random;
    for (int d : draws) random.script.push_back(d);
    Game g(screen, random);
    g.StationMax = 1;
    g.StationIndex = 1;
    g.StationSection[1] = section;
    g.Band = band;
    g.Hour = hour;
    g.TenMetreZone = zone;
    SelectStation(g, false);
    if (random.ranges.size() <= draws.size()) return g.StationHeard ? 1.0 : 0.0;
    // One more draw was asked for than scripted: try each of its values.
    const int n = random.ranges[draws.size()];
    double sum = 0;
    draws.push_back(0);
    for (int v = 0; v < n; ++v) {
      draws.back() = v;
      sum += Walk(section, band, hour, zone, draws);
    }
    return sum / n;
  }
};

TEST_F(PropagationTest, PickOverEveryPairOfDrawsFollowsTheProductRule) {
  std::map<int, int> count;
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      testing::RecordingScreen screen;
      testing::ScriptedRandom random{a, b};
      Game g(screen, random);
      g.StationMax = 10;
      g.Band = "40";
      SelectStation(g, true);
      EXPECT_EQ(random.ranges[0], 10);
      EXPECT_EQ(random.ranges[1], 10);
      ++count[g.StationIndex];
    }
  }
  EXPECT_EQ(count, (std::map<int, int>{{0, 19},
                                       {1, 4},
                                       {2, 12},
                                       {3, 4},
                                       {4, 12},
                                       {5, 9},
                                       {6, 12},
                                       {7, 4},
                                       {8, 12},
                                       {9, 4},
                                       {10, 8}}));
}

TEST_F(PropagationTest, EmptyPoolOrStrayIndexGivesStationZeroWithoutHanging) {
  testing::RecordingScreen screen;
  testing::ScriptedRandom random{0, 7};
  Game g(screen, random);
  g.StationMax = 0;
  g.StationSection[0] = 99;
  g.Band = "40";
  SelectStation(g, true);
  EXPECT_EQ(g.StationIndex, 0);
  EXPECT_FALSE(g.StationHeard);

  g.StationIndex = 666;  // the start value, before any selection
  SelectStation(g, false);
  EXPECT_EQ(g.StationIndex, 0);
  g.StationMax = -1;
  g.StationIndex = 5;
  SelectStation(g, true);
  EXPECT_EQ(g.StationIndex, 0);
  g.StationMax = 3;
  g.StationIndex = -4;
  SelectStation(g, false);
  EXPECT_EQ(g.StationIndex, 0);
}

TEST_F(PropagationTest, StationWithoutASectionIsNeverHeardAndDrawsNothing) {
  for (int section : {75, 80, 99, -1, 1 << 30}) {
    EXPECT_EQ(Chance(section, "40", 5), 0.0) << section;
  }
  EXPECT_EQ(Chance(14, "99", 5), 0.0);  // no band selected yet
}

TEST_F(PropagationTest, TenMetreZoneMovesOnMostSelectionsAndWrapsOnce) {
  testing::RecordingScreen screen;
  testing::ScriptedRandom random{2, 3};
  Game g(screen, random);
  g.StationMax = 1;
  g.StationIndex = 1;
  g.StationSection[1] = 14;
  g.Band = "10";
  SelectStation(g, false);
  EXPECT_EQ(g.TenMetreZone, 8);  // 9 + 1 + 3 = 13, less 5 once
  random.Add({1});
  SelectStation(g, false);
  EXPECT_EQ(g.TenMetreZone, 8);  // a draw below 2 leaves it
  random.Add({9, 0});
  SelectStation(g, false);
  EXPECT_EQ(g.TenMetreZone, 4);
  random.Add({9, 3});
  SelectStation(g, false);
  EXPECT_EQ(g.TenMetreZone, 3);  // 4 + 1 + 3 = 8, less 5
  g.Band = "20";
  SelectStation(g, false);
  EXPECT_EQ(g.TenMetreZone, 3);  // other bands leave the zone alone
}

TEST_F(PropagationTest, SectionsFallIntoTheirFifteenGroups) {
  std::map<int, int> size;
  for (int s = 0; s < 75; ++s) ++size[PropagationGroup(s)];
  EXPECT_EQ(size, (std::map<int, int>{{1, 2},
                                      {2, 8},
                                      {3, 5},
                                      {4, 3},
                                      {5, 8},
                                      {6, 1},
                                      {7, 7},
                                      {8, 1},
                                      {9, 9},
                                      {10, 2},
                                      {11, 8},
                                      {12, 3},
                                      {13, 4},
                                      {14, 4},
                                      {15, 10}}));
  EXPECT_EQ(PropagationGroup(24), 1);
  EXPECT_EQ(PropagationGroup(25), 6);
  EXPECT_EQ(PropagationGroup(51), 10);
  EXPECT_EQ(PropagationGroup(52), 11);
  EXPECT_EQ(PropagationGroup(67), 15);
  EXPECT_EQ(PropagationGroup(68), 3);
  EXPECT_EQ(PropagationGroup(69), 13);
  EXPECT_EQ(PropagationGroup(70), 14);
  EXPECT_EQ(PropagationGroup(71), 15);
  EXPECT_EQ(PropagationGroup(75), 0);
}

TEST_F(PropagationTest, FractionsAreDecidedByTheStatedDraws) {
  // 4 in 10: a draw above 5.
  EXPECT_EQ(Chance(0, "20", 8, {6}), 1.0);
  EXPECT_EQ(Chance(0, "20", 8, {5}), 0.0);
  // 1 in 10: a draw of 0.
  EXPECT_EQ(Chance(0, "15", 9, {0}), 1.0);
  EXPECT_EQ(Chance(0, "15", 9, {1}), 0.0);
  // 46 in 100: a 1-in-10 draw, then a 4-in-10 draw.
  EXPECT_EQ(Chance(43, "20", 12, {0}), 1.0);
  EXPECT_EQ(Chance(43, "20", 12, {1, 9}), 1.0);
  EXPECT_EQ(Chance(43, "20", 12, {1, 5}), 0.0);
  EXPECT_NEAR(Chance(43, "20", 12), 0.46, 1e-9);
  // 64 in 100: two 4-in-10 draws.
  EXPECT_EQ(Chance(53, "80", 20, {0, 6}), 1.0);
  EXPECT_EQ(Chance(53, "80", 20, {0, 0}), 0.0);
  EXPECT_NEAR(Chance(53, "80", 20), 0.64, 1e-9);
}

TEST_F(PropagationTest, FortyMetresAtFiveHearsGroupTwoAndFifteenHearsOnlyGroupOne) {
  for (int s = 0; s <= 7; ++s) EXPECT_EQ(Chance(s, "40", 5), 1.0) << s;
  for (int s = 0; s < 75; ++s) {
    EXPECT_EQ(Chance(s, "15", 5), PropagationGroup(s) == 1 ? 1.0 : 0.0) << s;
  }
}

struct Spot {
  int section;
  const char* band;
  int hour;
  double chance;
};

TEST_F(PropagationTest, EachGroupsHoursByBand) {
  const std::vector<Spot> spots = {
      {24, "10", 0, 1},   {14, "80", 23, 1},  // G1
      {0, "80", 11, 1},   {7, "80", 12, 0},   {3, "20", 7, 0},     {3, "20", 20, .4},
      {3, "15", 8, 0},    {3, "15", 11, .1},  {3, "10", 20, 1},    {3, "10", 21, .4},   // G2
      {68, "80", 11, 1},  {9, "10", 19, 0},   {9, "10", 23, 1},    {11, "15", 23, .1},  // G3
      {12, "40", 7, .4},  {13, "40", 8, 1},   {15, "40", 12, 0},   {15, "40", 20, 1},
      {13, "20", 12, 0},  // G4
      {16, "80", 15, 1},  {16, "80", 16, 0},  {23, "80", 23, .4},  {20, "20", 7, .4},
      {20, "20", 8, 1},  // G5
      {25, "80", 7, 1},   {25, "80", 8, 0},   {25, "40", 3, .4},   {25, "40", 4, 1},
      {25, "10", 20, .4}, {25, "10", 21, 1},  // G6
      {26, "80", 20, .4}, {32, "40", 11, .4}, {30, "15", 12, 1},   {30, "10", 23, .4},
      {30, "10", 3, 0},  // G7
      {33, "20", 15, 0},  {33, "20", 16, 1},  {33, "15", 16, .4},  {33, "10", 16, .4},
      {33, "10", 20, 0},  // G8
      {34, "80", 4, .4},  {42, "40", 21, .1}, {40, "20", 5, 1},    {40, "20", 9, 0},
      {36, "10", 20, .4},  // G9
      {43, "80", 4, .4},  {51, "40", 4, 1},   {51, "20", 8, .1},   {51, "20", 22, .46},
      {43, "15", 23, .1}, {43, "10", 19, 1},                                           // G10
      {44, "80", 3, .4},  {52, "40", 19, .4}, {52, "40", 20, 0},   {50, "10", 20, 0},  // G11
      {72, "80", 12, 1},  {73, "40", 8, .4},  {74, "40", 9, 1},    {74, "20", 12, 0},  // G12
      {69, "80", 12, 0},  {69, "80", 13, .4}, {55, "80", 23, .64}, {54, "20", 19, 1},
      {54, "15", 15, 0},                                                               // G13
      {70, "80", 20, 1},  {57, "80", 13, .4}, {58, "15", 15, 0},   {56, "10", 15, 0},  // G14
      {67, "80", 22, .1}, {71, "40", 22, .4}, {60, "20", 0, .4},   {66, "15", 15, 0},
      {59, "10", 2, .4},  // G15
  };
  for (const auto& spot : spots) {
    // On 10 m the first draw is the zone's; 0 leaves the zone at 9.
    const std::vector<int> prefix =
        std::string(spot.band) == "10" ? std::vector<int>{0} : std::vector<int>{};
    EXPECT_NEAR(Chance(spot.section, spot.band, spot.hour, prefix), spot.chance, 1e-9)
        << "section " << spot.section << " on " << spot.band << " at " << spot.hour;
  }
}

TEST_F(PropagationTest, TenAndFifteenMetreRulesThatDependOnTheZone) {
  // Zone draw 0 keeps the zone where the test puts it.
  EXPECT_EQ(Chance(16, "10", 5, {0}, 3), 1.0);
  EXPECT_EQ(Chance(16, "10", 5, {0}, 4), 0.0);
  EXPECT_NEAR(Chance(16, "10", 12, {0}, 4), 0.4, 1e-9);
  EXPECT_NEAR(Chance(16, "15", 12, {}, 3), 0.4, 1e-9);  // 15 m looks at the zone left behind
  EXPECT_EQ(Chance(16, "15", 12, {}, 9), 0.0);
  EXPECT_EQ(Chance(72, "10", 21, {0}, 2), 1.0);
  EXPECT_EQ(Chance(72, "10", 23, {0}, 2), 0.0);
  EXPECT_EQ(Chance(72, "10", 21, {0}, 1), 0.0);
  EXPECT_EQ(Chance(53, "10", 21, {0}, 1), 1.0);
  EXPECT_EQ(Chance(53, "10", 22, {0}, 1), 0.0);
  EXPECT_EQ(Chance(53, "10", 20, {0}, 2), 0.0);
  // The zone moves before the rule is looked up: from 1, draws 2 and 0 open zone 2.
  EXPECT_EQ(Chance(72, "10", 21, {2, 0}, 1), 1.0);
}

}  // namespace
}  // namespace tovk
