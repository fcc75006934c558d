// The next step of the contact: the step each state and refusal calls for,
// the buttons it presses, QSL followed by the log, disabled buttons, and a
// whole contest played by Enter alone.
#include "engine/next_step.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "engine/actions.h"
#include "engine/contact_fixture.h"
#include "support/robot.h"
#include "world/clock.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

class NextStepTest : public testing::ContactTest {
 protected:
  NextStepTest() {
    // Index 0 can never be heard, so a next caller after logging, drawn with
    // the default draws of 0, is silent.
    Pool({{"Q9ZZZ", kNoSection}, {"K1ABC", 0}, {"W6XYZ", 40}});
    InHand(1, "   7", "B", "69", "CT");
  }

  void InContact(bool sent) {
    g.StationState = ssCalledMe;
    for (int part : {0, 1, 2, 3, 4, 5, 7}) g.PartReceived.entries()[part] = true;
    g.ExchangeSent = sent;
  }
};

// Every state of the contact and every refusal a button can give: the step
// chosen is the one that makes progress, never the refused one again.
TEST_F(NextStepTest, eachStateCallsForAStepTheGameTakes) {
  enum Copied { Everything, NoCall, BlankCall, NoCheck, NoSection, BlankSection };
  struct Case {
    std::uint8_t state;
    bool sent;
    Copied copied;
    bool workedBefore;
    NextStep step;
  };
  const Case cases[] = {
      {ssNone, false, Everything, false, NextStep::CallCQ},
      {ssCQSent, false, Everything, false, NextStep::CallCQ},
      {ssHeardQRZ, false, Everything, false, NextStep::CallStation},
      {ssHeardCQ, false, Everything, false, NextStep::CallStation},
      {ssHeardSection, false, Everything, false, NextStep::CallStation},
      {ssQSOInProgress, false, Everything, false, NextStep::CallStation},
      {ssCalledSomeone, false, Everything, false, NextStep::CallStation},
      // "Callsign not heard": ask again until it is copied.
      {ssCalledMe, false, NoCall, false, NextStep::AskForRepeat},
      {ssCalledMe, false, BlankCall, false, NextStep::AskForRepeat},
      {ssCalledMe, true, NoCall, false, NextStep::AskForRepeat},
      // Not sent: the message goes whatever else is missing.
      {ssCalledMe, false, NoSection, false, NextStep::SendMessage},
      {ssCalledMe, false, Everything, false, NextStep::SendMessage},
      // The incomplete-data message: ask for what is missing.
      {ssCalledMe, true, NoCheck, false, NextStep::AskForRepeat},
      {ssCalledMe, true, BlankSection, false, NextStep::AskForRepeat},
      {ssCalledMe, true, Everything, false, NextStep::QslAndLog},
      // A duplicate is told so, whatever was sent.
      {ssCalledMe, false, Everything, true, NextStep::SendWorkedBefore},
      {ssCalledMe, true, Everything, true, NextStep::SendWorkedBefore},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << int(c.state) << " copied " << c.copied);
    InHand(1, "   7", "B", "69", "CT");
    InContact(c.sent);
    g.StationState = c.state;
    if (c.copied == NoCall) g.PartReceived[Part::Call] = false;
    if (c.copied == BlankCall) g.Hiscall = "";
    if (c.copied == NoCheck) g.PartReceived[Part::Check] = false;
    if (c.copied == NoSection) g.PartReceived[Part::Section] = false;
    if (c.copied == BlankSection) g.Hissection = "";
    g.StationWorked[1] = c.workedBefore ? StationLogState::Worked : StationLogState::NotWorked;
    EXPECT_EQ(ChooseNextStep(g), c.step);
  }
  // The buttons off mid-contest (a mishap without Assist): back on the air.
  g.StationState = ssNone;
  g.SetButtonEnabled(Button::CallCq, false);
  EXPECT_EQ(ChooseNextStep(g), NextStep::GoOnTheAir);
}

// A mishap clears the contact during its repeats: the next Repeat has nobody
// to ask, and Log QSO refuses a contact without callsign or section.
TEST_F(NextStepTest, aContactClearedByAMishapIsNeverLogged) {
  InContact(true);
  g.PartReceived[Part::Call] = false;
  g.PartReceived[Part::Section] = false;
  g.StationState = ssNone;  // what the mishap's clear leaves
  ClearContact(g);
  Script({0});  // AGN's delay
  AskForRepeat(g);
  EXPECT_EQ(LastOutgoing(), "AGN");
  EXPECT_EQ(LastIncoming(), "*** No response");
  EXPECT_FALSE(g.PartReceived[Part::Call]);

  // Even with every part marked received, blank call and section are missing.
  for (int part = 0; part < 8; ++part) g.PartReceived.entries()[part] = true;
  g.StationState = ssCalledMe;
  g.ExchangeSent = true;
  g.Hiscall = "";
  g.Hissection = "";
  LogQso(g);
  EXPECT_TRUE(Logbook().empty());
  ASSERT_FALSE(screen.messages.empty());
  EXPECT_EQ(screen.messages.back(), "Data incomplete, you still need the  Call,  Section");
}

