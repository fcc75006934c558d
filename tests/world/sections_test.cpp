// The section table, call areas, area completion and the prefix auto-fill.
#include "world/sections.h"

#include <gtest/gtest.h>

namespace tovk {
namespace {

TEST(SectionTable, HoldsTheSeventyFiveNamesInIndexOrder) {
  GameState s;
  EXPECT_EQ(s.SectionName[0], "CT");
  EXPECT_EQ(s.SectionName[14], "MDC");
  EXPECT_EQ(s.SectionName[25], "WI");
  EXPECT_EQ(s.SectionName[27], "LA");
  EXPECT_EQ(s.SectionName[33], "CZ");
  EXPECT_EQ(s.SectionName[35], "LA");
  EXPECT_EQ(s.SectionName[39], "SD");
  EXPECT_EQ(s.SectionName[43], "PCF");
  EXPECT_EQ(s.SectionName[58], "WSC");
  EXPECT_EQ(s.SectionName[64], "NB");
  EXPECT_EQ(s.SectionName[66], "SD");
  EXPECT_EQ(s.SectionName[74], "NWT");
}

TEST(SectionTable, AreasAreContiguousAndCoverEverySectionOnce) {
  int next = 0;
  for (const auto& area : kCallAreas) {
    EXPECT_EQ(area.first, next) << area.caption;
    next = area.last + 1;
  }
  EXPECT_EQ(next, kSectionCount);
  EXPECT_STREQ(kCallAreas[9].caption, "W0");
  EXPECT_STREQ(kCallAreas[10].caption, "VE");
}

TEST(AreaOfSection, FollowsTheIndexRangesAndNamesNoAreaOutsideThem) {
  EXPECT_EQ(AreaOfSection(0), 0);
  EXPECT_EQ(AreaOfSection(6), 0);
  EXPECT_EQ(AreaOfSection(7), 1);
  EXPECT_EQ(AreaOfSection(25), 3);
  EXPECT_EQ(AreaOfSection(33), 4);
  EXPECT_EQ(AreaOfSection(43), 5);
  EXPECT_EQ(AreaOfSection(51), 6);
  EXPECT_EQ(AreaOfSection(66), 9);
  EXPECT_EQ(AreaOfSection(74), 10);
  EXPECT_EQ(AreaOfSection(75), std::nullopt);
  EXPECT_EQ(AreaOfSection(80), std::nullopt);
  EXPECT_EQ(AreaOfSection(99), std::nullopt);
  EXPECT_EQ(AreaOfSection(-1), std::nullopt);
}

TEST(UpdateAreaCompletion, OnlyAnAreaWithEverySectionWorkedIsComplete) {
  GameState s;
  s.SectionStatus[53] = s.SectionStatus[54] = s.SectionStatus[55] = SectionState::Worked;  // W8
  for (int i = 56; i <= 58; ++i) s.SectionStatus[i] = SectionState::Heard;  // W9 heard only
  s.SectionStatus[59] = SectionState::Worked;                               // one of W0
  UpdateAreaCompletion(s);
  for (int area = 0; area < kAreaCount; ++area) EXPECT_EQ(s.AreaComplete[area], area == 7) << area;

  s.SectionStatus[55] = SectionState::Heard;
  UpdateAreaCompletion(s);
  EXPECT_FALSE(s.AreaComplete[7]);
}

TEST(UpdateAreaCompletion, SectionsWithTheSameNameAreTrackedByIndex) {
  GameState s;
  for (int i = 26; i <= 33; ++i)
    s.SectionStatus[i] = SectionState::Worked;  // all of W5, with "LA" at 27
  UpdateAreaCompletion(s);
  EXPECT_TRUE(s.AreaComplete[4]);
  EXPECT_FALSE(s.AreaComplete[5]);  // "LA" at 35 still needed
  EXPECT_EQ(s.SectionStatus[35], SectionState::Needed);
}

TEST(AutoFillSectionFromPrefix, FillsTheSectionSlotForPrefixesThatImplyIt) {
  for (const char* call : {"VE3ABC", "KH6XX", "KP4AA", "KZ5ZZ"}) {
    GameState s;
    s.Hiscall = call;
    s.Hissection = "PCF";
    AutoFillSectionFromPrefix(s);
    EXPECT_TRUE(s.PartReceived[Part::Section]) << call;
    EXPECT_EQ(s.PartText[Part::Section], "PCF") << call;
  }
}

TEST(AutoFillSectionFromPrefix, LeavesOtherCallsAndDetectionOffAlone) {
  for (const char* call : {"VK2AA", "KH7AA", "V", "KH", "ve3abc", "W1AW"}) {
    GameState s;
    s.Hiscall = call;
    s.Hissection = "ONT";
    AutoFillSectionFromPrefix(s);
    EXPECT_FALSE(s.PartReceived[Part::Section]) << call;
    EXPECT_TRUE(s.PartText[Part::Section].empty()) << call;
  }
  GameState off;
  off.AutoDetect = false;
  off.Hiscall = "VE3ABC";
  off.Hissection = "ONT";
  AutoFillSectionFromPrefix(off);
  EXPECT_FALSE(off.PartReceived[Part::Section]);
}

}  // namespace
}  // namespace tovk
