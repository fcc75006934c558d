// Reading a line of input into a command.
#include "term/command.h"

#include <charconv>

#include <array>
#include <optional>
#include <tuple>
#include <utility>

#include "term/term_text.h"
#include "world/text.h"

namespace tovk::term {
namespace {

constexpr std::array<std::pair<std::string_view, Field>, 5> kFields{{
    {"number", Field::Number},
    {"prec", Field::Precedence},
    {"call", Field::Call},
    {"check", Field::Check},
    {"section", Field::Section},
}};

constexpr std::array<std::pair<std::string_view, Setting>, 9> kOptions{{
    {"autodetect", Setting::AutoDetect},
    {"autoclear", Setting::AutoClear},
    {"assist", Setting::Assist},
    {"silentmode", Setting::SilentMode},
    {"autosave", Setting::AutoSave},
    {"debug", Setting::Debug},
    {"sound", Setting::Sound},
    {"copybyear", Setting::CopyByEar},
    {"monitor", Setting::Monitor},
}};

// The first word of `text` and the rest after it, without blanks at either end.
std::pair<std::string, std::string> SplitFirstWord(std::string_view text) {
  const std::string trimmed(Trim(text));
  const auto blank = trimmed.find_first_of(" \t");
  if (blank == std::string::npos) return {trimmed, ""};
  return {trimmed.substr(0, blank), std::string(Trim(std::string_view(trimmed).substr(blank)))};
}

// The words of `text` in lower case, joined by single blanks.
std::string NormalWords(std::string_view text) {
  std::string result;
  auto [word, rest] = SplitFirstWord(text);
  while (!word.empty()) {
    if (!result.empty()) result += ' ';
    result += ToLower(word);
    std::tie(word, rest) = SplitFirstWord(rest);
  }
  return result;
}

// A known command with a wrong argument: the reason, then the line as typed.
TermCommand Invalid(TermCommand command, std::string_view reason) {
  command.kind = CommandKind::Invalid;
  command.error = std::string(reason) + ": " + command.text;
  return command;
}

TermCommand ParseBand(TermCommand command, const std::string& band) {
  for (const char* item : {"80", "40", "20", "15", "10"}) {
    if (band != item) continue;
    command.kind = CommandKind::Run;
    command.command = Command::ChooseBand;
    command.input.text = band;
    return command;
  }
  return Invalid(std::move(command), "band must be one of 80 40 20 15 10");
}

TermCommand ParseType(TermCommand command, const std::string& arguments) {
  auto [name, text] = SplitFirstWord(arguments);
  for (const auto& [fieldName, field] : kFields) {
    if (ToLower(name) != fieldName) continue;
    command.kind = CommandKind::Run;
    command.command = Command::TypeField;
    command.input.field = field;
    command.input.text = text;
    return command;
  }
  return Invalid(std::move(command), "type needs a field (number, prec, call, check, section)");
}

TermCommand ParseClear(TermCommand command, const std::string& window) {
  const std::string which = ToLower(window);
  if (which != "in" && which != "out") return Invalid(std::move(command), "clear needs in or out");
  command.kind = CommandKind::Run;
  command.command = which == "in" ? Command::ClearIncoming : Command::ClearOutgoing;
  return command;
}

std::optional<bool> OnOff(const std::string& value) {
  const std::string word = ToLower(value);
  if (word == "on") return true;
  if (word == "off") return false;
  return std::nullopt;
}

TermCommand ParseSet(TermCommand command, const std::string& arguments) {
  auto [name, value] = SplitFirstWord(arguments);
  const std::string setting = ToLower(name);
  command.kind = CommandKind::Set;
  command.value = value;
  if (setting == "mycall") {
    command.setting = Setting::Mycall;
    command.value = ToUpper(value);  // the callsign box writes capitals
    return command;
  }
  if (setting == "mycheck") {
    command.setting = Setting::Mycheck;
    return command;
  }
  if (setting == "power") {
    command.setting = Setting::Power;
    if (value == "100" || value == "1000") {
      command.power = value == "100" ? Power::Low100 : Power::High1000;
      return command;
    }
    return Invalid(std::move(command), "power must be 100 or 1000");
  }
  if (setting == "sectionposition") {
    command.setting = Setting::SectionPosition;
    const std::string side = ToUpper(value);
    if (side == "L" || side == "R") {
      command.on = side == "R";
      return command;
    }
    return Invalid(std::move(command), "SectionPosition must be L or R");
  }
  if (setting == "filter") {
    command.setting = Setting::Filter;
    command.value = ToLower(value);
    for (const char* width : {"2.4", "2.7", "3.0", "off"}) {
      if (command.value == width) return command;
    }
    return Invalid(std::move(command), "Filter must be 2.4, 2.7, 3.0 or off");
  }
  if (setting == "noise") {
    command.setting = Setting::Noise;
    const auto [stop, error] =
        std::from_chars(value.data(), value.data() + value.size(), command.number);
    if (error == std::errc() && stop == value.data() + value.size() && !value.empty() &&
        command.number >= 0 && command.number <= 100)
      return command;
    return Invalid(std::move(command), "Noise must be a whole number 0..100");
  }
  for (const auto& [optionName, option] : kOptions) {
    if (setting != optionName) continue;
    command.setting = option;
    const auto on = OnOff(value);
    if (!on) return Invalid(std::move(command), name + " must be on or off");
    command.on = *on;
    return command;
  }
  return Invalid(std::move(command),
                 "set takes Mycall, Mycheck, power, AutoDetect, AutoClear, Assist, SilentMode, "
                 "AutoSave, Debug, SectionPosition, Filter, Noise, Sound, CopyByEar or Monitor");
}

// "export cabrillo FILE" / "export adif FILE": the file name as typed.
TermCommand ParseExport(TermCommand command, const std::string& arguments) {
  auto [format, file] = SplitFirstWord(arguments);
  const std::string which = ToLower(format);
  if ((which != "cabrillo" && which != "adif") || file.empty())
    return Invalid(std::move(command), "export needs cabrillo or adif and a file name");
  command.kind = CommandKind::Run;
  command.command = which == "cabrillo" ? Command::ExportCabrillo : Command::ExportAdif;
  command.input.file = file;
  return command;
}

}  // namespace

TermCommand ParseCommand(std::string_view line) {
  TermCommand command;
  command.text = std::string(Trim(line));
  if (command.text.empty() || command.text.front() == '#') return command;

  const auto [first, rest] = SplitFirstWord(command.text);
  const std::string word = ToLower(first);
  if (word == "band") return ParseBand(std::move(command), rest);
  if (word == "type") return ParseType(std::move(command), rest);
  if (word == "clear") return ParseClear(std::move(command), rest);
  if (word == "set") return ParseSet(std::move(command), rest);
  if (word == "export") return ParseExport(std::move(command), rest);
  if (word == "show") {
    if (rest.empty()) return Invalid(std::move(command), "show needs a variable name");
    command.kind = CommandKind::Show;
    command.value = rest;
    return command;
  }

  const std::string words = NormalWords(command.text);
  if (words == "tick") command.kind = CommandKind::Tick;
  if (words == "status") command.kind = CommandKind::Status;
  if (words == "fields") command.kind = CommandKind::Fields;
  if (const auto game = CommandOfWords(words)) {
    command.kind = CommandKind::Run;
    command.command = *game;
  }
  if (command.kind == CommandKind::Empty) command.kind = CommandKind::Unknown;
  return command;
}

}  // namespace tovk::term
