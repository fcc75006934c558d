// Exporting the log from the Game menu or tovk-term's export command.
#include "app/export_log.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/actions.h"
#include "persist/adif.h"
#include "persist/cabrillo.h"

namespace tovk {
namespace {

// The save dialog for the format; nothing when the player cancels.
std::optional<std::string> AskForExportFile(Game& g, LogFormat format) {
  const bool cabrillo = format == LogFormat::Cabrillo;
  FileRequest request;
  request.save = true;
  request.title = cabrillo ? "Export Cabrillo" : "Export ADIF";
  request.filter = cabrillo ? "Cabrillo logs|*.log;*.cbr|All files|*.*"
                            : "ADIF files|*.adi;*.adif|All files|*.*";
  request.folder = g.folder.string();
  request.fileName = ProposedLogName(g.Mycall.str(), format);
  auto chosen = g.screen.ChooseFile(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return chosen;
}

}  // namespace

std::string ProposedLogName(const std::string& mycall, LogFormat format) {
  std::string name = mycall.empty() ? std::string("log") : mycall;
  std::replace(name.begin(), name.end(), '/', '-');
  std::replace(name.begin(), name.end(), '\\', '-');
  return name + (format == LogFormat::Cabrillo ? ".log" : ".adi");
}

void ExportLog(Game& g, LogFormat format, const std::optional<std::string>& named) {
  const std::optional<std::string> chosen = named ? named : AskForExportFile(g, format);
  if (!chosen) return;
  const std::filesystem::path file = g.InFolder(*chosen);
  std::error_code error;
  if (std::filesystem::exists(file, error) &&
      !Confirm(g, file.filename().string() + " exists, overwrite ?"))
    return;
  const ExportResult result =
      format == LogFormat::Cabrillo ? ExportCabrilloFile(g, file) : ExportAdifFile(g, file);
  g.ShowMessage(ExportReport(result, file));
}

}  // namespace tovk
