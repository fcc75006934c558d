// Applying a change of the settings to the game and the front-end's look.
#include "app/settings_change.h"

#include <algorithm>

namespace tovk {
namespace {

// The member of the window's look an item colours (const or not, as `look` is).
template <class Look>
auto LookColour(Look& look, ColourItem item) -> decltype(&look.incomingColour) {
  switch (item) {
    case ColourItem::Incoming:
      return &look.incomingColour;
    case ColourItem::Outgoing:
      return &look.outgoingColour;
    case ColourItem::Log:
      return &look.logColour;
    case ColourItem::Radio:
      return &look.radioColour;
    case ColourItem::Data:
      return &look.dataColour;
    case ColourItem::Macro:
      return &look.macrosColour;
    case ColourItem::Misc:
      return &look.miscColour;
    default:
      return nullptr;
  }
}

// The member of the game an item colours.
template <class State>
auto ItemColour(State& s, ColourItem item) -> decltype(&s.NeededColour) {
  switch (item) {
    case ColourItem::Needed:
      return &s.NeededColour;
    case ColourItem::Heard:
      return &s.HeardColour;
    case ColourItem::Worked:
      return &s.WorkedColour;
    case ColourItem::Sections:
      return &s.SectionsColour;
    default:
      return LookColour(s.Look, item);
  }
}

void ApplyColour(Game& g, FrontEnd& frontEnd, ColourItem item, Colour colour) {
  *ItemColour(g, item) = colour;
  // The band box takes the Radio group's colour, the QSO number box the Data
  // group's.
  if (item == ColourItem::Radio) g.Look.bandColour = colour;
  if (item == ColourItem::Data) g.Look.qsoNumberColour = colour;
  if (LookColour(g.Look, item) != nullptr) frontEnd.ShowLook(g.Look);
  RepaintSectionMap(g);
}

template <class Look>
auto FontMember(Look& look, MemoId memo) -> decltype(&look.incomingFont) {
  switch (memo) {
    case MemoId::Incoming:
      return &look.incomingFont;
    case MemoId::Log:
      return &look.logFont;
    case MemoId::Outgoing:
      return &look.outgoingFont;
  }
  return &look.incomingFont;
}

// The sound's settings inside their ranges; a filter the receiver does not
// have leaves the one in force.
SoundOptions InRange(SoundOptions sound, const SoundOptions& before) {
  sound.volume = std::clamp(sound.volume, 0, 100);
  sound.noise = std::clamp(sound.noise, 0, 100);
  sound.speechRate = std::clamp(sound.speechRate, 50, 200);
  const bool known = sound.filter == "2.4" || sound.filter == "2.7" || sound.filter == "3.0" ||
                     sound.filter == "off";
  if (!known) sound.filter = before.filter;
  return sound;
}

void ApplySound(Game& g, FrontEnd& frontEnd, const SoundOptions& sound) {
  g.Sound = InRange(sound, g.Sound);
  if (g.Sound.copyByEar && g.AutoDetect) SetAutoDetect(g, false);
  frontEnd.ShowSound(g.Sound);
}

}  // namespace

Colour ColourOf(const GameState& s, ColourItem item) {
  return *ItemColour(s, item);
}

const FontLook& FontOf(const WindowLook& look, MemoId memo) {
  return *FontMember(look, memo);
}

SettingsChange ChoicesShownAtOpening(const GameState& s) {
  SettingsChange chosen;
  chosen.power = s.Myprec == "A" ? Power::Low100 : Power::High1000;
  chosen.sectionMapRight = s.SectionPosition == "R";
  return chosen;
}

void ApplySettings(Game& g, FrontEnd& frontEnd, const SettingsChange& change) {
  if (change.timeout) SetTimeoutLength(g, change.timeout->hours, change.timeout->minutes);
  if (change.ownStation) ChangeOwnStation(g, change.ownStation->callsign, change.ownStation->check);
  if (change.power) ChoosePower(g, *change.power);
  if (change.sectionMapRight) ChooseSectionMapSide(g, *change.sectionMapRight);
  if (change.autoDetect) SetAutoDetect(g, *change.autoDetect);
  if (change.autoClear) SetAutoClear(g, *change.autoClear);
  if (change.assist) SetAssist(g, *change.assist);
  if (change.silentMode) SetSilentMode(g, *change.silentMode);
  if (change.autoSave) g.AutoSave = *change.autoSave;
  if (change.debug) SetDebug(g, *change.debug);
  if (change.colour) ApplyColour(g, frontEnd, change.colour->first, change.colour->second);
  if (change.font) {
    *FontMember(g.Look, change.font->first) = change.font->second;
    frontEnd.ShowLook(g.Look);
  }
  if (change.sound) ApplySound(g, frontEnd, *change.sound);
}

}  // namespace tovk
