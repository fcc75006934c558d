// The player's transmissions: the exchange or one part of it, the station's
// repeat requests, QSL, AGN and B4.
#include <gtest/gtest.h>

#include "engine/actions.h"
#include "engine/contact_fixture.h"

namespace tovk {
namespace {

class SendingTest : public testing::ContactTest {
 protected:
  SendingTest() {
    Pool({{"K1ABC", 0}, {"W6XYZ", 40}, {"N2EQ", 8}});
    InHand(0, "   7", "B", "69", "CT");
    g.Mynumber = 5;
  }
};

TEST_F(SendingTest, sendingWithoutACallsignIsRefusedAndCountsAnError) {
  g.PartReceived[Part::Section] = true;  // only the section was heard
  g.CallAttempts = 2;
  int before = ClockSeconds();
  for (Button sender : {Button::SendMessage, Button::SendNumber}) {
    SendExchange(g, sender);
  }
  EXPECT_EQ(screen.messages,
            (std::vector<std::string>{"Callsign not heard", "Callsign not heard"}));
  EXPECT_EQ(g.ErrorCount, 2);
  EXPECT_EQ(g.CallAttempts, 0);
  EXPECT_TRUE(Outgoing().empty());
  EXPECT_FALSE(g.ExchangeSent);
  EXPECT_EQ(ClockSeconds(), before);
}

TEST_F(SendingTest, wholeExchangeAndEachPartCountAsSent) {
  g.PartReceived[Part::Call] = true;
  g.StationState = ssHeardQRZ;
  g.SetAutoCqTimer(true);
  struct Case {
    Button sender;
    std::string line;
  };
  const Case cases[] = {
      {Button::SendMessage, "K1ABC UR 5 A Q1AAA Check 68 MDC"},
      {Button::SendNumber, "5"},
      {Button::SendPrecedence, "A"},
      {Button::SendCheck, "68"},
      {Button::SendSection, "MDC"},
  };
  for (const auto& c : cases) {
    g.ExchangeSent = false;
    g.StationState = ssHeardQRZ;
    g.PartReceived[Part::Call] = true;
    int before = ClockSeconds();
    // Longest clock step; then the station works somebody else (index 2).
    random.script.clear();
    Script({c.sender == Button::SendMessage ? 4 : 2, 0, 1});
    SendExchange(g, c.sender);
    EXPECT_EQ(LastOutgoing(), c.line);
    EXPECT_TRUE(g.ExchangeSent);
    EXPECT_EQ(ClockSeconds() - before, c.sender == Button::SendMessage ? 5 : 3);
    EXPECT_EQ(g.StationState, ssQSOInProgress);
    EXPECT_EQ(LastIncoming(), "N2EQ DE K1ABC");
  }
  EXPECT_TRUE(g.autoCqTimer);  // sending leaves Auto CQ alone
}

TEST_F(SendingTest, stationThatCalledMeAsksForARepeatOrSendsItsExchangeAgain) {
  g.PartReceived[Part::Call] = true;
  g.StationState = ssCalledMe;
  g.Assist = true;
  const char* requests[] = {"SORRY OM, QRM ... TRY AGAIN",
                            "SCT?",
                            "CHEK?",
                            "PREC?",
                            "QRM ... AGN",
                            "SECT?",
                            "NUMBER?",
                            "CHECK?"};
  for (int i = 0; i < 8; ++i) {
    Script({0, 7, i});
    SendExchange(g, Button::SendMessage);
    EXPECT_EQ(LastIncoming(), requests[i]);
    EXPECT_EQ(g.TempText, requests[i]);
    EXPECT_FALSE(g.ExchangeSent);
    EXPECT_FALSE(g.IsEnabled(Button::LogQso));
    EXPECT_EQ(g.StationState, ssCalledMe);
  }
  // PowerChance fails: the station repeats its exchange, and logging is allowed.
  Script({0, 6, 0, 0, 5, 5, 5, 5, 5, 9});
  SendExchange(g, Button::SendNumber);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 7 B K1ABC Check 69 CT");
  EXPECT_TRUE(g.ExchangeSent);
  EXPECT_TRUE(g.IsEnabled(Button::LogQso));
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(SendingTest, qslIsAnsweredByTheStationOrQueried) {
  g.SetAutoCqTimer(true);
  int before = ClockSeconds();
  Script({1});
  SendQsl(g);
  EXPECT_EQ(LastOutgoing(), "QSL");
  EXPECT_EQ(LastIncoming(), "QSL?");
  EXPECT_FALSE(g.PartReceived[Part::Signoff]);
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(ClockSeconds() - before, 1);

  Script({2});
  SendQsl(g);
  EXPECT_EQ(LastIncoming(), "TU");
  EXPECT_TRUE(g.PartReceived[Part::Signoff]);

  Script({5});
  SendQsl(g);
  Script({4});
  SendQsl(g);
  EXPECT_EQ(Incoming()[Incoming().size() - 1], "TU");
  EXPECT_EQ(Incoming()[Incoming().size() - 2], "73 CUL");
  EXPECT_FALSE(g.ExchangeSent);
  EXPECT_EQ(g.StationState, ssNone);
}

TEST_F(SendingTest, agnMakesEvenAStationCallingCQSendItsExchange) {
  g.StationState = ssHeardCQ;
  g.PartReceived[Part::Call] = true;
  g.SetAutoCqTimer(true);
  int before = ClockSeconds();
  Script({2, 6, 0, 0, 5, 5, 5, 5, 5, 9});
  AskForRepeat(g);
  EXPECT_EQ(LastOutgoing(), "AGN");
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 7 B K1ABC Check 69 CT");
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(ClockSeconds() - before, 3);

  Script({0, 7});
  AskForRepeat(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
}

TEST_F(SendingTest, b4EndsTheContactEightTimesInTen) {
  g.PartReceived[Part::Call] = true;
  g.StationState = ssCalledMe;
  SetFieldText(g, Field::Call, "K1ABC");
  g.SetAutoCqTimer(true);
  int before = ClockSeconds();
  Script({1});
  SendWorkedBefore(g);
  EXPECT_EQ(LastOutgoing(), "B4");
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_EQ(FieldText(Field::Call), "K1ABC");
  EXPECT_TRUE(Incoming().empty());
  EXPECT_FALSE(g.autoCqTimer);

  Script({2, 5});
  SendWorkedBefore(g);
  EXPECT_TRUE(Incoming().empty());
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_EQ(FieldText(Field::Call), "");
  EXPECT_FALSE(g.PartReceived[Part::Call]);

  g.StationState = ssHeardCQ;
  Script({9, 6});
  SendWorkedBefore(g);
  EXPECT_EQ(LastIncoming(), "SRI");
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_EQ(ClockSeconds(), before);
}

}  // namespace
}  // namespace tovk
