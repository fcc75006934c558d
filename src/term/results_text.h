// The results summary as the terminal front-end prints it: the contest's
// figures, contacts per band and per contest hour, the sections still needed
// and the last runs of the practice history, one output line each.
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

// The summary's lines, without their tag.
std::vector<std::string> ResultsLines(const ResultsSummary& summary,
                                      const std::vector<PracticeRun>& runs);

}  // namespace tovk::term
