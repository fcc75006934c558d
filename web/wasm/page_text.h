// What the page's script is told, as JSON texts: the command, menu and key
// tables it builds its controls from, the section map's layout, the results
// summary, the settings the dialog opens with, the window's look and a file
// request. The page draws from these; it keeps no copy of the tables.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/settings_change.h"
#include "persist/practice_history.h"
#include "persist/results.h"
#include "world/game.h"

namespace tovk::web {

// `text` as a JSON string, quotes included.
std::string JsonQuote(std::string_view text);

// The commands, menus, keys, the next-step explanation, the bands, the call
// areas and the section names of `g`.
std::string TablesJson(const Game& g);

std::string ResultsJson(const ResultsSummary& results, const std::vector<PracticeRun>& history);

// The values the settings dialog shows.
std::string SettingsJson(const GameState& s);

std::string LookJson(const WindowLook& look);

std::string FileRequestJson(const FileRequest& request);

}  // namespace tovk::web
