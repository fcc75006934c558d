// Reading the logbook window back: the columns of a contact line between
// their bars, trimmed, whatever their widths.
#include "persist/log_lines.h"

#include <optional>

#include "world/text.h"

namespace tovk {
namespace {

constexpr std::string_view kDatePrefix = "1977/11/";
// The most characters logging puts in the callsign column and after the
// blank of the section column, and the longest check the game holds.
constexpr std::size_t kCallCharacters = 10;
constexpr std::size_t kSectionCharacters = 4;
constexpr std::size_t kCheckCharacters = 3;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::optional<int> ParseDigits(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A column without the blanks that pad it to its width.
std::string_view TrimBlanks(std::string_view text) {
  return Trim(text, " ");
}

std::vector<std::string_view> SplitColumns(std::string_view text) {
  std::vector<std::string_view> columns;
  std::size_t start = 0;
  while (true) {
    std::size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) {
      columns.push_back(text.substr(start));
      return columns;
    }
    columns.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
}

// Pieces `first` to `last` of `text` with the bars between them: a callsign
// or section typed with a bar in it spans several pieces.
std::string_view Rejoin(std::string_view text, const std::vector<std::string_view>& pieces,
                        std::size_t first, std::size_t last) {
  const auto begin = static_cast<std::size_t>(pieces[first].data() - text.data());
  const auto end =
      static_cast<std::size_t>(pieces[last].data() - text.data()) + pieces[last].size();
  return text.substr(begin, end - begin);
}

// Band, number, precedence and check, from piece `band` on. The number may
// be wider than its column and the check need not be two digits: a contact
// logged by hand before any station called carries "99999999" and "XX".
bool ParseExchangeColumns(const std::vector<std::string_view>& pieces, std::size_t band,
                          LoggedContact& contact) {
  const std::string_view bandText = TrimBlanks(pieces[band]);
  const auto number = ParseDigits(TrimBlanks(pieces[band + 1]));
  const std::string_view prec = TrimBlanks(pieces[band + 2]);
  const std::string_view check = TrimBlanks(pieces[band + 3]);
  if (BandIndex(bandText) < 0 || !number || CharacterCount(prec) != 1 || check.empty() ||
      CharacterCount(check) > kCheckCharacters) {
    return false;
  }
  contact.band = std::string(bandText);
  contact.number = *number;
  contact.prec = std::string(prec);
  contact.check = std::string(check);
  return true;
}

// The seven columns after the time stamp: callsign, band, number,
// precedence, check, section, own serial number, each read between its bars
// and trimmed. Logging cuts the callsign column to ten characters and the
// section to four after a blank, which tells where a bar typed into either
// belongs. A contact without a callsign or a section is not one the game
// logs.
bool ParseColumns(std::string_view rest, LoggedContact& contact) {
  const std::vector<std::string_view> pieces = SplitColumns(rest);
  if (pieces.size() < 7) return false;
  const std::size_t serialAt = pieces.size() - 1;
  const auto serial = ParseDigits(TrimBlanks(pieces[serialAt]));
  if (!serial || *serial < 1) return false;
  for (std::size_t band = 1; band + 5 <= serialAt; ++band) {
    const std::string_view callColumn = Rejoin(rest, pieces, 0, band - 1);
    const std::string_view sectionColumn = Rejoin(rest, pieces, band + 4, serialAt - 1);
    const std::string_view call = TrimBlanks(callColumn);
    const std::string_view section = TrimBlanks(sectionColumn);
    if (call.empty() || CharacterCount(callColumn) > kCallCharacters) continue;
    if (section.empty() || CharacterCount(sectionColumn) > kSectionCharacters + 1) continue;
    if (!ParseExchangeColumns(pieces, band, contact)) continue;
    contact.call = std::string(call);
    contact.section = std::string(section);
    contact.serial = *serial;
    return true;
  }
  return false;
}

std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.find_last_not_of(" \t\r\n");
  if (end == std::string_view::npos) return {};
  return text.substr(0, end + 1);
}

}  // namespace

LogLine ParseLogLine(std::string_view line) {
  LogLine result;
  line = TrimRight(line);
  if (line.empty()) {
    result.kind = LogLineKind::Blank;
    return result;
  }
  if (!line.starts_with(kDatePrefix)) return result;
  line.remove_prefix(kDatePrefix.size());

  // Day, then "|HH:MM|".
  std::size_t bar = line.find('|');
  if (bar == std::string_view::npos || bar > 2) return result;
  auto day = ParseDigits(line.substr(0, bar));
  if (!day || *day < 1 || *day > 30) return result;
  line.remove_prefix(bar + 1);
  if (line.size() < 6 || line[2] != ':' || line[5] != '|') return result;
  auto hour = ParseDigits(line.substr(0, 2));
  auto minute = ParseDigits(line.substr(3, 2));
  if (!hour || !minute || *hour > 23 || *minute > 59) return result;
  line.remove_prefix(6);

  // Event lines carry a dash where a contact line has its callsign.
  if (line.starts_with("- ") || line.starts_with(" - ")) {
    result.kind = LogLineKind::Event;
    return result;
  }

  LoggedContact contact;
  contact.day = *day;
  contact.hour = *hour;
  contact.minute = *minute;
  if (!ParseColumns(line, contact)) return result;
  result.kind = LogLineKind::Contact;
  result.contact = std::move(contact);
  return result;
}

ParsedLog ParseLog(const std::vector<std::string>& lines) {
  ParsedLog log;
  for (const std::string& text : lines) {
    LogLine line = ParseLogLine(text);
    if (line.kind == LogLineKind::Contact) log.contacts.push_back(std::move(line.contact));
    if (line.kind == LogLineKind::Broken) ++log.broken;
  }
  return log;
}

int ContestHour(const LoggedContact& contact) {
  return (contact.day - 18) * 24 + contact.hour - 21;
}

int BandIndex(std::string_view band) {
  for (int i = 0; i < kBandCount; ++i) {
    if (band == kBands[i]) return i;
  }
  return -1;
}

int BandFrequencyKhz(std::string_view band) {
  constexpr int kFrequencies[kBandCount] = {3800, 7200, 14250, 21300, 28500};
  int index = BandIndex(band);
  return index < 0 ? 0 : kFrequencies[index];
}

}  // namespace tovk
