// The log in Cabrillo 3.0 for the Sweepstakes phone contest.
#include "persist/cabrillo.h"

#include <cstdio>

namespace tovk {
namespace {

// Puts `text` so that it starts at `column` (counted from 1). A line already
// reaching that column gets a single blank instead, so fields never run into
// each other: Cabrillo readers split a QSO line on blanks.
void PutAt(std::string& line, std::size_t column, const std::string& text) {
  if (line.size() + 1 < column) {
    line.append(column - 1 - line.size(), ' ');
  } else {
    line += ' ';
  }
  line += text;
}

// `text` right-aligned in `width` characters (a longer text is kept whole).
std::string RightAligned(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

// A logged text as one Cabrillo field: readers split a QSO line on blanks,
// so a blank typed inside a callsign or section is left out.
std::string OneWord(const std::string& text) {
  std::string word;
  for (char c : text) {
    if (c != ' ') word += c;
  }
  return word;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

}  // namespace

// Columns: freq 6-10, mode 12-13, date 15-24, time 26-29, then the sent
// exchange (call 31-40, nr 42-45, p 47, ck 49-50, sec 52-54) and the received
// one (call 56-65, nr 67-70, p 72, ck 74-75, sec 77-79). A section of four
// letters (such as "EBAY" or "NYLI") is written in full: as the received
// section it is the last field and only runs on to column 80; anywhere else
// the next field follows after one blank, so no field is ever cut or merged.
// Wider fields (a number of eight digits, a longer check) push the rest of
// the line on in the same way.
std::string CabrilloQsoLine(const LoggedContact& contact, const std::string& mycall,
                            const std::string& myprec, const std::string& mycheck,
                            const std::string& mysection) {
  std::string line = "QSO:";
  PutAt(line, 6, RightAligned(std::to_string(BandFrequencyKhz(contact.band)), 5));
  PutAt(line, 12, "PH");
  PutAt(line, 15, "1977-11-" + TwoDigits(contact.day));
  PutAt(line, 26, TwoDigits(contact.hour) + TwoDigits(contact.minute));
  PutAt(line, 31, mycall);
  PutAt(line, 42, RightAligned(std::to_string(contact.serial), 4));
  PutAt(line, 47, myprec);
  PutAt(line, 49, mycheck);
  PutAt(line, 52, mysection);
  PutAt(line, 56, OneWord(contact.call));
  PutAt(line, 67, RightAligned(std::to_string(contact.number), 4));
  PutAt(line, 72, contact.prec);
  PutAt(line, 74, OneWord(contact.check));
  PutAt(line, 77, OneWord(contact.section));
  return line;
}

ExportResult ExportCabrillo(const Game& g, std::ostream& out) {
  ParsedLog log = ParseLog(g.Lines(MemoId::Log));
  int contacts = g.Mynumber > 1 ? g.Mynumber - 1 : 0;
  out << "START-OF-LOG: 3.0\r\n"
      << "CONTEST: ARRL-SS-SSB\r\n"
      << "CALLSIGN: " << g.Mycall.str() << "\r\n"
      << "LOCATION: " << g.Mysection << "\r\n"
      << "CATEGORY-OPERATOR: SINGLE-OP\r\n"
      << "CATEGORY-POWER: " << (g.Myprec == "B" ? "HIGH" : "LOW") << "\r\n"
      << "CLAIMED-SCORE: " << 2 * g.SectionsWorked * contacts << "\r\n"
      << "CREATED-BY: Tovk 1.0\r\n";
  for (const LoggedContact& contact : log.contacts) {
    out << CabrilloQsoLine(contact, g.Mycall.str(), g.Myprec.str(), g.Mycheck.str(), g.Mysection)
        << "\r\n";
  }
  out << "END-OF-LOG:\r\n";

  ExportResult result;
  result.ok = static_cast<bool>(out);
  result.written = static_cast<int>(log.contacts.size());
  result.skipped = log.broken;
  return result;
}

ExportResult ExportCabrilloFile(const Game& g, const std::filesystem::path& file) {
  return WriteExportFile(file, [&g](std::ostream& out) { return ExportCabrillo(g, out); });
}

}  // namespace tovk
