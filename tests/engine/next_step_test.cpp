// The next step of the contact: the step each state of the contact calls
// for, the buttons it presses, QSL followed by the log, and disabled buttons.
#include "engine/next_step.h"

#include <gtest/gtest.h>

#include "engine/actions.h"
#include "engine/contact_fixture.h"
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

TEST_F(NextStepTest, eachStateOfTheContactCallsForItsStep) {
  g.StationState = ssNone;
  EXPECT_EQ(ChooseNextStep(g), NextStep::CallCQ);
  g.StationState = ssCQSent;
  EXPECT_EQ(ChooseNextStep(g), NextStep::CallCQ);
  for (auto state : {ssHeardQRZ, ssHeardCQ, ssHeardSection, ssQSOInProgress, ssCalledSomeone}) {
    g.StationState = state;
    EXPECT_EQ(ChooseNextStep(g), NextStep::CallStation) << int(state);
  }

  // In contact: not sent, whatever was copied, sends the message.
  InContact(false);
  g.PartReceived[Part::Section] = false;
  EXPECT_EQ(ChooseNextStep(g), NextStep::SendMessage);

  // Sent: any missing part of number, precedence, callsign, check, section
  // asks for a repeat; the word "Check" is never waited for.
  for (int missing : {0, 1, 2, 4, 5}) {
    InContact(true);
    g.PartReceived.entries()[missing] = false;
    EXPECT_EQ(ChooseNextStep(g), NextStep::Repeat) << missing;
  }
  InContact(true);
  g.PartReceived[Part::CheckWord] = false;
  g.PartReceived[Part::Signoff] = false;
  EXPECT_EQ(ChooseNextStep(g), NextStep::QslAndLog);
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

}  // namespace
}  // namespace tovk
