// Writing an exported log through the game's synced temporary-file writer.
#include "persist/export_file.h"

#include <sstream>

#include "persist/atomic_file.h"

namespace tovk {

namespace {

std::string Counted(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ExportReport(const ExportResult& result, const std::filesystem::path& file) {
  if (!result.ok) return result.error;
  return "Wrote " + Counted(result.written, "contact", "contacts") + " to " +
         file.filename().string() + "\nSkipped " +
         Counted(result.skipped, "log line", "log lines") + " that could not be read";
}

ExportResult WriteExportFile(const std::filesystem::path& file,
                             const std::function<ExportResult(std::ostream&)>& write) {
  std::ostringstream text;
  ExportResult result = write(text);
  if (result.ok && WriteFileAtomically(file, text.str())) return result;
  result.ok = false;
  result.error = "Error writing file " + file.string();
  return result;
}

}  // namespace tovk
