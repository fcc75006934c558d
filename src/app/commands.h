// The one table of commands: every button and menu entry of the game, the
// keys and what the player does to the other controls, each with its
// caption, hint, place and the function it runs. The window builds its
// buttons, menus and key map from it, tovk-term reads its command words from
// it, and the browser page does the same. Adding a button is one row here
// and its function.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/screen.h"

namespace tovk {

class Session;

enum class Command : std::uint8_t {
  // The buttons, in the order of Button: a button's command has its number.
  CallCq,
  TuneBand,
  AutoCq,
  CallStation,
  SendNumber,
  SendPrecedence,
  SendMessage,
  SendCheck,
  SendSection,
  SendQsl,
  Repeat,
  SendDuplicate,
  LogQso,
  CheckLog,
  ClearContact,
  Qrt,
  Timeout,
  Qrv,
  NewGame,
  SaveGame,
  RestoreGame,
  // Menu entries without a button.
  ExportCabrillo,
  ExportAdif,
  Results,
  Settings,
  Help,
  HelpOnHelp,
  FullTextSearch,
  SearchHelp,
  Keys,
  About,
  SoundOnOff,
  // Keys without a button.
  NextStep,
  StopAutoCq,
  BandUp,
  BandDown,
  NextField,
  PreviousField,
  // What the player does to the other controls.
  TypeField,        // an entry field's text changed: `field`, `text`
  ChooseBand,       // a band chosen in the band box: `text`
  ClearIncoming,    // the right mouse button in the incoming window
  ClearOutgoing,    // the right mouse button in the outgoing window
  ClickSectionMap,  // a click on the section map
};

// What a front-end passes with a command.
struct CommandInput {
  Field field = Field::Number;
  std::string text;                 // the field's text, or the band
  std::optional<std::string> file;  // a file named already (tovk-term); else the player is asked
};

// The button groups along the bottom of the window, left to right.
enum class ButtonGroup : std::uint8_t { Radio, Macro, Data, Misc };
constexpr int kButtonGroupCount = 4;

// Where a menu entry sits: on the menu bar itself or in one of its menus.
enum class Menu : std::uint8_t { None, Bar, Game, Help };

struct CommandRow {
  Command command;
  const char* name;     // the control's accessible and object name: "CallCq"
  const char* caption;  // the button's caption, or the menu entry's
  const char* hint;     // the button's hint
  // The button, for the 21 buttons: its group, column and row, its picture.
  std::optional<ButtonGroup> group;
  int column = 0;
  int row = 0;
  const char* picture = nullptr;
  // The menu entry: its menu, its caption there, and its place; entries
  // whose places differ in the tens are parted by a separator.
  Menu menu = Menu::None;
  const char* menuCaption = nullptr;
  int menuPlace = 0;
  // The words tovk-term reads for it (lower case, single blanks); none: the
  // terminal has it under another form, or not at all.
  const char* words = nullptr;
  void (*run)(Session&, const CommandInput&) = nullptr;
};

// Every row, in the order of Command.
std::span<const CommandRow> CommandRows();
const CommandRow& RowOf(Command command);

// The command of a button, and the button of a command (none for commands
// that are no button).
constexpr Command CommandOf(Button button) {
  return static_cast<Command>(button);
}
std::optional<Button> ButtonOf(Command command);

// The command tovk-term's words name ("call cq", "send msg"), if any.
std::optional<Command> CommandOfWords(std::string_view words);

// The entries of one menu in their order, a separator before each entry
// whose place starts a new ten; the menu bar holds the Game and Help menus
// at their own places (10 and 30).
struct MenuEntry {
  bool separator = false;
  std::optional<Command> command;  // none: a submenu (`submenu`)
  Menu submenu = Menu::None;
  std::string caption;
};
std::vector<MenuEntry> MenuEntries(Menu menu);

// --- Keys -------------------------------------------------------------------

enum class Key : std::uint8_t {
  Enter,
  Escape,
  Tab,
  Backtab,  // Shift+Tab
  Space,
  PageUp,
  PageDown,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
  Letter,  // `letter`, a capital A..Z
};

struct KeyChord {
  Key key = Key::Enter;
  char letter = 0;
  bool shift = false;
  bool control = false;
  bool alt = false;
  friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct KeyRow {
  KeyChord chord;
  Command command;
  const char* keyText;  // as hints and the key list name the key: "Shift+F1"
  const char* does;     // what the key list says it does
};

// Every key, in the order the key list shows them.
std::span<const KeyRow> KeyRows();

// The key row of a chord, or none.
const KeyRow* FindKey(const KeyChord& chord);

// The key that runs `command` ("F1"), or an empty text.
std::string KeyTextOf(Command command);

// A button's hint with its key: "Call CQ (F1)".
std::string HintWithKey(const CommandRow& row);

// What the key list adds below the keys: Enter's steps, one line each.
std::span<const char* const> NextStepExplanation();

// The band PgUp (`up`) or PgDn chooses after `band` in the band box order
// 80, 40, 20, 15, 10; up is toward 10 m. Empty at either end. With no band
// chosen, up starts at 80 and down at 10.
std::string NextBand(const std::string& band, bool up);

}  // namespace tovk
