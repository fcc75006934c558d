// A change of the settings, as the settings dialog, tovk-term's `set` and
// the browser page make it, and the one function that applies it: each value
// given takes effect at once, the others stay as they are.
#pragma once

#include <optional>
#include <utility>

#include "app/front_end.h"
#include "engine/actions.h"
#include "world/game.h"

namespace tovk {

// What the colour labels of the settings dialog colour.
enum class ColourItem {
  Needed,  // the section map's cells by state
  Heard,
  Worked,
  Incoming,  // the text windows
  Outgoing,
  Log,
  Radio,  // the button groups; Radio also the band box, Data the QSO number
  Data,
  Macro,
  Misc,
  Sections,  // the highlight of the call area shown last
};
constexpr int kColourItemCount = 11;

// The colour an item has in the game now.
Colour ColourOf(const GameState& s, ColourItem item);

// The font of a text window as the settings keep it.
const FontLook& FontOf(const WindowLook& look, MemoId memo);

struct OwnStationChange {
  std::string callsign;
  std::string check;
};

struct TimeoutLength {
  int hours = 0;
  int minutes = 0;
};

struct SettingsChange {
  // The dialog's OK: the own callsign and check, and the next timeout.
  std::optional<OwnStationChange> ownStation;
  std::optional<TimeoutLength> timeout;
  std::optional<Power> power;
  std::optional<bool> sectionMapRight;
  std::optional<bool> autoDetect;
  std::optional<bool> autoClear;
  std::optional<bool> assist;
  std::optional<bool> silentMode;
  std::optional<bool> autoSave;
  std::optional<bool> debug;
  std::optional<std::pair<ColourItem, Colour>> colour;
  std::optional<std::pair<MemoId, FontLook>> font;
  // The whole of the sound's settings, one of them changed.
  std::optional<SoundOptions> sound;
};

// What a settings dialog applies as it opens: choosing its power and side
// items re-derives them as a click would, so a precedence other than "A"
// becomes "B".
SettingsChange ChoicesShownAtOpening(const GameState& s);

// Applies every value the change gives. A colour repaints the section map; a
// colour or font of the window's look is shown by the front-end, and so is
// the sound. Copying by ear turns Auto detect off.
void ApplySettings(Game& g, FrontEnd& frontEnd, const SettingsChange& change);

// What a settings dialog edits: the values in force, a way to apply a
// change, and the choice of the saved-game file.
class SettingsEditor {
 public:
  virtual ~SettingsEditor() = default;
  virtual const GameState& Settings() const = 0;
  virtual void ApplySettings(const SettingsChange& change) = 0;
  virtual void ChooseSavedGameFile() = 0;
};

}  // namespace tovk
