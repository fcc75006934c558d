// One line of the terminal front-end's input, read into a command: one of
// the game's commands by its words in the command table (a button by its
// caption, "enter", "results"), one with arguments (band, type, clear,
// export), or one of the front-end's own (tick, status, fields, show, set).
// Reading checks the arguments, so a command that comes out valid can be run
// as it stands.
#pragma once

#include <string>
#include <string_view>

#include "app/commands.h"
#include "engine/actions.h"

namespace tovk::term {

enum class CommandKind {
  Empty,    // a blank line or a "#" comment: nothing to do
  Unknown,  // no such command
  Invalid,  // a known command with a wrong argument; `error` says why
  Run,      // one of the game's commands: `command` with `input`
  Tick,
  Status,
  Fields,
  Show,  // `value`: the variable's name, maybe with an index
  Set,   // `setting`, and `value` / `on` / `power` / `right`
};

// What `set` changes: the values of the settings dialog.
enum class Setting {
  Mycall,
  Mycheck,
  Power,
  AutoDetect,
  AutoClear,
  Assist,
  SilentMode,
  AutoSave,
  Debug,
  SectionPosition,
  Filter,  // the receiver filter: `value` "2.4", "2.7", "3.0" or "off"
  Noise,   // the band noise: `number` 0..100
  Sound,   // the sound on or off: `on`
  CopyByEar,
  Monitor,
};

struct TermCommand {
  CommandKind kind = CommandKind::Empty;
  std::string text;  // the line as typed, without blanks at either end
  Command command = Command::CallCq;
  CommandInput input;
  Setting setting = Setting::Mycall;
  std::string value;
  bool on = false;
  Power power = Power::Low100;
  int number = 0;
  std::string error;
};

TermCommand ParseCommand(std::string_view line);

}  // namespace tovk::term
