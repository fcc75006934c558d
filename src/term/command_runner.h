// Running one line of the terminal front-end on the session: one of the
// game's commands (refused, as a disabled button is, with an `off` line), the
// timer tick, the read-outs and the settings.
#pragma once

#include "app/session.h"
#include "term/command.h"
#include "term/term_screen.h"

namespace tovk::term {

// Runs `command` and prints what it answers through `screen`.
void RunCommand(Session& session, TermScreen& screen, const TermCommand& command);

// The status bar's label panels, which the window carries in its layout:
// the game's copy holds them from the start.
void LayOutStatusBar(Game& g);

}  // namespace tovk::term
