// The help window and where it finds its document.
#include "ui/help_viewer.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>
#include <system_error>

#include "ui/accessible_roles.h"
#include "ui/main_window.h"

namespace tovk::ui {
namespace {

std::filesystem::path InstalledFolder(const std::filesystem::path& programFolder) {
  return (programFolder / ".." / "share" / "tovk").lexically_normal();
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

QPushButton* ToolButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAccessibleName(caption);
  button->setToolTip(hint);
  button->setAccessibleDescription(hint);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programFolder) {
  for (const auto& folder : {programFolder, InstalledFolder(programFolder)}) {
    const std::filesystem::path file = folder / kHelpFileName;
    if (IsFile(file)) return file;
  }
  return std::nullopt;
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  InstallAccessibleRoles();
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Tovk Help"));
  setAccessibleName(QStringLiteral("Tovk Help"));
  resize(720, 560);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* row = new QHBoxLayout;
  back_ =
      ToolButton(QStringLiteral("Back"), QStringLiteral("Back to the place you came from"), this);
  forward_ = ToolButton(QStringLiteral("Forward"), QStringLiteral("Forward again"), this);
  contents_ = ToolButton(QStringLiteral("Contents"), QStringLiteral("The list of topics"), this);
  index_ = ToolButton(QStringLiteral("Index"), QStringLiteral("The keyword index"), this);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  for (QPushButton* button : {back_, forward_, contents_, index_}) row->addWidget(button);
  row->addSpacing(12);

  findBox_ = new QLineEdit(this);
  findBox_->setObjectName(QStringLiteral("FindBox"));
  findBox_->setPlaceholderText(QStringLiteral("Find in the whole text"));
  findBox_->setAccessibleName(QStringLiteral("Find"));
  findBox_->setToolTip(QStringLiteral("Type a word and press Enter to find it (F3: next)"));
  findBox_->setClearButtonEnabled(true);
  findBox_->setMinimumWidth(200);
  row->addWidget(findBox_, 1);
  findPrevious_ =
      ToolButton(QStringLiteral("Previous"), QStringLiteral("Previous place (Shift+F3)"), this);
  findNext_ = ToolButton(QStringLiteral("Next"), QStringLiteral("Next place (F3)"), this);
  row->addWidget(findPrevious_);
  row->addWidget(findNext_);
  column->addLayout(row);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpText"));
  browser_->setAccessibleName(QStringLiteral("Help text"));
  browser_->setOpenExternalLinks(true);
  column->addWidget(browser_, 1);
  findResult_ = new QLabel(this);
  findResult_->setAccessibleName(QStringLiteral("Find result"));
  column->addWidget(findResult_);

  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(contents_, &QPushButton::clicked, this, [this] { GoTo(QStringLiteral("contents")); });
  connect(index_, &QPushButton::clicked, this, [this] { GoTo(QStringLiteral("index")); });
  connect(findBox_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  connect(findNext_, &QPushButton::clicked, this, [this] { FindNext(); });
  connect(findPrevious_, &QPushButton::clicked, this, [this] { FindNext(true); });
  connect(findBox_, &QLineEdit::textChanged, findResult_, &QLabel::clear);

  auto* next = new QShortcut(QKeySequence::FindNext, this);
  connect(next, &QShortcut::activated, this, [this] { FindNext(); });
  auto* previous = new QShortcut(QKeySequence::FindPrevious, this);
  connect(previous, &QShortcut::activated, this, [this] { FindNext(true); });
  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] {
    findBox_->setFocus();
    findBox_->selectAll();
  });
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpViewer::Load(const std::filesystem::path& programFolder) {
  const std::optional<std::filesystem::path> file = FindHelpFile(programFolder);
  if (!file) return false;
  if (*file == file_) return true;
  file_ = *file;
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(file_.string())));
  return true;
}

std::string HelpViewer::Answer(HelpTopic topic, const std::filesystem::path& programFolder) {
  const std::filesystem::path before = file_;
  if (!Load(programFolder)) {
    return std::string("The help file ") + kHelpFileName + " was not found in " +
           programFolder.string() + " nor in " + InstalledFolder(programFolder).string();
  }
  switch (topic) {
    case HelpTopic::Contents:
      GoTo(QStringLiteral("contents"));
      break;
    case HelpTopic::HelpOnHelp:
      GoTo(QStringLiteral("helponhelp"));
      break;
    case HelpTopic::Search:
      GoTo(QStringLiteral("index"));
      break;
    case HelpTopic::FullTextSearch:
      if (before != file_) GoTo(QStringLiteral("contents"));
      break;
  }
  // A newly opened document starts its Back list at the place first shown.
  if (before != file_) browser_->clearHistory();
  show();
  raise();
  activateWindow();
  if (topic == HelpTopic::FullTextSearch) {
    findBox_->setFocus();
    findBox_->selectAll();
  }
  return {};
}

void HelpViewer::GoTo(const QString& anchor) {
  if (file_.empty()) return;
  QUrl place = QUrl::fromLocalFile(QString::fromStdString(file_.string()));
  place.setFragment(anchor);
  browser_->setSource(place);
}

bool HelpViewer::FindNext(bool backwards) {
  const QString text = findBox_->text();
  if (text.isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (browser_->find(text, flags)) {
    findResult_->clear();
    return true;
  }
  // Round the end of the document and on from the other end.
  QTextCursor cursor = browser_->textCursor();
  cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
  browser_->setTextCursor(cursor);
  if (browser_->find(text, flags)) {
    findResult_->setText(backwards ? QStringLiteral("Went round from the end")
                                   : QStringLiteral("Went round from the start"));
    return true;
  }
  findResult_->setText(QStringLiteral("\"%1\" is not in the help").arg(text));
  return false;
}

}  // namespace tovk::ui
