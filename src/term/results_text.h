// The results summary as the terminal front-end prints it: the contest's
// figures, contacts per band and per contest hour, the sections still needed
// and the last runs of the practice history, one output line each; and the
// date and time a finished run is recorded with.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "persist/practice_history.h"
#include "persist/results.h"
#include "world/game.h"

namespace tovk::term {

// How many runs of the practice history the summary lists.
constexpr std::size_t kHistoryRunsShown = 10;

// The summary's lines, without their tag.
std::vector<std::string> ResultsLines(const ResultsSummary& summary,
                                      const std::vector<PracticeRun>& runs);

// `when` in local time, ISO 8601 without a zone: "2024-11-16T14:05:09".
std::string LocalIsoTimestamp(std::chrono::system_clock::time_point when);

}  // namespace tovk::term
