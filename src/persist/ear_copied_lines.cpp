// Writing and reading the lines on contacts copied by ear.
#include "persist/ear_copied_lines.h"

#include <array>
#include <charconv>

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

}  // namespace

std::vector<std::string> EarCopiedLines(const GameState& s) {
  if (!s.Sound.copyByEar && s.EarCopied.empty()) return {};
  std::vector<std::string> lines{kEarCopiedMarker};
  std::string inHand = "S";
  AddParts(inHand, s.StationSent);
  lines.push_back(std::move(inHand));
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
  if (parts[0] != "C" || parts.size() != 12) return;
  int serial = 0;
  const std::string_view number = parts[1];
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), serial);
  if (error != std::errc() || end != number.data() + number.size() || serial < 1) return;
  s.EarCopied.push_back({serial, PartsFrom(parts, 2), PartsFrom(parts, 7)});
}

}  // namespace tovk
