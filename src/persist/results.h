// The figures of the results summary: what the status bar counts, the
// operating time, the contacts per band and per contest hour read from the
// logbook window, and the sections still needed, by call area.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "persist/log_lines.h"
#include "world/game.h"

namespace tovk {

// The sections of one call area that are still needed.
struct NeededSections {
  std::string area;  // "W1" ... "W0", "VE"
  std::vector<std::string> sections;
};

struct ResultsSummary {
  int contacts = 0;  // Mynumber - 1
  int sections = 0;
  int score = 0;
  std::string scoreText;  // as the status bar shows it: "12,345"
  std::string rateText;   // contacts per operating hour, "-" before the first
  int dupes = 0;
  int lids = 0;
  int opHours = 0;
  int opMinutes = 0;
  std::string operatingTime;                      // "HH:MM"
  std::array<int, kBandCount> contactsPerBand{};  // in the order of kBands
  std::array<int, kContestHours> contactsPerHour{};
  std::vector<NeededSections> sectionsNeeded;  // areas with a needed section, in area order
  int unreadLines = 0;                         // logbook lines that look like no contact or event
};

ResultsSummary ComputeResults(const Game& g);

// Operating time as "HH:MM" (hours may run past two digits).
std::string FormatOperatingTime(int hours, int minutes);

}  // namespace tovk
