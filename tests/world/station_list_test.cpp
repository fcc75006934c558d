// The station list shipped with the game: it loads whole, covers every
// section, and its callsigns fit their sections' call areas.
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

// The call-area digit a section's callsigns carry.
char AreaDigit(int section) {
  static const char kCanadian[] = "12345678";  // MAR QB ONT MAN SK AB BC NWT
  const int area = *AreaOfSection(section);
  if (area == 10) return kCanadian[section - kCallAreas[10].first];
  return static_cast<char>('0' + (area + 1) % 10);
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
    std::ifstream in(TOVK_STATION_LIST, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << TOVK_STATION_LIST;
    ASSERT_EQ(LoadStationPool(g, in), PoolLoad::Loaded);
  }

  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(StationListTest, HoldsAFullPoolOfDistinctStationsInEverySection) {
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
  std::ifstream in(TOVK_STATION_LIST);
  int stationLines = 0;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') ++stationLines;
  }
  EXPECT_EQ(stationLines, kPoolCapacity);
}

TEST_F(StationListTest, CallsignsCarryTheirSectionsCallAreaDigit) {
  for (int i = 0; i <= g.StationMax; ++i) {
    const std::string call = g.StationCall[i].str();
    const int section = g.StationSection[i];
    EXPECT_EQ(FirstDigit(call), AreaDigit(section))
        << call << " in " << g.SectionName[section].str();
    EXPECT_EQ(call.starts_with("VE"), section >= kCallAreas[10].first) << call;
    if (call.starts_with("KZ5")) {
      EXPECT_EQ(section, 33) << call;
    }
    if (call.starts_with("KH6")) {
      EXPECT_EQ(section, 43) << call;
    }
    if (call.starts_with("KL7")) {
      EXPECT_EQ(section, 51) << call;
    }
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(call.back()))) << call;
  }
}

}  // namespace
}  // namespace tovk
