// The results summary: the contest's figures, contacts per band, the
// sections still needed by call area, the chart of contacts per contest hour
// (which can be saved as a PNG picture) and the last runs of the practice
// history. Not modal: the window stays usable while it is open.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/log_check.h"
#include "persist/practice_history.h"
#include "persist/results.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tovk::ui {

class RateChart;

class ResultsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ResultsDialog(QWidget* parent = nullptr);

  // Shows these results and runs (oldest first, as the history file holds
  // them), and the log check of the contacts copied by ear.
  void SetResults(const ResultsSummary& summary, const std::vector<PracticeRun>& runs,
                  const LogCheck& check = {});

  // Writes the chart as a PNG picture, replacing `file` only once the
  // picture is complete. False when it could not be written.
  bool SaveChart(const QString& file) const;

  // The parts the tests look at.
  RateChart* Chart() const { return chart_; }
  QTableWidget* HistoryTable() const { return history_; }
  QString FiguresText() const;   // figures, bands and needed sections as shown
  QString LogCheckText() const;  // the log check as shown; empty when it is hidden
  QPushButton* SaveChartButton() const { return saveChart_; }

  // Asks for the file name; the tests answer instead of a dialog.
  using FileAsker = std::function<QString(QWidget* parent, const QString& proposed)>;
  void SetFileAsker(FileAsker asker) { askFile_ = std::move(asker); }

 private:
  void SaveChartClicked();

  std::vector<std::pair<QLabel*, QLabel*>> figures_;  // name, value
  QLabel* unread_ = nullptr;
  std::vector<QLabel*> bandCounts_;
  QLabel* needed_ = nullptr;
  QWidget* logCheckGroup_ = nullptr;
  QLabel* logCheck_ = nullptr;
  RateChart* chart_ = nullptr;
  QPushButton* saveChart_ = nullptr;
  QTableWidget* history_ = nullptr;
  QLabel* noHistory_ = nullptr;
  FileAsker askFile_;
};

// The lines of the sections still needed, one per call area: "W1: CT EMA ME";
// one line saying so when every section is worked.
QStringList NeededSectionLines(const ResultsSummary& summary);

}  // namespace tovk::ui
