// The figures of the results summary, from the game and its logbook window.
#include "persist/results.h"

#include <cstdio>

#include "engine/actions.h"
#include "world/sections.h"

namespace tovk {
namespace {

// The same rule as the status bar's rate: whole contacts per operating hour,
// "-" before the first contact or the first operating minute.
std::string RateText(int contacts, int operatingMinutes) {
  if (contacts < 1 || operatingMinutes <= 0) return "-";
  return std::to_string(contacts * 60 / operatingMinutes);
}

std::vector<NeededSections> SectionsNeeded(const Game& g) {
  std::vector<NeededSections> needed;
  for (const CallArea& area : kCallAreas) {
    NeededSections entry{area.caption, {}};
    for (int section = area.first; section <= area.last; ++section) {
      if (g.SectionStatus[section] != SectionState::Worked)
        entry.sections.push_back(g.SectionName[section].str());
    }
    if (!entry.sections.empty()) needed.push_back(std::move(entry));
  }
  return needed;
}

}  // namespace

std::string FormatOperatingTime(int hours, int minutes) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", hours, minutes);
  return buffer;
}

ResultsSummary ComputeResults(const Game& g) {
  ResultsSummary summary;
  summary.contacts = g.Mynumber > 1 ? g.Mynumber - 1 : 0;
  summary.sections = g.SectionsWorked;
  summary.score = 2 * g.SectionsWorked * summary.contacts;
  summary.scoreText = FormatScore(summary.score);
  summary.rateText = RateText(summary.contacts, g.OpHours * 60 + g.OpMinutes);
  summary.dupes = g.DupeCount;
  summary.lids = g.ErrorCount;
  summary.opHours = g.OpHours;
  summary.opMinutes = g.OpMinutes;
  summary.operatingTime = FormatOperatingTime(g.OpHours, g.OpMinutes);

  ParsedLog log = ParseLog(g.Lines(MemoId::Log));
  summary.unreadLines = log.broken;
  for (const LoggedContact& contact : log.contacts) {
    int band = BandIndex(contact.band);
    if (band >= 0) ++summary.contactsPerBand[band];
    // A contact outside the contest period (only in a log edited by hand)
    // has no bar in the chart.
    int hour = ContestHour(contact);
    if (hour >= 0 && hour < kContestHours) ++summary.contactsPerHour[hour];
  }
  summary.sectionsNeeded = SectionsNeeded(g);
  return summary;
}

}  // namespace tovk
