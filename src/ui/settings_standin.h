// A small settings dialog that stands in until the full one exists: the
// "Time out" page only. Its OK applies the timeout through the game's
// settings operation, keeping the callsign and check as they are.
#pragma once

#include <QWidget>

#include "world/game.h"
#include "world/screen.h"

namespace tovk::ui {

// Shows the dialog modally over `parent`; OK applies, Cancel changes nothing.
void RunSettingsStandIn(Game& g, SettingsPage page, QWidget* parent);

}  // namespace tovk::ui
