// The next step of the contact, which the Enter key of the window and the
// `enter` command of the terminal take: the button the contact in hand calls
// for, chosen so that it is never one the game would refuse, and pressing it
// as the player would.
#pragma once

#include "world/game.h"

namespace tovk {

enum class NextStep {
  GoOnTheAir,      // the operating buttons are off (a mishap, the antenna): "QRV"
  CallCQ,          // nothing in hand
  CallStation,     // a station heard, not in contact with the player
  AskForRepeat,    // in contact, its callsign (or, once sent, any part) not copied
  SendWorkedBefore,  // in contact with a station already logged: "B4"
  SendMessage,     // in contact, the callsign copied, the exchange not yet sent
  QslAndLog,       // exchange sent, every part received
};

// The step the contact as it stands calls for. After the end of the
// contest there is none to take: the step is Call CQ, with its button off.
NextStep ChooseNextStep(const Game& g);

// The button the step presses (for QSL and log, the first one: "Send QSL").
Button FirstButtonOf(NextStep step);

// Presses the next step's button, with the handler the button runs, its
// refusals and messages. Does nothing and returns false when that button is
// disabled. QSL and log press "Send QSL" and then "Log QSO", the second only
// while the QSL has left the contact in hand and the buttons on (a mishap
// clears the contact; the end of the contest switches the buttons off).
// The caller marks the game busy (Perform), as for a button.
bool RunNextStep(Game& g);

}  // namespace tovk
