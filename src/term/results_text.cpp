// Laying out the results summary in lines.
#include "term/results_text.h"

#include <cstdio>
#include <ctime>

namespace tovk::term {
namespace {

constexpr int kHoursPerLine = 12;

std::string Padded(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, " %3d", value);
  return buffer;
}

// "Nov 18 21:00" for the start of contest hour `hour`.
std::string HourStart(int hour) {
  const int fromDayStart = 21 + hour;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "Nov %d %02d:00", 18 + fromDayStart / 24, fromDayStart % 24);
  return buffer;
}

// "  accuracy 94%  checked 1234" for a run copied by ear.
std::string CheckedText(const PracticeRun& run) {
  if (!run.accuracy || !run.checkedScore) return {};
  return "  accuracy " + std::to_string(*run.accuracy) + "%  checked " +
         std::to_string(*run.checkedScore);
}

std::string RunLine(const PracticeRun& run) {
  return "Run " + run.when + "  " + run.call + "  " + std::to_string(run.power) + " W  " +
         std::to_string(run.contacts) + " QSOs  " + std::to_string(run.sections) +
         " sections  score " + std::to_string(run.score) + "  dupes " + std::to_string(run.dupes) +
         "  lids " + std::to_string(run.lids) + "  op " + run.operatingTime + CheckedText(run);
}

}  // namespace

std::vector<std::string> ResultsLines(const ResultsSummary& s,
                                      const std::vector<PracticeRun>& runs) {
  std::vector<std::string> lines;
  lines.push_back("Contacts " + std::to_string(s.contacts) + "  Sections " +
                  std::to_string(s.sections) + "  Score " + s.scoreText + "  Q/hr " + s.rateText);
  lines.push_back("Dupes " + std::to_string(s.dupes) + "  Lids " + std::to_string(s.lids) +
                  "  Operating time " + s.operatingTime);
  if (s.unreadLines > 0)
    lines.push_back("Log lines that could not be read " + std::to_string(s.unreadLines));

  std::string bands = "Bands";
  for (int band = 0; band < kBandCount; ++band)
    bands += std::string(band == 0 ? " " : "  ") + kBands[band] + "m " +
             std::to_string(s.contactsPerBand[band]);
  lines.push_back(bands);

  for (int first = 0; first < kContestHours; first += kHoursPerLine) {
    std::string line = "Hours from " + HourStart(first) + ":";
    for (int hour = first; hour < kContestHours && hour < first + kHoursPerLine; ++hour)
      line += Padded(s.contactsPerHour[hour]);
    lines.push_back(line);
  }

  for (const NeededSections& area : s.sectionsNeeded) {
    std::string line = "Needed " + area.area + ":";
    for (const std::string& section : area.sections) line += " " + section;
    lines.push_back(line);
  }
  if (s.sectionsNeeded.empty()) lines.push_back("Needed none: every section worked");

  for (const PracticeRun& run : runs) lines.push_back(RunLine(run));
  return lines;
}

}  // namespace tovk::term
