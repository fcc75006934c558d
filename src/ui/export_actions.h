// The Game menu's entries for after the contest: exporting the log as
// Cabrillo or ADIF through a file-save dialog, and where the practice
// history lives.
#pragma once

#include <filesystem>
#include <string>

#include "world/game.h"

namespace tovk::ui {

enum class LogFormat { Cabrillo, Adif };

// The name the save dialog proposes: the own callsign with the format's
// extension, "K1ABC.log" / "K1ABC.adi"; a "/" in the callsign becomes "-".
std::string ProposedLogName(const std::string& mycall, LogFormat format);

// "Export Cabrillo..." / "Export ADIF...": asks for the file, asks before
// replacing one that exists, writes the log and tells how many contacts were
// written and how many lines skipped (or the error).
void ExportLogClick(Game& g, LogFormat format);

}  // namespace tovk::ui
