// Calling a station: the call line and outcome in every station state, the
// station's reply with its noise, worked-before declines, answering a third
// station, and the bounded choice of that third station.
#include <gtest/gtest.h>

#include "engine/actions.h"
#include "engine/contact_fixture.h"
#include "engine/station_in_hand.h"

namespace tovk {
namespace {

class CallingTest : public testing::ContactTest {
 protected:
  CallingTest() {
    Pool({{"K1ABC", 0}, {"W6XYZ", 40}, {"N2EQ", 8}});
    InHand(0, "   7", "B", "69", "CT");
  }
};

struct CallLineCase {
  std::uint8_t state;
  bool callCopied;
  bool sectionCopied;
  std::string line;
};

TEST_F(CallingTest, callLineFollowsTheStationState) {
  const CallLineCase cases[] = {
      {ssNone, true, true, "QRZ DE Q1AAA"},
      {ssCQSent, true, false, "QRZ DE Q1AAA"},
      {ssCalledMe, true, true, "K1ABC DE Q1AAA"},
      {ssCalledMe, false, true, "QRZ CT DE Q1AAA"},
      {ssCalledMe, false, false, "QRZ DE Q1AAA"},
      {ssHeardSection, false, true, "QRZ CT DE Q1AAA"},
      {ssHeardSection, false, false, "QRZ CT DE Q1AAA"},
      {ssHeardSection, true, true, "K1ABC DE Q1AAA"},
      {ssHeardQRZ, true, false, "K1ABC DE Q1AAA"},
      {ssHeardCQ, true, false, "K1ABC DE Q1AAA"},
      {ssQSOInProgress, true, false, "K1ABC DE Q1AAA"},
      {ssCalledSomeone, true, false, "K1ABC DE Q1AAA"},
  };
  for (const auto& c : cases) {
    g.StationState = c.state;
    g.PartReceived[Part::Call] = c.callCopied;
    g.PartReceived[Part::Section] = c.sectionCopied;
    g.CallAttempts = 0;
    // Clock 1 s; then whatever the state asks is answered "not heard" or,
    // for the station in a QSO, "its contact just ended".
    random.script.clear();
    Script({0, c.state == ssQSOInProgress ? 1 : 39});
    CallStation(g);
    EXPECT_EQ(LastOutgoing(), c.line) << "state " << int(c.state);
  }
}

TEST_F(CallingTest, callingNobodyGetsNoResponseAndForgetsTheAttempts) {
  g.StationState = ssNone;
  g.CallAttempts = 5;
  g.SetAutoCqTimer(true);
  int before = ClockSeconds();
  Script({2});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
  EXPECT_EQ(g.CallAttempts, 0);
  EXPECT_FALSE(g.autoCqTimer);
  EXPECT_EQ(ClockSeconds() - before, 3);

  g.SilentMode = true;
  CallStation(g);
  EXPECT_EQ(Incoming().size(), 1u);
}

TEST_F(CallingTest, stationCallingCQHearsThePlayerMoreOftenWithEveryCall) {
  g.StationState = ssHeardCQ;
  g.PartReceived[Part::Call] = true;
  g.PowerFactor = 10;
  // First call: heard only on a draw of 0 (1 in 10).
  Script({0, 1});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), "*** No response");
  // Second call: a draw of 1 is below two attempts, but PowerChance fails
  // on a draw of 3, so it answers somebody else.
  Script({0, 1, 3, 0});
  CallStation(g);
  EXPECT_EQ(g.StationState, ssQSOInProgress);
  EXPECT_EQ(LastIncoming(), "W6XYZ DE K1ABC");
  // Third call to the station now in a QSO: reaction 0, heard, PowerChance 4
  // holds, and it answers the player.
  Script({0, 0, 2, 4, 9, 0, 5, 5, 5, 5, 5, 9});
  CallStation(g);
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 7 B K1ABC Check 69 CT");
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(CallingTest, stationInAQSOMayFinishOrAskForARepeatOfTheOtherCall) {
  g.StationState = ssQSOInProgress;
  g.OtherCall = "N2EQ";
  Script({0, 1});
  CallStation(g);
  EXPECT_EQ(g.StationState, ssHeardQRZ);
  EXPECT_EQ(LastIncoming(), "*** No response");

  g.StationState = ssQSOInProgress;
  Script({0, 2, 4});
  CallStation(g);
  EXPECT_EQ(Incoming()[Incoming().size() - 2], "I'M IN QSO");
  EXPECT_EQ(LastIncoming(), "N2EQ DE K1ABC SRI QRM, RPT");

  Script({0, 2, 5});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), "N2EQ DE K1ABC SRI QRM, RPT");
  EXPECT_NE(Incoming()[Incoming().size() - 2], "I'M IN QSO");
  EXPECT_EQ(g.StationState, ssQSOInProgress);
}

