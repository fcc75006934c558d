// The main window's views besides the game's screen: the results summary,
// help, the key list, the about box and moving between the entry fields.
#include "ui/main_window.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/key_map.h"
#include "ui/results_dialog.h"

namespace tovk::ui {

void MainWindow::ShowResults(const ResultsSummary& results, const LogCheck& check,
                             const std::vector<PracticeRun>& history) {
  FlushMemos();
  if (results_ == nullptr) results_ = new ResultsDialog(this);
  results_->SetResults(results, history, check);
  results_->show();
  results_->raise();
  results_->activateWindow();
}

void MainWindow::ShowHelp(HelpTopic topic) {
  FlushMemos();
  if (help_) {
    help_(topic, setup_.helpFile);
    return;
  }
  QMessageBox::information(
      this, QStringLiteral("Tovk"),
      QString::fromStdString(setup_.helpFile.string()) + QStringLiteral(" cannot be opened"));
}

void MainWindow::ShowKeyList() {
  ShowKeyListDialog(this);
}

bool MainWindow::PressKey(const KeyChord& chord, QWidget* target) {
  keyTarget_ = target;
  const bool handled = session_.PressKey(chord);
  keyTarget_ = nullptr;
  return handled;
}

void MainWindow::ShowAbout() {
  About()->ShowOver(*this);
}

void MainWindow::MoveFocus(FocusMove move) {
  const int step = move == FocusMove::NextField ? 1 : -1;
  // The control the key was pressed in, else the one with the focus.
  const QWidget* focus = keyTarget_ ? keyTarget_ : QApplication::focusWidget();
  int current = -1;
  for (int i = 0; i < kFieldCount; ++i) {
    if (entries_->FieldEdit(static_cast<Field>(i)) == focus) current = i;
  }
  // From outside the fields, forward starts at the number, back at the section.
  int next = step > 0 ? 0 : kFieldCount - 1;
  if (current >= 0) next = (current + step + kFieldCount) % kFieldCount;
  entries_->FieldEdit(static_cast<Field>(next))->setFocus(Qt::TabFocusReason);
}

}  // namespace tovk::ui
