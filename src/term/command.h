// One line of the terminal front-end's input, read into a command: a button
// by its caption, or one of the front-end's own commands (tick, band, type,
// clear, status, fields, show, set, enter). Reading checks the arguments, so a
// command that comes out valid can be run as it stands.
#pragma once

#include <string>
#include <string_view>

#include "world/screen.h"

namespace tovk::term {

enum class CommandKind {
  Empty,    // a blank line or a "#" comment: nothing to do
  Unknown,  // no such command
  Invalid,  // a known command with a wrong argument; `error` says why
  Press,    // a button: `button`
  Tick,
  Band,  // `value`: one of the five bands
  Type,  // `field`, `value`: the text to type
  ClearIn,
  ClearOut,
  Status,
  Fields,
  Show,     // `value`: the variable's name, maybe with an index
  Set,      // `setting`, and `value` / `on` / `item`
  Enter,    // the next step of the contact, as the window's Enter key
  Export,   // `item`: 0 Cabrillo, 1 ADIF; `value`: the file
  Results,  // the results summary
};

// What `set` changes: the values of the settings dialog.
enum class Setting {
  Mycall,
  Mycheck,
  Power,  // `item`: 0 "100", 1 "1000"
  AutoDetect,
  AutoClear,
  Assist,
  SilentMode,
  AutoSave,
  Debug,
  SectionPosition,  // `item`: 0 left, 1 right
};

struct Command {
  CommandKind kind = CommandKind::Empty;
  std::string text;  // the line as typed, without blanks at either end
  Button button = Button::ToolButtonCallCQ;
  Field field = Field::Editnumber;
  Setting setting = Setting::Mycall;
  std::string value;
  bool on = false;
  int item = 0;
  std::string error;
};

Command ParseCommand(std::string_view line);

}  // namespace tovk::term
