// The exchange a station sends: precedence, check, serial number and section,
// and the blank-padding of numbers.
#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

class ExchangeTest : public ::testing::Test {
 protected:
  void Station(const char* call, int section) {
    g.StationIndex = 3;
    g.StationCall[3] = call;
    g.StationSection[3] = section;
  }

  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(ExchangeTest, PrecedenceAndCheckFollowFromTheCallsign) {
  EXPECT_EQ(PrecedenceOfCallsign("K1ABC"), "B");
  EXPECT_EQ(CheckOfCallsign("K1ABC"), "69");
  EXPECT_EQ(PrecedenceOfCallsign("N2EQ"), "A");
  EXPECT_EQ(CheckOfCallsign("N2EQ"), "71");
  EXPECT_EQ(PrecedenceOfCallsign("W6XYZ"), "B");
  EXPECT_EQ(CheckOfCallsign("W6XYZ"), "52");
  EXPECT_EQ(PrecedenceOfCallsign("W1AP"), "A");  // P, the eleventh letter
  EXPECT_EQ(PrecedenceOfCallsign("W1AS"), "B");  // S, the twelfth
  EXPECT_EQ(CheckOfCallsign("W3/Q3CCC"), "68");
}

TEST_F(ExchangeTest, ShortOrOddCallsignsStillGiveAnExchange) {
  EXPECT_EQ(PrecedenceOfCallsign(""), "A");
  EXPECT_EQ(PrecedenceOfCallsign("W1A/7"), "A");
  EXPECT_EQ(CheckOfCallsign(""), "47");
  EXPECT_EQ(CheckOfCallsign("A"), "65");
  EXPECT_EQ(CheckOfCallsign("\x01\x01\x01"), "47");  // a sum below 17
}

TEST_F(ExchangeTest, MakesTheWholeExchangeOfTheChosenStation) {
  Station("K1ABC", 35);
  g.ElapsedMinutes = 120;
  g.Mynumber = 10;
  random.Add({59});
  MakeExchange(g);
  EXPECT_EQ(random.ranges, std::vector<int>{60});  // numbers 1..60
  EXPECT_EQ(g.Hiscall, "K1ABC");
  EXPECT_EQ(g.Hisprec, "B");
  EXPECT_EQ(g.Hisnumber, "  60");
  EXPECT_EQ(g.Hissection, "LA");
  EXPECT_EQ(g.Hischeck, "69");
}

TEST_F(ExchangeTest, SerialNumberFollowsThePlayerOnceTheMinutesAreCaughtUp) {
  Station("W6XYZ", 40);
  g.ElapsedMinutes = 10;
  g.Mynumber = 40;
  random.Add({6});
  MakeExchange(g);
  EXPECT_EQ(random.ranges, std::vector<int>{60});
  EXPECT_EQ(g.Hisnumber, "   7");
}

TEST_F(ExchangeTest, LowPowerStationsSendSmallerNumbersByThePowerFactor) {
  Station("N2EQ", 7);
  g.ElapsedMinutes = 120;
  g.Mynumber = 10;
  g.PowerFactor = 40;
  random.Add({59});
  MakeExchange(g);
  EXPECT_EQ(g.Hisnumber, "  16");
  g.PowerFactor = 10;
  random.Add({59});
  MakeExchange(g);
  EXPECT_EQ(g.Hisnumber, "  61");
  g.PowerFactor = 5;  // never a division by zero
  random.Add({59});
  MakeExchange(g);
  EXPECT_EQ(g.Hisnumber, "  61");
}

TEST_F(ExchangeTest, FirstMinutesOfTheContestGiveNumberOne) {
  Station("W6XYZ", 40);
  g.ElapsedMinutes = 1;
  g.Mynumber = 0;
  MakeExchange(g);
  EXPECT_EQ(g.Hisnumber, "   1");
  g.ElapsedMinutes = 0;
  MakeExchange(g);
  EXPECT_EQ(g.Hisnumber, "   1");
}

TEST_F(ExchangeTest, StationWithoutASectionSendsNoSectionName) {
  Station("W6XYZ", 99);
  MakeExchange(g);
  EXPECT_EQ(g.Hissection, "");
  Station("W6XYZ", -3);
  MakeExchange(g);
  EXPECT_EQ(g.Hissection, "");
  g.StationIndex = 70000;  // no such station: nothing changes
  MakeExchange(g);
  EXPECT_EQ(g.Hiscall, "W6XYZ");
}

TEST(PadLeft, TrimsThenFillsToTheWidth) {
  EXPECT_EQ(PadLeft("7", 4, ' '), "   7");
  EXPECT_EQ(PadLeft(" 12\t\r", 4, ' '), "  12");
  EXPECT_EQ(PadLeft("1234", 4, ' '), "1234");
  EXPECT_EQ(PadLeft("12345", 4, ' '), "12345");
  EXPECT_EQ(PadLeft("", 3, '0'), "000");
  EXPECT_EQ(PadLeft("5", 0, ' '), "5");
  EXPECT_EQ(PadLeft("5", -2, ' '), "5");
}

}  // namespace
}  // namespace tovk
