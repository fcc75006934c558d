// Choosing and running the next step of the contact.
#include "engine/next_step.h"

#include "engine/actions.h"

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

}  // namespace

NextStep ChooseNextStep(const GameState& s) {
  switch (s.StationState) {
    case ssNone:
    case ssCQSent:
      return NextStep::CallCQ;
    case ssCalledMe:
      if (!s.ExchangeSent) return NextStep::SendMessage;
      if (!EveryPartReceived(s)) return NextStep::Repeat;
      return NextStep::QslAndLog;
    default:
      // Heard calling CQ, asking QRZ, only its section, or working somebody else.
      return NextStep::CallStation;
  }
}

Button FirstButtonOf(NextStep step) {
  switch (step) {
    case NextStep::CallCQ:
      return Button::CallCq;
    case NextStep::CallStation:
      return Button::CallStation;
    case NextStep::SendMessage:
      return Button::SendMessage;
    case NextStep::Repeat:
      return Button::Repeat;
    case NextStep::QslAndLog:
      return Button::SendQsl;
  }
  return Button::CallCq;
}

bool RunNextStep(Game& g) {
  const NextStep step = ChooseNextStep(g);
  if (!g.IsEnabled(FirstButtonOf(step))) return false;
  switch (step) {
    case NextStep::CallCQ:
      CallCq(g);
      return true;
    case NextStep::CallStation:
      CallStation(g);
      return true;
    case NextStep::SendMessage:
      SendExchange(g, Button::SendMessage);
      return true;
    case NextStep::Repeat:
      AskForRepeat(g);
      return true;
    case NextStep::QslAndLog:
      SendQsl(g);
      if (StillLoggable(g)) LogQso(g);
      return true;
  }
  return true;
}

}  // namespace tovk
