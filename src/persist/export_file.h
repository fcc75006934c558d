// What an export of the logbook reports, and writing an exported log to a
// file the player keeps: through a temporary file beside it, renamed over the
// target, so a failed export never leaves half a file behind.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

namespace tovk {

struct ExportResult {
  bool ok = true;     // false when the file could not be written
  std::string error;  // "Error writing file " + name, when not ok
  int written = 0;    // contacts written
  int skipped = 0;    // contact lines that could not be read and were left out
};

// What the player is told after an export to `file`: how many contacts were
// written and how many lines skipped, on two lines; or the error.
std::string ExportReport(const ExportResult& result, const std::filesystem::path& file);

// Writes what `write` produces to `file` through a synced temporary file
// renamed over it. On any failure an existing `file` is left as it was and the
// result is not ok.
ExportResult WriteExportFile(const std::filesystem::path& file,
                             const std::function<ExportResult(std::ostream&)>& write);

}  // namespace tovk
