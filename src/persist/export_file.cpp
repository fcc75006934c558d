// Writing an exported log through the game's synced temporary-file writer.
#include "persist/export_file.h"

#include <sstream>

#include "persist/atomic_file.h"

namespace tovk {

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
