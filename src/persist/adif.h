// The log in ADIF 3.1 for the player's logging program: a header naming the
// format version and the program, then one record per contact of the logbook
// window with the Sweepstakes exchange in its own fields.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "persist/export_file.h"
#include "persist/log_lines.h"
#include "world/game.h"

namespace tovk {

// One field: "<NAME:length>data", the length counted in bytes.
std::string AdifField(std::string_view name, std::string_view data);

// The record of one contact made by the player's station `mycall` (left out
// when empty), ending in "<EOR>".
std::string AdifRecord(const LoggedContact& contact, const std::string& mycall);

// Writes the whole log from the game's logbook window. Lines that are not
// contacts are left out; contact lines that cannot be read are counted as
// skipped.
ExportResult ExportAdif(const Game& g, std::ostream& out);
// The same into `file`, replaced only once it is completely written.
ExportResult ExportAdifFile(const Game& g, const std::filesystem::path& file);

}  // namespace tovk
