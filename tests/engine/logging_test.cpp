// Logging a contact after its three tests, the log line's columns, the
// section count, the next caller, "Check log", stations without a section,
// and whole contacts from a CQ and from tuning.
#include <gtest/gtest.h>

#include "engine/actions.h"
#include "engine/contact_fixture.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

class LoggingTest : public testing::ContactTest {
 protected:
  LoggingTest() {
    // Index 0 can never be heard, so a next caller drawn with the default
    // draws of 0 is always silent (an empty line).
    Pool({{"Q9ZZZ", kNoSection}, {"K1ABC", 0}, {"W6XYZ", 40}, {"N2EQ", 0}});
    InHand(1, "   7", "B", "69", "CT");
    RefreshDisplay(g);
  }

  void CopyEverything() {
    for (int part : {0, 1, 2, 3, 4, 5}) g.PartReceived.entries()[part] = true;
    g.ExchangeSent = true;
  }
};

TEST_F(LoggingTest, refusesUntilTheExchangeIsSent) {
  CopyEverything();
  g.ExchangeSent = false;
  LogQso(g);
  EXPECT_EQ(LastIncoming(), "RPT?");
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Send the Contest Exchange first!"});
  EXPECT_EQ(g.ErrorCount, 1);
  EXPECT_TRUE(Logbook().empty());
  EXPECT_EQ(g.Mynumber, 1);
}

TEST_F(LoggingTest, refusesAStationWorkedOnAnyBand) {
  CopyEverything();
  g.StationWorked[1] = StationLogState::Worked;
  g.StationBand[1] = "80";
  g.StationState = ssCalledMe;
  LogQso(g);
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Duplicate! K1ABC was worked on 80"});
  EXPECT_EQ(g.DupeCount, 1);
  EXPECT_EQ(g.ErrorCount, 0);
  EXPECT_TRUE(g.ExchangeSent);
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_TRUE(Logbook().empty());
}

TEST_F(LoggingTest, incompleteDataNamesEveryMissingPart) {
  struct Case {
    std::vector<int> missing;
    std::string text;
  };
  const Case cases[] = {
      {{0, 4}, "Data incomplete, you still need the  Number, Check "},
      {{5}, "Data incomplete, you still need the  Section"},
      {{1}, "Data incomplete, you still need the  Precedence "},
      {{2, 5}, "Data incomplete, you still need the  Call,  Section"},
      {{0, 1, 2, 4, 5},
       "Data incomplete, you still need the  Number, Precedence,  Call,  Check,  Section"},
  };
  int errors = 0;
  for (const auto& c : cases) {
    CopyEverything();
    g.PartReceived[Part::CheckWord] = false;  // the word "Check" is never asked for
    for (int part : c.missing) g.PartReceived.entries()[part] = false;
    LogQso(g);
    EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{c.text});
    EXPECT_EQ(g.ErrorCount, ++errors);
  }
  EXPECT_TRUE(Logbook().empty());
}

TEST_F(LoggingTest, loggedContactScoresAndMarksTheStationWorked) {
  CopyEverything();
  g.StationState = ssCalledMe;
  SetFieldText(g, Field::Call, "K1ABC");
  Script({9});  // no next caller
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_EQ(Logbook()[0], "1977/11/18|21:00|K1ABC     | 20|    7| B | 69| CT  |    1");
  EXPECT_EQ(g.Mynumber, 2);
  EXPECT_EQ(g.qsoNumberText, "2");
  EXPECT_EQ(g.SectionsWorked, 1);
  EXPECT_EQ(g.SectionStatus[0], SectionState::Worked);
  EXPECT_EQ(g.StationWorked[1], StationLogState::Worked);
  EXPECT_EQ(g.StationBand[1], "20");
  EXPECT_FALSE(g.ExchangeSent);
  EXPECT_EQ(g.StationState, ssNone);  // AutoClear
  EXPECT_EQ(FieldText(Field::Call), "");
  EXPECT_EQ(g.StatusText(StatusPanel::Score), "2");
  EXPECT_TRUE(screen.messages.empty());

  // Another station of the same section: a contact, not a new section.
  InHand(3, "  12", "A", "71", "CT");
  CopyEverything();
  Script({9});
  LogQso(g);
  EXPECT_EQ(g.SectionsWorked, 1);
  EXPECT_EQ(g.StatusText(StatusPanel::Score), "4");
}

