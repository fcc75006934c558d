// Conversions between the game's colours and fonts (as the settings file
// keeps them) and Qt's: 0x00BBGGRR values, the system colours, and fonts
// given by name and character height in pixels.
#pragma once

#include <QColor>
#include <QFont>

#include "world/game_state.h"

namespace tovk::ui {

// A game colour as Qt paints it; system colours take the look of the
// desktop's palette where it has a matching role.
QColor ToQColor(Colour colour);
// An opaque Qt colour as a game colour (never a system colour).
Colour FromQColor(const QColor& colour);

// The window font of a text window. A negative height is the character
// height in pixels, a positive one the cell height.
QFont ToQFont(const FontLook& look);
// The font and text colour as the settings file keeps them.
FontLook ToFontLook(const QFont& font, Colour colour);

}  // namespace tovk::ui
