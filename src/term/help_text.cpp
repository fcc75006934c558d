// The help text of tovk-term, built from the command table.
#include "term/help_text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "app/commands.h"

namespace tovk::term {
namespace {

// The commands with arguments, or that only the terminal has.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kTerminalCommands{{
    {"band B", "choose band B: 80, 40, 20, 15 or 10"},
    {"type FIELD TEXT", "type into number, prec, call, check or section"},
    {"clear in|out", "clear the incoming or outgoing window"},
    {"tick", "one tick of the Auto CQ timer"},
    {"status", "the status bar's panels"},
    {"fields", "the five entry fields"},
    {"show NAME[i]", "a variable of the game by its name"},
    {"set NAME VALUE", "Mycall, Mycheck, power, AutoDetect, AutoClear, Assist, SilentMode,"},
    {"", "AutoSave, Debug, SectionPosition, Filter, Noise, Sound, CopyByEar, Monitor"},
    {"export cabrillo FILE", "write the log as a Cabrillo file"},
    {"export adif FILE", "write the log as an ADIF file"},
}};

constexpr std::size_t kWordsWidth = 22;

void AddLine(std::string& text, std::string_view words, std::string_view what) {
  text += "  ";
  text += words;
  text.append(kWordsWidth - std::min(words.size(), kWordsWidth - 1), ' ');
  text += what;
  text += '\n';
}

}  // namespace

std::string HelpText() {
  std::string text =
      "usage: tovk-term [--dir DIR] [--seed N] [--wav DIR]\n"
      "Plays the game in the terminal: one command per input line, what the game\n"
      "shows as tagged lines on the output.\n\nCommands:\n";
  for (const CommandRow& row : CommandRows()) {
    if (row.words != nullptr) AddLine(text, row.words, row.hint);
  }
  for (const auto& [words, what] : kTerminalCommands) AddLine(text, words, what);
  return text;
}

}  // namespace tovk::term
