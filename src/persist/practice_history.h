// The practice history: one CSV line per finished contest in a file beside
// the settings file, so the player sees progress from run to run.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "world/game.h"

namespace tovk {

// One finished contest.
struct PracticeRun {
  std::string when;  // date and time of the run, ISO 8601
  std::string call;  // own callsign
  int power = 0;     // watts: 100 or 1000
  int contacts = 0;
  int sections = 0;
  int score = 0;
  int dupes = 0;
  int lids = 0;
  std::string operatingTime;  // "HH:MM"
  // The log check of a contest copied by ear: copying accuracy in percent and
  // the score with only correct contacts; none for a contest not copied by ear.
  std::optional<int> accuracy;
  std::optional<int> checkedScore;

  friend bool operator==(const PracticeRun&, const PracticeRun&) = default;
};

// How many runs of the practice history a results summary lists.
constexpr std::size_t kHistoryRunsShown = 10;

// `when` in local time, ISO 8601 without a zone: "2024-11-16T14:05:09", as
// the history dates its runs.
std::string LocalIsoTimestamp(std::chrono::system_clock::time_point when);

// The first line of the file.
extern const char* const kPracticeHistoryHeader;

// The history file beside the settings file: "tovk.ini" gives "tovk-history.csv".
std::filesystem::path PracticeHistoryPath(const std::filesystem::path& settingsFile);
// The practice history of this game: its own file when the front-end set
// one, otherwise the one beside the settings file.
std::filesystem::path PracticeHistoryFile(const Game& g);

// The run the game has just finished, dated `when`.
PracticeRun PracticeRunOf(const Game& g, const std::string& when);

// One CSV line, without its line end; a field holding a comma or a quote is
// quoted. A run with a log check has two more fields: accuracy and checked
// score.
std::string FormatPracticeRun(const PracticeRun& run);

// Adds the game's run to the file, creating it with its header line. The
// earlier lines are kept byte for byte: the whole file is written to a synced
// temporary file beside it and renamed over it. False when the file could not
// be read or written; it is then left as it was.
bool AppendPracticeHistory(const std::filesystem::path& file, const Game& g,
                           const std::string& when);
bool AppendPracticeHistory(const std::filesystem::path& file, const PracticeRun& run);

// The last `lastN` runs of the history, oldest first. Lines that cannot be
// read (the header, a damaged line) are passed over; a missing file gives none.
std::vector<PracticeRun> ReadPracticeHistory(std::istream& in, std::size_t lastN);
std::vector<PracticeRun> ReadPracticeHistory(const std::filesystem::path& file, std::size_t lastN);

}  // namespace tovk
