// The station list shipped with the game, real callsigns: it says how it was
// made, loads whole, covers every section, and its callsigns fit their
// sections' call areas.
#include <cctype>
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "world/sections.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

constexpr int kWestIndies = 25;
constexpr int kCanalZone = 33;
constexpr int kPacific = 43;
constexpr int kAlaska = 51;

// The call-area digit a US section's callsigns carry.
char AreaDigit(int section) {
  return static_cast<char>('0' + (*AreaOfSection(section) + 1) % 10);
}

char FirstDigit(const std::string& call) {
  for (char c : call) {
    if (std::isdigit(static_cast<unsigned char>(c))) return c;
  }
  return '?';
}

class StationListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(TOVK_SHIPPED_STATION_LIST, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << TOVK_SHIPPED_STATION_LIST;
    ASSERT_EQ(LoadStationPool(g, in), PoolLoad::Loaded);
  }

  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(StationListTest, HoldsAFullPoolOfDistinctStationsInEverySection) {
  std::ifstream head(TOVK_SHIPPED_STATION_LIST);
  std::string first;
  std::getline(head, first);
  EXPECT_TRUE(first.starts_with("# Built by: tools/scp_to_station_list.py ")) << first;
  EXPECT_NE(first.find("from Debian package hamradio-files "), std::string::npos) << first;

  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(g.StationMax, kPoolCapacity - 1);
  std::set<std::string> calls;
  std::set<int> sections;
  for (int i = 0; i <= g.StationMax; ++i) {
    EXPECT_TRUE(calls.insert(g.StationCall[i].str()).second) << "twice: " << g.StationCall[i].str();
    EXPECT_NE(g.StationCall[i], "W3/Q3CCC");  // the default own callsign is not listed
    sections.insert(g.StationSection[i]);
  }
  EXPECT_EQ(sections.size(), 75u);
  EXPECT_EQ(*sections.begin(), 0);
  EXPECT_EQ(*sections.rbegin(), 74);

  // No station lines beyond what the pool holds.
  std::ifstream in(TOVK_SHIPPED_STATION_LIST);
  int stationLines = 0;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') ++stationLines;
  }
  EXPECT_EQ(stationLines, kPoolCapacity);
}

// Canadian calls are in the VE sections; a US call carries its area's digit,
// except where its prefix names its own section (Pacific, Alaska, the West
// Indies, the Canal Zone), as the game's own prefix rule expects.
TEST_F(StationListTest, CallsignsFitTheirSections) {
  const struct {
    const char* prefix;
    int section;
  } kNamedBy[] = {{"KZ5", kCanalZone}, {"KH6", kPacific}, {"KL7", kAlaska}, {"KP4", kWestIndies}};
  for (int i = 0; i <= g.StationMax; ++i) {
    const std::string call = g.StationCall[i].str();
    const int section = g.StationSection[i];
    SCOPED_TRACE(call + " in " + g.SectionName[section].str());
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(call.back())));
    EXPECT_EQ(call.front() == 'V', section >= kCallAreas[10].first);
    for (const auto& named : kNamedBy) {
      if (call.starts_with(named.prefix)) {
        EXPECT_EQ(section, named.section);
      }
    }
    const bool ownSection = section == kWestIndies || section == kCanalZone ||
                            section == kPacific || section == kAlaska;
    if (call.front() != 'V' && !ownSection) {
      EXPECT_EQ(FirstDigit(call), AreaDigit(section));
    }
  }
}

}  // namespace
}  // namespace tovk
