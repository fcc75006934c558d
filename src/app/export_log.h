// Exporting the log as Cabrillo or ADIF: the file asked for (or named by
// tovk-term), the question before a file is replaced, and the report of what
// was written and skipped.
#pragma once

#include <optional>
#include <string>

#include "world/game.h"

namespace tovk {

enum class LogFormat { Cabrillo, Adif };

// The name the save dialog proposes: the own callsign with the format's
// extension, "K1ABC.log" / "K1ABC.adi"; a "/" in the callsign becomes "-".
std::string ProposedLogName(const std::string& mycall, LogFormat format);

// "Export Cabrillo..." / "Export ADIF...": writes the log to `file`, or to
// the file the player chooses when none is named (a name without a folder
// lies in the game's folder); asks before replacing a file that exists and
// tells how many contacts were written and how many lines skipped (or the
// error).
void ExportLog(Game& g, LogFormat format, const std::optional<std::string>& file);

}  // namespace tovk
