// The contest clock: carries, operating time, activity and the end of the contest.
#include "world/clock.h"

#include <gtest/gtest.h>

namespace tovk {
namespace {

TEST(AdvanceClock, CarriesSecondsIntoMinutesAndCountsOperatingTime) {
  GameState s;
  AdvanceClock(s, 59, true);
  EXPECT_EQ(s.Second, 59);
  EXPECT_EQ(s.Minute, 0);
  EXPECT_EQ(s.OpMinutes, 0);
  AdvanceClock(s, 1, true);
  EXPECT_EQ(s.Hour, 21);
  EXPECT_EQ(s.Minute, 1);
  EXPECT_EQ(s.Second, 0);
  EXPECT_EQ(s.ElapsedMinutes, 1);
  EXPECT_EQ(s.OpMinutes, 1);
}

TEST(AdvanceClock, UncountedTimeCarriesIntoTheNextDayWithoutOperatingTime) {
  GameState s;
  s.Hour = 23;
  s.Minute = 59;
  s.Second = 30;
  s.OpHours = 3;
  s.OpMinutes = 59;
  AdvanceClock(s, 45, false);
  EXPECT_EQ(s.Day, 19);
  EXPECT_EQ(s.Hour, 0);
  EXPECT_EQ(s.Minute, 0);
  EXPECT_EQ(s.Second, 15);
  EXPECT_EQ(s.ElapsedMinutes, 1);
  EXPECT_EQ(s.OpHours, 3);
  EXPECT_EQ(s.OpMinutes, 59);
}

TEST(AdvanceClock, AnHourStepCarriesMinutesIntoHours) {
  GameState s;
  s.Minute = 30;
  s.OpMinutes = 30;
  AdvanceClock(s, 3600, true);
  EXPECT_EQ(s.Hour, 22);
  EXPECT_EQ(s.Minute, 30);
  EXPECT_EQ(s.ElapsedMinutes, 60);
  EXPECT_EQ(s.OpHours, 1);
  EXPECT_EQ(s.OpMinutes, 30);
}

TEST(AdvanceClock, ActivityFollowsTheOperatingHours) {
  GameState s;
  EXPECT_EQ(s.Activity, 6);
  AdvanceClock(s, 0, false);
  EXPECT_EQ(s.Activity, 2);  // any call sets the level
  s.OpHours = 12;
  s.OpMinutes = 59;
  AdvanceClock(s, 60, true);
  EXPECT_EQ(s.OpHours, 13);
  EXPECT_EQ(s.Activity, 8);
  s.OpHours = 20;
  s.OpMinutes = 59;
  AdvanceClock(s, 60, true);
  EXPECT_EQ(s.OpHours, 21);
  EXPECT_EQ(s.Activity, 2);
}

TEST(AdvanceClock, NegativeStepLeavesTheClockAlone) {
  GameState s;
  AdvanceClock(s, -30, true);
  EXPECT_EQ(s.Second, 0);
  EXPECT_EQ(s.Minute, 0);
}

TEST(ContestIsOver, EndsOnDayTwentyOneAtThreeOrAfterFortyHoursOfClock) {
  GameState s;
  s.Day = 20;
  s.Hour = 10;
  for (int i = 0; i < 40; ++i) AdvanceClock(s, 3600, false);
  EXPECT_EQ(s.Day, 22);
  EXPECT_EQ(s.Hour, 2);
  EXPECT_TRUE(ContestIsOver(s));

  GameState t;
  t.Day = 21;
  t.Hour = 2;
  t.Minute = 59;
  EXPECT_FALSE(ContestIsOver(t));
  t.Hour = 3;
  t.Minute = 0;
  EXPECT_TRUE(ContestIsOver(t));
  t.Day = 20;
  t.Hour = 23;
  EXPECT_FALSE(ContestIsOver(t));
}

TEST(ContestIsOver, TwentyFourHoursOfOperatingTimeEndTheContest) {
  GameState s;
  s.OpHours = 23;
  s.OpMinutes = 59;
  EXPECT_FALSE(ContestIsOver(s));
  AdvanceClock(s, 60, true);
  EXPECT_TRUE(ContestIsOver(s));
}

}  // namespace
}  // namespace tovk
