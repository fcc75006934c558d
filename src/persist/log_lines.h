// Reading the logbook window back: each of its lines is a contact line (date,
// time and nine bar-separated columns), an event line (start or end of
// operation, a timeout), or something that is neither, such as a line edited
// by hand in a saved game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tovk {

// One contact as the logbook holds it.
struct LoggedContact {
  int day = 0;  // of November 1977
  int hour = 0;
  int minute = 0;
  std::string call;     // the other station's callsign as logged (typed: any text)
  std::string band;     // "80", "40", "20", "15" or "10"
  int number = 0;       // the serial number the other station sent
  std::string prec;     // its precedence, one character
  std::string check;    // its check: two digits, or "XX" before any station called
  std::string section;  // its section as logged (at most 4 characters, any text)
  int serial = 0;       // the player's own serial number for this contact
};

enum class LogLineKind {
  Contact,  // a contact line as logging writes it
  Event,    // start or end of operation, a timeout
  Blank,    // an empty line
  Broken,   // neither: a contact line that does not follow the layout
};

struct LogLine {
  LogLineKind kind = LogLineKind::Broken;
  LoggedContact contact;  // filled for a contact line only
};

// Reads one logbook line: its columns between their bars, trimmed.
LogLine ParseLogLine(std::string_view line);

// The contacts of a whole logbook, and how many lines were broken. Event and
// blank lines are passed over without being counted.
struct ParsedLog {
  std::vector<LoggedContact> contacts;
  int broken = 0;
};
ParsedLog ParseLog(const std::vector<std::string>& lines);

// Contest hour of a contact, 0 for day 18 from 21:00 on; the contest's 54
// hours are 0..53.
constexpr int kContestHours = 54;
int ContestHour(const LoggedContact& contact);

// Bands in the order of the band box, and the frequency in kHz a contact
// on each is given in an exported log (0 for an unknown band).
constexpr const char* kBands[] = {"80", "40", "20", "15", "10"};
constexpr int kBandCount = 5;
int BandIndex(std::string_view band);  // -1 for an unknown band
int BandFrequencyKhz(std::string_view band);

}  // namespace tovk
