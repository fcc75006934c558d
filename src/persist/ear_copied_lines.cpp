// Writing and reading the lines on contacts copied by ear.
#include "persist/ear_copied_lines.h"

#include <array>
#include <charconv>
#include <optional>

namespace tovk {

const char* const kEarCopiedMarker = "# Copied by ear";
const char* const kEndOfEarCopiedMarker = "# End of copied by ear";

namespace {

constexpr char kBar = '|';

void AddParts(std::string& line, const ExchangeText& parts) {
  for (const std::string* part :
       {&parts.number, &parts.prec, &parts.call, &parts.check, &parts.section}) {
    line += kBar;
    // A bar or a line break inside a part would shift the parts after it.
    for (char c : *part) line += (c == kBar || c == '\r' || c == '\n') ? ' ' : c;
  }
}

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find(kBar, start);
    parts.push_back(line.substr(start, bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

ExchangeText PartsFrom(const std::vector<std::string_view>& parts, std::size_t first) {
  return {std::string(parts[first]), std::string(parts[first + 1]), std::string(parts[first + 2]),
          std::string(parts[first + 3]), std::string(parts[first + 4])};
}

// A whole part read as a number; none for anything else.
std::optional<int> Number(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

}  // namespace

std::vector<std::string> EarCopiedLines(const GameState& s) {
  if (!s.Sound.copyByEar && s.EarCopied.empty()) return {};
  std::vector<std::string> lines{kEarCopiedMarker};
  std::string inHand = "S";
  AddParts(inHand, s.StationSent);
  lines.push_back(std::move(inHand));
  if (!s.KeptBack.empty()) {
    std::string keptBack = "K";
    for (int place : s.KeptBack) keptBack += kBar + std::to_string(place);
    lines.push_back(std::move(keptBack));
  }
  for (const EarCopiedContact& contact : s.EarCopied) {
    std::string line = "C|" + std::to_string(contact.serial);
    AddParts(line, contact.logged);
    AddParts(line, contact.sent);
    lines.push_back(std::move(line));
  }
  lines.emplace_back(kEndOfEarCopiedMarker);
  return lines;
}

void ReadEarCopiedLine(GameState& s, std::string_view line) {
  const std::vector<std::string_view> parts = Split(line);
  if (parts[0] == "S" && parts.size() == 6) {
    s.StationSent = PartsFrom(parts, 1);
    return;
  }
  if (parts[0] == "K") {
    for (std::size_t i = 1; i < parts.size(); ++i) {
      const std::optional<int> place = Number(parts[i]);
      if (place && *place >= 0) s.KeptBack.push_back(*place);
    }
    return;
  }
  if (parts[0] != "C" || parts.size() != 12) return;
  const std::optional<int> serial = Number(parts[1]);
  if (!serial || *serial < 1) return;
  s.EarCopied.push_back({*serial, PartsFrom(parts, 2), PartsFrom(parts, 7)});
}

}  // namespace tovk