TEST_F(NextStepTest, eachStepSendsWhatItsButtonSends) {
  g.StationState = ssNone;
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "Tovk de Q1AAA SS");

  InHand(1, "   7", "B", "69", "CT");
  g.StationState = ssHeardCQ;
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "K1ABC DE Q1AAA");

  InContact(false);
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "K1ABC UR 1 A Q1AAA Check 68 MDC");

  InContact(true);
  g.PartReceived[Part::Check] = false;
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "AGN");
}

TEST_F(NextStepTest, everythingReceivedSendsQslThenLogsInOnePress) {
  InContact(true);
  Script({9});  // the station answers the QSL with "73 CUL"
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "QSL");
  ASSERT_EQ(Logbook().size(), 1u);
  EXPECT_NE(Logbook()[0].find("K1ABC"), std::string::npos);
  EXPECT_EQ(g.Mynumber, 2);
  EXPECT_FALSE(g.ExchangeSent);
  EXPECT_EQ(g.ErrorCount, 0);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(NextStepTest, theLogIsLeftOutWhenTheQslEndsTheContest) {
  InContact(true);
  g.Day = 21;  // past 03:00 on the last day: the QSL's refresh ends the contest
  g.Hour = 3;
  EXPECT_TRUE(RunNextStep(g));
  EXPECT_EQ(LastOutgoing(), "QSL");
  EXPECT_EQ(screen.messages, std::vector<std::string>{"Contest is over"});
  EXPECT_TRUE(Logbook().empty());
  EXPECT_EQ(g.ErrorCount, 0);
  EXPECT_EQ(g.Mynumber, 1);
}

TEST_F(NextStepTest, aDisabledButtonMakesTheStepDoNothing) {
  struct Case {
    std::uint8_t state;
    bool sent;
    Button button;
  };
  const Case cases[] = {
      {ssNone, false, Button::CallCq},
      {ssHeardQRZ, false, Button::CallStation},
      {ssCalledMe, false, Button::SendMessage},
      {ssCalledMe, true, Button::SendQsl},
  };
  g.SetButtonEnabled(Button::Qrv, false);  // else Call CQ off means "QRV"
  for (const auto& c : cases) {
    InContact(c.sent);
    g.StationState = c.state;
    g.SetButtonEnabled(c.button, false);
    EXPECT_FALSE(RunNextStep(g)) << int(c.state);
    g.SetButtonEnabled(c.button, true);
  }
  // Repeat, with a part missing after the exchange was sent.
  InContact(true);
  g.PartReceived[Part::Number] = false;
  g.SetButtonEnabled(Button::Repeat, false);
  EXPECT_FALSE(RunNextStep(g));

  EXPECT_TRUE(Outgoing().empty());
  EXPECT_TRUE(random.ranges.empty());
  EXPECT_TRUE(Logbook().empty());
}

// Enter alone, from a new game with the shipped station list, plays whole
// contests: every press is a step the game takes, contacts are made and
// hardly any is a lid's.
TEST(NextStepContestTest, enterAlonePlaysWholeContests) {
  const std::filesystem::path stations = TOVK_SHIPPED_STATION_LIST;
  for (std::uint64_t seed : {7u, 11u, 1977u}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    testing::RobotScreen screen;
    SeededRandom random(seed);
    Game g(screen, random);
    g.folder = stations.parent_path();
    Perform(g, [&] { StartNewGame(g); });
    long presses = 0;
    while (!ContestIsOver(g)) {
      bool taken = false;
      Perform(g, [&] { taken = RunNextStep(g); });
      ASSERT_TRUE(taken) << "step " << int(ChooseNextStep(g)) << " refused after " << presses;
      ASSERT_LT(++presses, 400000) << "contest never ends";
    }
    const int contacts = g.Mynumber - 1;
    std::printf("[ figures  ] seed %llu: %ld presses, %d contacts, %d lids\n",
                static_cast<unsigned long long>(seed), presses, contacts, g.ErrorCount);
    EXPECT_GE(contacts, 500);
    EXPECT_LT(g.ErrorCount * 100, contacts);
  }
}

}  // namespace
}  // namespace tovk
