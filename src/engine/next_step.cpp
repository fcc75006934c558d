// Choosing and running the next step of the contact.
#include "engine/next_step.h"

#include "engine/actions.h"

namespace tovk {
namespace {

// Number, precedence, callsign, check and section; the word "Check" (part 3)
// always counts as present.
bool EveryPartReceived(const GameState& s) {
  return s.PartReceived[0] && s.PartReceived[1] && s.PartReceived[2] && s.PartReceived[4] &&
         s.PartReceived[5];
}

// After the QSL: the contact is still in hand and the operating buttons are
// still on. A mishap during the QSL clears the contact (and, without Assist,
// switches the buttons off); the end of the contest switches them off, though
// the display refresh under Assist turns the Log button on again.
bool StillLoggable(const Game& g) {
  return g.IsEnabled(Button::ToolButtonQSL) && g.IsEnabled(Button::ToolButtonlog) &&
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
      return Button::ToolButtonCallCQ;
    case NextStep::CallStation:
      return Button::ToolbuttonCallhim;
    case NextStep::SendMessage:
      return Button::ToolButtonSend;
    case NextStep::Repeat:
      return Button::ToolButtonRepeat;
    case NextStep::QslAndLog:
      return Button::ToolButtonQSL;
  }
  return Button::ToolButtonCallCQ;
}

bool RunNextStep(Game& g) {
  const NextStep step = ChooseNextStep(g);
  if (!g.IsEnabled(FirstButtonOf(step))) return false;
  switch (step) {
    case NextStep::CallCQ:
      ToolButtonCallCQClick(g);
      return true;
    case NextStep::CallStation:
      ToolButtonCallhimClick(g);
      return true;
    case NextStep::SendMessage:
      ToolButtonSendClick(g, Button::ToolButtonSend);
      return true;
    case NextStep::Repeat:
      ToolButtonRepeatClick(g);
      return true;
    case NextStep::QslAndLog:
      ToolButtonQSLClick(g);
      if (StillLoggable(g)) ToolButtonLogClick(g);
      return true;
  }
  return true;
}

}  // namespace tovk
