// Writing an exported log through a temporary file renamed over the target.
#include "persist/export_file.h"

#include <fstream>
#include <system_error>

namespace tovk {

ExportResult WriteExportFile(const std::filesystem::path& file,
                             const std::function<ExportResult(std::ostream&)>& write) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  ExportResult failed;
  failed.ok = false;
  failed.error = "Error writing file " + file.string();

  ExportResult result;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return failed;
    result = write(out);
    out.flush();
    if (!out || !result.ok) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      failed.written = result.written;
      failed.skipped = result.skipped;
      return failed;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    failed.written = result.written;
    failed.skipped = result.skipped;
    return failed;
  }
  return result;
}

}  // namespace tovk
