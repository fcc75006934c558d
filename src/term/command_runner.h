// Running one command of the terminal front-end on the game: a button press
// (refused while the button is disabled), the next step of the contact, the
// timer tick, the band box, the entry fields, the window clearing, the
// read-outs and the settings.
#pragma once

#include "term/command.h"
#include "term/term_screen.h"
#include "world/game.h"

namespace tovk::term {

// Runs `command` as a player action (marked busy) and prints what it
// answers through `screen`.
void RunCommand(Game& g, TermScreen& screen, const Command& command);

// The status bar's label panels, which the window carries in its layout:
// the game's copy holds them from the start.
void LayOutStatusBar(Game& g);

}  // namespace tovk::term
