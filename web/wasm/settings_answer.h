// The page's settings dialog answers the core's synchronous call with a few
// lines of text, one change each, in the order the player made them:
//   power 100 | power 1000          side left | side right
//   autodetect 1 (autoclear, assist, silent, autosave: 0 or 1)
//   colour ITEM VALUE               (ColourItem's number, a 0x00BBGGRR value)
//   font MEMO HEIGHT BOLD ITALIC UNDERLINE STRIKEOUT NAME...
//   station CALL<TAB>CHECK          timeout HOURS MINUTES   (OK only)
//   choose-saved-game               (the dialog asks for the saved-game file)
// Lines it does not know, or with values out of range, change nothing.
#pragma once

#include <string_view>
#include <vector>

#include "app/settings_change.h"

namespace tovk::web {

struct SettingsAnswer {
  std::vector<SettingsChange> changes;
  bool chooseSavedGameFile = false;
};

// `look` gives each window's font as it is now: a font line changes the
// face and style and keeps the colour.
SettingsAnswer ReadSettingsAnswer(std::string_view text, const WindowLook& look);

}  // namespace tovk::web