TEST_F(CallingTest, stationThatCalledSomeoneTriesTheRulesInOrder) {
  const char* qrm = "#$%&*  QRM  ##@$%&*";
  g.StationState = ssCalledSomeone;
  g.CallAttempts = 4;  // each call makes it 5: a draw below 5 is "heard"
  Script({0, 0});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), "FREQUENCY IS IN USE OM");

  g.CallAttempts = 4;
  Script({0, 39, 0});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), qrm);

  // 40 m in the evening, not heard a third time: QRM again.
  g.Band = "40";
  g.Hour = 20;
  g.CallAttempts = 4;
  Script({0, 39, 39, 39});
  CallStation(g);
  EXPECT_EQ(LastIncoming(), qrm);
  EXPECT_TRUE(AllScriptUsed());

  // On 20 m the evening rule takes no draw: heard works somebody else.
  g.Band = "20";
  g.CallAttempts = 4;
  Script({0, 39, 39, 0});
  CallStation(g);
  EXPECT_EQ(g.StationState, ssQSOInProgress);

  g.StationState = ssCalledSomeone;
  g.CallAttempts = 4;
  Script({0, 39, 39, 39, 0, 0, 5, 5, 5, 5, 5, 9});
  CallStation(g);
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(CallingTest, replyGarblesEachMissingPartWithEvenOddsAndKeepsWhatWasCopied) {
  // Number, precedence and the word "Check" lost; callsign, check, section copied.
  Script({0, 0, 4, 4, 5, 0, 5, 5, 3});
  StationReply(g);
  EXPECT_EQ(Incoming()[0], "Q1AAA UR!@$%&*@$ K1ABC!@$%&* 69 CT");
  EXPECT_EQ(Incoming()[1], "QSL?");
  EXPECT_EQ(g.StationState, ssCalledMe);
  EXPECT_TRUE(g.PartReceived[Part::Signoff]);
  EXPECT_FALSE(g.PartReceived[Part::Number]);
  EXPECT_FALSE(g.PartReceived[Part::Precedence]);
  EXPECT_TRUE(g.PartReceived[Part::Check]);
  EXPECT_EQ(FieldText(Field::Number), "");
  EXPECT_EQ(FieldText(Field::Call), "K1ABC");
  EXPECT_EQ(FieldText(Field::Check), "69");
  EXPECT_EQ(FieldText(Field::Section), "CT");
  EXPECT_EQ(g.SectionStatus[0], SectionState::Heard);

  // The repeat draws only for the parts still missing.
  Script({0, 0, 5, 5, 5, 9});
  StationReply(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 7 B K1ABC Check 69 CT");
  EXPECT_EQ(FieldText(Field::Number), "   7");
  EXPECT_EQ(FieldText(Field::Precedence), "B");
  EXPECT_TRUE(AllScriptUsed());
}

TEST_F(CallingTest, replyOfOnlyTheCallsignsMarksOnlyTheCallsign) {
  Script({0, 9});
  StationReply(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA DE K1ABC");
  EXPECT_TRUE(g.PartReceived[Part::Call]);
  EXPECT_FALSE(g.PartReceived[Part::Section]);
  EXPECT_EQ(g.SectionStatus[0], SectionState::Needed);

  // A Canadian callsign gives its section away.
  g.StationCall[2] = "VE3XYZ";
  g.StationSection[2] = 69;
  InHand(2, "  12", "B", "74", "ONT");
  Script({0, 9});
  StationReply(g);
  EXPECT_TRUE(g.PartReceived[Part::Section]);
  EXPECT_EQ(FieldText(Field::Section), "ONT");
  EXPECT_EQ(g.SectionStatus[69], SectionState::Heard);
}

TEST_F(CallingTest, nwtIsSometimesSentAsYuButCopiedAsNwt) {
  g.StationSection[1] = 74;
  InHand(1, "  30", "B", "52", "NWT");
  Script({0, 5, 0, 5, 5, 5, 5, 5, 5, 9});
  StationReply(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 30 B W6XYZ Check 52 YU");
  EXPECT_EQ(FieldText(Field::Section), "NWT");
  EXPECT_EQ(g.Hissection, "NWT");

  g.PartReceived.fill(false);
  Script({0, 4, 0, 5, 5, 5, 5, 5, 5, 9});
  StationReply(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 30 B W6XYZ Check 52 NWT");
}

TEST_F(CallingTest, workedStationDeclinesSevenTimesInTenAndLeavesTheContactAlone) {
  g.StationWorked[0] = StationLogState::Worked;
  g.StationState = ssHeardCQ;
  const char* lines[] = {"Q1AAA Worked before", "Q1AAA Worked B4", "Q1AAA B4", "Q1AAA B4 B4",
                         "*** No response"};
  for (int kind = 0; kind <= 4; ++kind) {
    int steps = random.engineSteps;
    Script({6, kind});
    StationReply(g);
    EXPECT_EQ(LastIncoming(), lines[kind]);
    EXPECT_EQ(g.StationState, ssHeardCQ);
    EXPECT_EQ(random.engineSteps, steps);  // the calling handler runs its own step
  }
  EXPECT_EQ(FieldText(Field::Call), "");

  Script({7, 0, 5, 5, 5, 5, 5, 5, 9});
  StationReply(g);
  EXPECT_EQ(LastIncoming(), "Q1AAA UR 7 B K1ABC Check 69 CT");
  EXPECT_EQ(g.StationState, ssCalledMe);
}

TEST_F(CallingTest, answeringAThirdStationMarksOnlyTheCallsign) {
  Script({1});  // index 1 + 1 = 2
  AnswerOtherStation(g);
  EXPECT_EQ(LastIncoming(), "N2EQ DE K1ABC");
  EXPECT_EQ(g.StationState, ssQSOInProgress);
  EXPECT_TRUE(g.PartReceived[Part::Call]);
  EXPECT_EQ(FieldText(Field::Call), "");
}

TEST_F(CallingTest, thirdStationIsFoundEvenWhenThePoolHoldsNoOtherCallsign) {
  // A pool of one: only the station in hand.
  Pool({{"K1ABC", 0}});
  g.Hiscall = "K1ABC";
  ChooseOtherCall(g);
  EXPECT_EQ(g.OtherCall, "Q2BBB");
  g.StationCall[0] = "Q2BBB";
  g.Hiscall = "Q2BBB";
  ChooseOtherCall(g);
  EXPECT_EQ(g.OtherCall, "Q1AAA");

  // A pool of two whose random picks (indices 1..1) only hit the station in
  // hand: after the bounded number of picks, index 0 is taken.
  Pool({{"K1ABC", 0}, {"W6XYZ", 40}});
  g.Hiscall = "W6XYZ";
  std::size_t before = random.ranges.size();
  ChooseOtherCall(g);
  EXPECT_EQ(g.OtherCall, "K1ABC");
  EXPECT_EQ(random.ranges.size() - before, static_cast<std::size_t>(kOtherCallDraws));

  // The same pool from the other side: the first pick finds the other one.
  g.Hiscall = "K1ABC";
  ChooseOtherCall(g);
  EXPECT_EQ(g.OtherCall, "W6XYZ");

  // A typed callsign that is in no pool at all.
  g.Hiscall = "ZZ9ZZ";
  Pool({{"ZZ9ZZ", 0}, {"ZZ9ZZ", 0}, {"K1ABC", 0}});
  random.fallback = 0;  // picks index 1 every time
  ChooseOtherCall(g);
  EXPECT_EQ(g.OtherCall, "K1ABC");
}

}  // namespace
}  // namespace tovk
