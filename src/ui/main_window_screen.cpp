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

namespace tovk::ui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void TFormMain::FlushMemos() {
  for (MemoView* memo : memos_) memo->Flush();
}

void TFormMain::AppendLine(MemoId memo, const std::string& line) {
  Memo(memo)->AppendLine(Q(line));
}

void TFormMain::ClearLines(MemoId memo) {
  Memo(memo)->ClearLines();
}

void TFormMain::ShowMessage(const std::string& text) {
  FlushMemos();
  QMessageBox::information(this, QStringLiteral("Tovk"), Q(text));
}

bool TFormMain::AskYesNo(const std::string& question) {
  FlushMemos();
  return QMessageBox::question(this, QStringLiteral("Confirm"), Q(question),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> TFormMain::ChooseFile(const FileRequest& request) {
  FlushMemos();
  return ShowFileDialog(this, request);
}

void TFormMain::RunSettingsDialog(SettingsPage page) {
  FlushMemos();
  if (settingsDialog_) settingsDialog_(game_, page, this);
}

void TFormMain::SetFieldText(Field field, const std::string& text) {
  entries_->ShowFieldText(field, Q(text));
}

void TFormMain::SetBandBox(const std::string& band) {
  entries_->ShowBand(Q(band));
}

void TFormMain::SetQsoNumber(const std::string& text) {
  entries_->QsoNumberBox()->setText(Q(text));
}

void TFormMain::SetButtonEnabled(Button button, bool enabled) {
  buttons_->ButtonOf(button)->setEnabled(enabled);
}

void TFormMain::SetCallButtonCaption(const std::string& caption) {
  QToolButton* button = buttons_->ButtonOf(Button::ToolbuttonCallhim);
  button->setText(Q(caption));
  button->setAccessibleName(button->text());
}

void TFormMain::SetStatusPanel(int index, const std::string& text) {
  statusBar_->SetPanel(index, Q(text));
}

void TFormMain::SetTimerEnabled(bool enabled) {
  if (enabled) {
    if (!timer1_.isActive()) timer1_.start();
    return;
  }
  timer1_.stop();
}

void TFormMain::ShowNotebookPage(int page) {
  const QSignalBlocker quiet(notebook_);
  notebook_->setCurrentIndex(page);
}

void TFormMain::PaintSectionCell(int section, Colour colour) {
  sectionMap_->PaintCell(section, ToQColor(colour));
}

void TFormMain::PaintAreaBox(int area, Colour colour) {
  sectionMap_->PaintArea(area, ToQColor(colour));
}

void TFormMain::DockSectionPanel(bool right) {
  sectionPanelRight_ = right;
  auto* row = static_cast<QHBoxLayout*>(middle_->layout());
  row->removeWidget(sectionMap_);
  row->insertWidget(right ? 1 : 0, sectionMap_, 0, Qt::AlignTop);
}

void TFormMain::EndProgram() {
  // A clean quit: nothing to recover at the next start, and nothing more is
  // written after this.
  if (recovery_) recovery_->RemoveOnCleanQuit();
  recovery_.reset();
  // Leaves the event loop once the handler that asked has returned.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

}  // namespace tovk::ui
