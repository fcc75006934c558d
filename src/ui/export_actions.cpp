// Exporting the log from the Game menu.
#include "ui/export_actions.h"

#include <algorithm>
#include <system_error>

#include "engine/actions.h"
#include "persist/adif.h"
#include "persist/cabrillo.h"
#include "persist/practice_history.h"

namespace tovk::ui {

std::string ProposedLogName(const std::string& mycall, LogFormat format) {
  std::string name = mycall.empty() ? std::string("log") : mycall;
  std::replace(name.begin(), name.end(), '/', '-');
  std::replace(name.begin(), name.end(), '\\', '-');
  return name + (format == LogFormat::Cabrillo ? ".log" : ".adi");
}

void ExportLogClick(Game& g, LogFormat format) {
  const bool cabrillo = format == LogFormat::Cabrillo;
  FileRequest request;
  request.save = true;
  request.title = cabrillo ? "Export Cabrillo" : "Export ADIF";
  request.filter = cabrillo ? "Cabrillo logs|*.log;*.cbr|All files|*.*"
                            : "ADIF files|*.adi;*.adif|All files|*.*";
  request.folder = g.folder.string();
  request.fileName = ProposedLogName(g.Mycall.str(), format);
  const auto chosen = g.screen.ChooseFile(request);
  if (!chosen || chosen->empty()) return;

  const std::filesystem::path file = g.InFolder(*chosen);
  std::error_code error;
  if (std::filesystem::exists(file, error) &&
      !Confirm(g, file.filename().string() + " exists, overwrite ?"))
    return;
  const ExportResult result = cabrillo ? ExportCabrilloFile(g, file) : ExportAdifFile(g, file);
  g.ShowMessage(ExportReport(result, file));
}

}  // namespace tovk::ui
