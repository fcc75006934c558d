// The main window after the contest: the practice history line and the
// results summary when the contest ends, and the summary on request.
#include "ui/main_window.h"

#include <QDateTime>

#include "persist/practice_history.h"
#include "persist/results.h"
#include "ui/export_actions.h"
#include "ui/results_dialog.h"

namespace tovk::ui {

void TFormMain::ContestEnded() {
  const std::filesystem::path history = PracticeHistoryFile(game_);
  const std::string now = QDateTime::currentDateTime().toString(Qt::ISODate).toStdString();
  if (!AppendPracticeHistory(history, game_, now))
    ShowMessage("Error writing file " + history.string());
  ShowResults();
}

void TFormMain::ShowResults() {
  FlushMemos();
  if (results_ == nullptr) results_ = new ResultsDialog(this);
  results_->SetResults(ComputeResults(game_),
                       ReadPracticeHistory(PracticeHistoryFile(game_), kHistoryRunsShown));
  results_->show();
  results_->raise();
  results_->activateWindow();
}

}  // namespace tovk::ui