// The recovery copy is rewritten when the checkpoint count moves: a refused
// log must not move it, a logged contact moves it once.
TEST_F(LoggingTest, onlyALoggedContactMovesTheRecoveryCheckpoint) {
  const int before = g.checkpoints;
  LogQso(g);  // exchange not sent
  CopyEverything();
  g.PartReceived[Part::Check] = false;
  LogQso(g);  // data incomplete
  EXPECT_EQ(g.checkpoints, before);

  CopyEverything();
  g.StationState = ssCalledMe;
  Script({9});  // no next caller
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_EQ(g.checkpoints, before + 1);
}

TEST_F(LoggingTest, logLinesKeepTheirColumnsWhateverTheyHold) {
  g.AutoClear = false;
  const std::pair<const char*, const char*> stations[] = {
      {"W3/Q3CCC", "NWT"}, {"K1A", "CT"}, {"KH6ABCDEFG", "NYLI"}, {"N2EQ", "E"}};
  for (auto [call, section] : stations) {
    g.StationIndex = 2;
    g.StationWorked[2] = StationLogState::NotWorked;
    g.Hiscall = call;
    g.Hissection = section;
    g.Hisnumber = PadLeft(std::to_string(g.Mynumber * 37), 4, ' ');
    CopyEverything();
    Script({9});
    LogQso(g);
  }
  g.Mynumber = 1234;
  g.StationWorked[2] = StationLogState::NotWorked;
  CopyEverything();
  Script({9});
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 5u);
  auto bars = [](const std::string& line) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '|') at.push_back(i);
    }
    return at;
  };
  for (const std::string& line : Logbook()) {
    EXPECT_EQ(bars(line), bars(Logbook()[0])) << line;
    EXPECT_EQ(line.size(), Logbook()[0].size()) << line;
  }
}

TEST_F(LoggingTest, nextCallerFollowsActivityOnlyWhileTheContactIsInHand) {
  struct Case {
    bool autoClear;
    int activity;
    std::initializer_list<int> draws;
    bool calls;
  };
  const Case cases[] = {
      {true, 9, {2}, false},      // cleared: Activity plays no part
      {true, 0, {1}, true},       // the 2 in 10 of any contact
      {false, 8, {7}, true},      // still "Called me": Activity in 10
      {false, 8, {8, 2}, false},  // neither
      {false, 8, {8, 1}, true},   // then 2 in 10 of the rest
  };
  for (const auto& c : cases) {
    g.AutoClear = c.autoClear;
    g.Activity = c.activity;
    g.StationState = ssCalledMe;
    g.StationWorked[1] = StationLogState::NotWorked;
    g.StationIndex = 1;
    CopyEverything();
    g.ClearMemo(MemoId::Incoming);
    random.script.clear();
    random.Add(c.draws);
    LogQso(g);
    // A next caller is looked for; index 0 cannot be heard: an empty line.
    EXPECT_EQ(Incoming(), c.calls ? std::vector<std::string>{""} : std::vector<std::string>{})
        << c.autoClear << " " << c.activity;
  }
}

TEST_F(LoggingTest, checkLogAnswersForTheCallsignFirstThenTheSection) {
  int before = ClockSeconds();
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"Check What?"});
  EXPECT_EQ(ClockSeconds() - before, 2);

  g.PartReceived[Part::Call] = true;
  before = ClockSeconds();
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"K1ABC Not yet worked"});
  EXPECT_EQ(ClockSeconds() - before, 5);

  // Both copied and not worked: only the section is reported.
  g.PartReceived[Part::Section] = true;
  g.SectionStatus[0] = SectionState::Heard;
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"CT is Needed"});
  g.SectionStatus[0] = SectionState::Worked;
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"CT has been Worked"});

  g.StationWorked[1] = StationLogState::Worked;
  g.StationBand[1] = "15";
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"K1ABC Worked on 15"});

  g.PartReceived[Part::Call] = false;
  g.SectionStatus[0] = SectionState::Needed;
  CheckLog(g);
  EXPECT_EQ(screen.TakeMessages(), std::vector<std::string>{"CT is Needed"});
}

