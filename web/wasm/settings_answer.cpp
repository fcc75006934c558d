// Reading the settings dialog's answer, line by line.
#include "settings_answer.h"

#include <charconv>
#include <optional>
#include <string>

namespace tovk::web {
namespace {

// The next word of `rest`, which loses it and the blank after it.
std::string_view NextWord(std::string_view& rest) {
  const std::size_t end = rest.find(' ');
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return word;
}

std::optional<long long> NumberIn(std::string_view word, long long lowest, long long highest) {
  long long value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<bool> Switch(std::string_view word) {
  const auto value = NumberIn(word, 0, 1);
  if (!value) return std::nullopt;
  return *value == 1;
}

std::optional<SettingsChange> OptionChange(std::string_view key, std::string_view value) {
  const std::optional<bool> on = Switch(value);
  if (!on) return std::nullopt;
  SettingsChange change;
  if (key == "autodetect")
    change.autoDetect = on;
  else if (key == "autoclear")
    change.autoClear = on;
  else if (key == "assist")
    change.assist = on;
  else if (key == "silent")
    change.silentMode = on;
  else if (key == "autosave")
    change.autoSave = on;
  else
    return std::nullopt;
  return change;
}

std::optional<SettingsChange> FontChange(std::string_view rest, const WindowLook& look) {
  const auto memo = NumberIn(NextWord(rest), 0, kMemoCount - 1);
  const auto height = NumberIn(NextWord(rest), -200, 200);
  std::optional<bool> styles[4];
  for (auto& style : styles) style = Switch(NextWord(rest));
  if (!memo || !height || *height == 0 || rest.empty()) return std::nullopt;
  for (const auto& style : styles) {
    if (!style) return std::nullopt;
  }
  const auto window = static_cast<MemoId>(*memo);
  FontLook font = FontOf(look, window);
  font.name = std::string(rest);
  font.height = static_cast<int>(*height);
  font.bold = *styles[0];
  font.italic = *styles[1];
  font.underline = *styles[2];
  font.strikeOut = *styles[3];
  SettingsChange change;
  change.font = {window, font};
  return change;
}

std::optional<SettingsChange> LineChange(std::string_view line, const WindowLook& look) {
  std::string_view rest = line;
  const std::string_view key = NextWord(rest);
  SettingsChange change;
  if (key == "power") {
    if (rest != "100" && rest != "1000") return std::nullopt;
    change.power = rest == "100" ? Power::Low100 : Power::High1000;
    return change;
  }
  if (key == "side") {
    if (rest != "left" && rest != "right") return std::nullopt;
    change.sectionMapRight = rest == "right";
    return change;
  }
  if (key == "colour") {
    const auto item = NumberIn(NextWord(rest), 0, kColourItemCount - 1);
    const auto value = NumberIn(rest, 0, 0xFFFFFF);
    if (!item || !value) return std::nullopt;
    change.colour = {static_cast<ColourItem>(*item), static_cast<Colour>(*value)};
    return change;
  }
  if (key == "font") return FontChange(rest, look);
  if (key == "station") {
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    change.ownStation =
        OwnStationChange{std::string(rest.substr(0, tab)), std::string(rest.substr(tab + 1))};
    return change;
  }
  if (key == "timeout") {
    const auto hours = NumberIn(NextWord(rest), 0, 60);
    const auto minutes = NumberIn(rest, 0, 59);
    if (!hours || !minutes) return std::nullopt;
    change.timeout = TimeoutLength{static_cast<int>(*hours), static_cast<int>(*minutes)};
    return change;
  }
  return OptionChange(key, rest);
}

}  // namespace

SettingsAnswer ReadSettingsAnswer(std::string_view text, const WindowLook& look) {
  SettingsAnswer answer;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line == "choose-saved-game") {
      answer.chooseSavedGameFile = true;
      continue;
    }
    if (auto change = LineChange(line, look)) answer.changes.push_back(std::move(*change));
  }
  return answer;
}

}  // namespace tovk::web
