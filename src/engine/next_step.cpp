// Choosing and running the next step of the contact.
#include "engine/next_step.h"

#include "engine/actions.h"
#include "engine/station_in_hand.h"
#include "world/clock.h"

namespace tovk {
namespace {

// After the QSL: the contact is still in hand and the operating buttons are
// still on. A mishap during the QSL clears the contact (and, without Assist,
// switches the buttons off); the end of the contest switches them off, though
// the display refresh under Assist turns the Log button on again.
bool StillLoggable(const Game& g) {
  return g.IsEnabled(Button::SendQsl) && g.IsEnabled(Button::LogQso) &&
         g.StationState == ssCalledMe && g.ExchangeSent && EveryPartReceived(g);
}

NextStep StepInContact(const Game& g) {
  // "Again?" until the callsign is copied: the message needs it.
  if (!PartCopied(g, Part::Call)) return NextStep::AskForRepeat;
  // A station logged before would be refused as a duplicate.
  if (StationInHandWorked(g)) return NextStep::SendWorkedBefore;
  if (!g.ExchangeSent) return NextStep::SendMessage;
  if (!EveryPartReceived(g)) return NextStep::AskForRepeat;
  return NextStep::QslAndLog;
}

}  // namespace

NextStep ChooseNextStep(const Game& g) {
  // The operating buttons off before the contest is over: back on the air.
  if (!g.IsEnabled(Button::CallCq) && !ContestIsOver(g)) return NextStep::GoOnTheAir;
  switch (g.StationState) {
    case ssNone:
    case ssCQSent:
      return NextStep::CallCQ;
    case ssCalledMe:
      return StepInContact(g);
    default:
      // Heard calling CQ, asking QRZ, only its section, or working somebody else.
      return NextStep::CallStation;
  }
}

Button FirstButtonOf(NextStep step) {
  switch (step) {
    case NextStep::GoOnTheAir:
      return Button::Qrv;
    case NextStep::CallCQ:
      return Button::CallCq;
    case NextStep::CallStation:
      return Button::CallStation;
    case NextStep::AskForRepeat:
      return Button::Repeat;
    case NextStep::SendWorkedBefore:
      return Button::SendDuplicate;
    case NextStep::SendMessage:
      return Button::SendMessage;
    case NextStep::QslAndLog:
      return Button::SendQsl;
  }
  return Button::CallCq;
}

bool RunNextStep(Game& g) {
  const NextStep step = ChooseNextStep(g);
  if (!g.IsEnabled(FirstButtonOf(step))) return false;
  switch (step) {
    case NextStep::GoOnTheAir:
      GoOnTheAir(g);
      return true;
    case NextStep::CallCQ:
      CallCq(g);
      return true;
    case NextStep::CallStation:
      CallStation(g);
      return true;
    case NextStep::AskForRepeat:
      AskForRepeat(g);
      return true;
    case NextStep::SendWorkedBefore:
      SendWorkedBefore(g);
      return true;
    case NextStep::SendMessage:
      SendExchange(g, Button::SendMessage);
      return true;
    case NextStep::QslAndLog:
      SendQsl(g);
      if (StillLoggable(g)) LogQso(g);
      return true;
  }
  return true;
}

}  // namespace tovk
