// The main window as the game's screen: each call shows what the game tells
// it on the matching control. Boxes and dialogs are real and modal; the text
// windows show their gathered lines before any of them opens.
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QSignalBlocker>

#include "ui/colours.h"
#include "ui/file_dialogs.h"
#include "world/section_map_names.h"
#include "ui/sound_output.h"

namespace tovk::ui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void MainWindow::FlushMemos() {
  for (MemoView* memo : memos_) memo->Flush();
}

void MainWindow::AppendLine(MemoId memo, const std::string& line) {
  Memo(memo)->AppendLine(Q(line));
}

void MainWindow::HearLine(const std::string& line, const std::string& shown) {
  Memo(MemoId::Incoming)->AppendLine(Q(shown));
  if (sound_) sound_->Hear(line, game());
}

void MainWindow::TransmitLine(const std::string& line) {
  Memo(MemoId::Outgoing)->AppendLine(Q(line));
  if (sound_) sound_->Transmit(line, game());
}

void MainWindow::RevealLines(const std::vector<HiddenLine>& lines) {
  for (const HiddenLine& line : lines)
    Memo(MemoId::Incoming)->ReplaceLine(line.place, Q(line.text));
}

void MainWindow::ShowSound(const SoundOptions& sound) {
  if (!sound_) return;
  if (!soundStarted_) {
    soundWaiting_ = sound;  // until the first frame is on the screen
    return;
  }
  sound_->SetSound(sound);
}

void MainWindow::ClearLines(MemoId memo) {
  Memo(memo)->ClearLines();
}

void MainWindow::ShowMessage(const std::string& text) {
  FlushMemos();
  QMessageBox::information(this, QStringLiteral("Tovk"), Q(text));
}

bool MainWindow::AskYesNo(const std::string& question) {
  FlushMemos();
  return QMessageBox::question(this, QStringLiteral("Confirm"), Q(question),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> MainWindow::ChooseFile(const FileRequest& request) {
  FlushMemos();
  return ShowFileDialog(this, request);
}

void MainWindow::RunSettingsDialog(SettingsPage page) {
  FlushMemos();
  if (settingsDialog_) settingsDialog_(page, this);
}

void MainWindow::SetFieldText(Field field, const std::string& text) {
  entries_->ShowFieldText(field, Q(text));
}

void MainWindow::SetBandBox(const std::string& band) {
  entries_->ShowBand(Q(band));
}

void MainWindow::SetQsoNumber(const std::string& text) {
  entries_->QsoNumberBox()->setText(Q(text));
}

void MainWindow::SetButtonEnabled(Button button, bool enabled) {
  buttons_->ButtonOf(CommandOf(button))->setEnabled(enabled);
}

void MainWindow::SetCallButtonCaption(const std::string& caption) {
  QToolButton* button = buttons_->ButtonOf(Command::CallStation);
  button->setText(Q(caption));
  button->setAccessibleName(button->text());
}

void MainWindow::SetStatusPanel(StatusPanel panel, const std::string& text) {
  statusBar_->SetPanel(static_cast<int>(panel), Q(text));
}

void MainWindow::SetTimerEnabled(bool enabled) {
  if (enabled) {
    if (!autoCqTimer_.isActive()) autoCqTimer_.start();
    return;
  }
  autoCqTimer_.stop();
}

void MainWindow::ShowNotebookPage(NotebookPage page) {
  const QSignalBlocker quiet(notebook_);
  notebook_->setCurrentIndex(static_cast<int>(page));
}

void MainWindow::PaintSectionCell(int section, Colour colour) {
  sectionMap_->PaintCell(section, ToQColor(colour), Q(SectionCellName(game(), section)));
}

void MainWindow::PaintAreaBox(int area, Colour colour) {
  sectionMap_->PaintArea(area, ToQColor(colour), Q(AreaBoxName(game(), area)));
}

void MainWindow::DockSectionPanel(bool right) {
  sectionPanelRight_ = right;
  auto* row = static_cast<QHBoxLayout*>(middle_->layout());
  row->removeWidget(sectionMap_);
  row->insertWidget(right ? 1 : 0, sectionMap_, 0, Qt::AlignTop);
}

void MainWindow::EndProgram() {
  // Leaves the event loop once the handler that asked has returned.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

}  // namespace tovk::ui
