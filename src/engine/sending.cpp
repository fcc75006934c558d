// The player's transmissions inside a contact: the exchange or one part of
// it, QSL, a request to repeat (AGN) and the notice "worked before" (B4).
#include "engine/actions.h"

#include <array>
#include <string>

#include "world/clock.h"

namespace tovk {
namespace {

constexpr std::array<const char*, 8> kRepeatRequests = {"SORRY OM, QRM ... TRY AGAIN",
                                                        "SCT?",
                                                        "CHEK?",
                                                        "PREC?",
                                                        "QRM ... AGN",
                                                        "SECT?",
                                                        "NUMBER?",
                                                        "CHECK?"};

// The one part of the exchange a single-part send button transmits.
std::string OnePart(const Game& g, Button sender) {
  switch (sender) {
    case Button::SendNumber:
      return std::to_string(g.Mynumber);
    case Button::SendPrecedence:
      return g.Myprec;
    case Button::SendCheck:
      return g.Mycheck;
    default:
      return g.Mysection;
  }
}

// The station did not copy the exchange and asks for it again: the exchange
// counts as not sent until the next send.
void StationAsksForRepeat(Game& g) {
  g.TempText = kRepeatRequests[g.Draw(8)];
  g.AppendLine(MemoId::Incoming, g.TempText);
  g.ExchangeSent = false;
  if (g.Assist) g.SetButtonEnabled(Button::LogQso, false);
}

}  // namespace

void SendExchange(Game& g, Button sender) {
  g.CallAttempts = 0;
  if (!PartCopied(g, Part::Call)) {
    g.ShowMessage("Callsign not heard");
    ++g.ErrorCount;
    EngineStep(g);
    return;
  }
  if (sender == Button::SendMessage) {
    g.AppendLine(MemoId::Outgoing, g.Hiscall + " UR " + std::to_string(g.Mynumber) + " " +
                                       g.Myprec + " " + g.Mycall + " Check " + g.Mycheck + " " +
                                       g.Mysection);
    AdvanceClock(g, 1 + g.Draw(5), true);
  } else {
    AdvanceClock(g, 1 + g.Draw(3), true);
    g.AppendLine(MemoId::Outgoing, OnePart(g, sender));
  }
  g.ExchangeSent = true;

  if (g.StationState == ssCalledMe && PowerChance(g)) {
    StationAsksForRepeat(g);
  } else if (g.StationState == ssCalledMe) {
    StationReply(g);
  } else if (PowerChance(g)) {
    StationReply(g);
  } else {
    AnswerOtherStation(g);
  }
  EngineStep(g);
}

void SendQsl(Game& g) {
  g.SetAutoCqTimer(false);
  g.AppendLine(MemoId::Outgoing, "QSL");
  EngineStep(g);
  AdvanceClock(g, 1, true);
  if (g.PartReceived[Part::Signoff]) {
    g.AppendLine(MemoId::Incoming, g.Draw(10) >= 5 ? "73 CUL" : "TU");
    return;
  }
  if (g.Draw(10) >= 2) {
    g.PartReceived[Part::Signoff] = true;
    g.AppendLine(MemoId::Incoming, "TU");
    return;
  }
  g.AppendLine(MemoId::Incoming, "QSL?");
}

void AskForRepeat(Game& g) {
  g.SetAutoCqTimer(false);
  g.AppendLine(MemoId::Outgoing, "AGN");
  AdvanceClock(g, 1 + g.Draw(3), true);
  // After a clear (a mishap, Clr Xchg, a new CQ) nobody is in hand to ask.
  const bool nobodyInHand = g.StationState == ssNone || g.StationState == ssCQSent;
  if (nobodyInHand) {
    NoResponse(g, NoResponseKind::NoResponse);
  } else if (g.Draw(10) < 7) {
    StationReply(g);
  } else {
    NoResponse(g, NoResponseKind::NoResponse);
  }
  EngineStep(g);
}

void SendWorkedBefore(Game& g) {
  g.SetAutoCqTimer(false);
  g.AppendLine(MemoId::Outgoing, "B4");
  EngineStep(g);
  if (g.Draw(10) < 2) return;  // the station stays on
  if (g.Draw(10) >= 6) g.AppendLine(MemoId::Incoming, "SRI");
  g.StationState = ssNone;
  ClearContact(g);
}

}  // namespace tovk