TEST_F(LoggingTest, stationWithoutASectionIsLoggedWithoutCreditingOne) {
  // Before any station was drawn: the start index 666 has no section.
  g.StationIndex = 666;
  g.AutoClear = false;
  TypeField(g, Field::Number, "12");
  TypeField(g, Field::Precedence, "a");
  TypeField(g, Field::Call, "k1abc");
  TypeField(g, Field::Check, "69");
  TypeField(g, Field::Section, "ct");
  g.ExchangeSent = true;
  CheckLog(g);
  EXPECT_TRUE(screen.TakeMessages().empty());
  Script({9});
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_NE(Logbook()[0].find("|K1ABC     | 20|"), std::string::npos);
  EXPECT_EQ(g.SectionsWorked, 0);
  for (int s = 0; s < kSectionSlots; ++s) EXPECT_EQ(g.SectionStatus[s], SectionState::Needed) << s;
  EXPECT_EQ(g.Mynumber, 2);

  // Only the section copied: "Check log" has nothing to say about it.
  g.PartReceived[Part::Call] = false;
  CheckLog(g);
  EXPECT_TRUE(screen.TakeMessages().empty());

  // Indices outside the pool: logged, nothing marked, nothing read.
  for (int index : {-1, kPoolSize, 100000}) {
    g.StationIndex = index;
    CopyEverything();
    Script({9});
    LogQso(g);
    CheckLog(g);
    EXPECT_TRUE(screen.TakeMessages().empty()) << index;
  }
  EXPECT_EQ(Logbook().size(), 4u);
  EXPECT_EQ(g.SectionsWorked, 0);
}

TEST_F(LoggingTest, wholeContactFromACQToTheLog) {
  Pool({{"K1ABC", 14}});
  // Not busy, not silent, the pool's only station, serial 1, not worked,
  // the whole exchange, no "QSL?".
  Script({1, 1, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 9});
  CallCq(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 1 B K1ABC Check 69 MDC");
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_EQ(g.callButtonCaption, "Call Stn");

  // The station does not ask for a repeat and confirms.
  Script({0, 0, 0, 0, 9});
  SendExchange(g, Button::SendMessage);
  EXPECT_EQ(LastOutgoing(), "K1ABC UR 1 A Q1AAA Check 68 MDC");
  EXPECT_TRUE(g.IsEnabled(Button::LogQso));
  Script({5});
  SendQsl(g);
  EXPECT_EQ(LastIncoming(), "73 CUL");
  Script({9});
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_EQ(Logbook()[0], "1977/11/18|21:00|K1ABC     | 20|    1| B | 69| MDC |    1");
  EXPECT_EQ(g.SectionsWorked, 1);
  EXPECT_EQ(g.StatusText(StatusPanel::Qsos), "1");
  EXPECT_EQ(g.StatusText(StatusPanel::Score), "2");
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(LoggingTest, wholeContactFoundByTuning) {
  Pool({{"K1ABC", 14}, {"W6XYZ", 24}, {"N2EQ", 14}});
  // No phone patch, no broadcast, 4 s, index 1 x 1, serial 1, calling CQ
  // twice.
  Script({1, 0, 0, 1, 1, 0, 4, 0});
  TuneBand(g);
  EXPECT_EQ(g.StationState, ssHeardCQ);
  EXPECT_EQ(Incoming(), (std::vector<std::string>{"CQ CQ CQ DE W6XYZ", "CQ CQ CQ DE W6XYZ"}));
  // Heard at the first call, and answers the player.
  Script({0, 0, 7, 0, 0, 5, 5, 5, 5, 5, 9});
  CallStation(g);
  EXPECT_EQ(LastOutgoing(), "W6XYZ DE Q1AAA");
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 1 B W6XYZ Check 52 VA");
  Script({0, 0, 0, 0, 9});
  SendExchange(g, Button::SendNumber);
  Script({9});
  LogQso(g);
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_EQ(Logbook()[0], "1977/11/18|21:00|W6XYZ     | 20|    1| B | 52| VA  |    1");
  EXPECT_EQ(g.SectionStatus[24], SectionState::Worked);
  EXPECT_TRUE(AllScriptUsed());
}

}  // namespace
}  // namespace tovk
