// The log in Cabrillo 3.0 for the Sweepstakes phone contest: a header with
// the player's station and claimed score, then one QSO line per contact of
// the logbook window in the contest's fixed column layout.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "persist/export_file.h"
#include "persist/log_lines.h"
#include "world/game.h"

namespace tovk {

// The QSO line of one contact, sent by the player's station `mycall` with
// precedence `myprec`, check `mycheck` and section `mysection`.
std::string CabrilloQsoLine(const LoggedContact& contact, const std::string& mycall,
                            const std::string& myprec, const std::string& mycheck,
                            const std::string& mysection);

// Writes the whole log from the game's logbook window. Lines that are not
// contacts are left out; contact lines that cannot be read are counted as
// skipped.
ExportResult ExportCabrillo(const Game& g, std::ostream& out);
// The same into `file`, replaced only once it is completely written.
ExportResult ExportCabrilloFile(const Game& g, const std::filesystem::path& file);

}  // namespace tovk
