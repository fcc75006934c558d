// Reading the logbook window back, strictly by the layout of its lines.
#include "persist/log_lines.h"

#include <optional>

namespace tovk {
namespace {

constexpr std::string_view kDatePrefix = "1977/11/";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Printable ASCII without the blank and the column bar.
bool IsTokenCharacter(char c) {
  return c > ' ' && c <= '~' && c != '|';
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

// A number right-aligned in a column after its leading blank: " " + at least
// four characters, blanks then digits.
std::optional<int> ParseRightAligned(std::string_view field) {
  if (field.size() < 5 || field[0] != ' ') return std::nullopt;
  std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  return ParseDigits(field.substr(first));
}

// A text left-aligned in a column of fixed width and padded with blanks: one
// word of printable characters.
std::optional<std::string> ParseLeftAligned(std::string_view column) {
  std::size_t end = column.find_last_not_of(' ');
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view word = column.substr(0, end + 1);
  for (char c : word) {
    if (!IsTokenCharacter(c)) return std::nullopt;
  }
  return std::string(word);
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

// The nine columns after the time stamp: callsign, band, number, precedence,
// check, section, own serial number.
bool ParseColumns(std::string_view rest, LoggedContact& contact) {
  std::vector<std::string_view> columns = SplitColumns(rest);
  if (columns.size() != 7) return false;

  if (columns[0].size() != 10) return false;
  auto call = ParseLeftAligned(columns[0]);
  if (!call || columns[0][0] == ' ') return false;
  contact.call = *call;

  std::string_view band = columns[1];
  if (band.size() < 2 || band[0] != ' ' || BandIndex(band.substr(1)) < 0) return false;
  contact.band = std::string(band.substr(1));

  auto number = ParseRightAligned(columns[2]);
  if (!number) return false;
  contact.number = *number;

  std::string_view prec = columns[3];
  if (prec.size() != 3 || prec[0] != ' ' || prec[2] != ' ' || prec[1] < 'A' || prec[1] > 'Z') {
    return false;
  }
  contact.prec = std::string(1, prec[1]);

  std::string_view check = columns[4];
  if (check.size() != 3 || check[0] != ' ' || !IsDigit(check[1]) || !IsDigit(check[2])) {
    return false;
  }
  contact.check = std::string(check.substr(1));

  std::string_view section = columns[5];
  if (section.size() != 5 || section[0] != ' ' || section[1] == ' ') return false;
  auto sectionText = ParseLeftAligned(section.substr(1));
  if (!sectionText) return false;
  contact.section = *sectionText;

  auto serial = ParseRightAligned(columns[6]);
  if (!serial || *serial < 1) return false;
  contact.serial = *serial;
  return true;
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
