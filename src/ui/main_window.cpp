// The main window's controls and menus, built from the command table, their
// wiring to the session, the start-up steps and the look from the settings.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

#include "ui/about_dialog.h"
#include "ui/colours.h"
#include "ui/help_viewer.h"
#include "ui/key_map.h"
#include "ui/measured_group_box.h"
#include "ui/settings_dialog.h"
#include "ui/sound_output.h"

namespace tovk::ui {
namespace {

constexpr int kMinimumWidth = 621;
constexpr int kMinimumHeight = 600;
const char* const kCaption = "Tovk Sweepstakes Version 1.0";
const char* const kLogHeading =
    "      Date             Time       Callsign          Band   Number  Prec  Chck  Sect   QSO";

std::array<QString, kSectionCount> SectionNames(const Game& g) {
  std::array<QString, kSectionCount> names;
  for (int i = 0; i < kSectionCount; ++i) names[i] = QString::fromStdString(g.SectionName[i]);
  return names;
}

QGroupBox* FramedMemo(const QString& caption, const QString& accessibleName, MemoView* memo,
                      QWidget* parent) {
  auto* box = new MeasuredGroupBox(caption, parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(2, 2, 2, 2);
  column->addWidget(memo);
  memo->setParent(box);
  memo->setAccessibleName(accessibleName);
  return box;
}

void PaintMemo(MemoView* view, Colour background, const FontLook& font) {
  view->setFont(ToQFont(font));
  QPalette memoPalette = view->palette();
  memoPalette.setColor(QPalette::Base, ToQColor(background));
  memoPalette.setColor(QPalette::Text, ToQColor(font.colour));
  view->setPalette(memoPalette);
}

}  // namespace

MainWindow::MainWindow(const WindowSetup& setup, RandomSource& random, QWidget* parent)
    : QMainWindow(parent), setup_(setup), session_(*this, random, setup) {
  setObjectName(QStringLiteral("MainWindow"));
  QFont windowFont(QStringLiteral("MS Sans Serif"), 8);
  windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
  setFont(windowFont);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kMinimumWidth, kMinimumHeight);
  BuildMenus();
  BuildLayout();
  ConnectControls();
  autoCqTimer_.setInterval(1000);
  if (setup.playSound) {
    sound_ = std::make_unique<SoundOutput>();
    // Said once, on a line of its own under the window, never in a box.
    connect(sound_.get(), &SoundOutput::problem, this, [this](const QString& text) {
      soundProblem_ = text;
      statusBar()->showMessage(text);
    });
  }
  settingsDialog_ = [this](SettingsPage page, QWidget* parent) {
    ExecSettingsDialog(session_, page, parent);
  };
  // The help document lies beside the program (or where it is installed).
  help_ = [this](HelpTopic topic, const std::filesystem::path& helpFile) {
    const std::string missing = HelpWindow()->Answer(topic, helpFile.parent_path());
    if (!missing.empty()) ShowMessage(missing);
  };
}

MainWindow::~MainWindow() = default;

AboutBox* MainWindow::About() {
  if (about_ == nullptr) about_ = new AboutBox(this);
  return about_;
}

HelpViewer* MainWindow::HelpWindow() {
  if (helpViewer_ == nullptr) helpViewer_ = new HelpViewer(this);
  return helpViewer_;
}

void MainWindow::RunCommand(Command command, const CommandInput& input) {
  session_.Run(command, input);
}

void MainWindow::BuildMenus() {
  AddMenuEntries(menuBar(), Menu::Bar);
}

void MainWindow::AddMenuEntries(QWidget* menu, Menu which) {
  for (const MenuEntry& entry : MenuEntries(which)) {
    const QString caption = QString::fromStdString(entry.caption);
    if (entry.separator) {
      auto* separator = new QAction(menu);
      separator->setSeparator(true);
      menu->addAction(separator);
      continue;
    }
    if (!entry.command) {
      auto* submenu = new QMenu(caption, menu);
      AddMenuEntries(submenu, entry.submenu);
      menu->addAction(submenu->menuAction());
      continue;
    }
    const Command command = *entry.command;
    // An entry with a key of its own names it, as menus do.
    const std::string key = KeyTextOf(command);
    auto* action =
        new QAction(key.empty() ? caption : caption + u'\t' + QString::fromStdString(key), menu);
    action->setObjectName(QString::fromLatin1(RowOf(command).name));
    connect(action, &QAction::triggered, this, [this, command] {
      // Quitting from the menu keeps the window's place for the next start.
      if (command == Command::Qrt) CaptureLook();
      RunCommand(command);
    });
    menu->addAction(action);
  }
}

void MainWindow::BuildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  statusBar_ = new StatusBar(central);
  statusBar_->setObjectName(QStringLiteral("StatusBar"));
  column->addWidget(statusBar_);

  middle_ = new QWidget(central);
  auto* middleRow = new QHBoxLayout(middle_);
  middleRow->setContentsMargins(0, 0, 0, 0);
  middleRow->setSpacing(2);
  sectionMap_ = new SectionMapPanel(SectionNames(game()), middle_);
  middleRow->addWidget(sectionMap_, 0, Qt::AlignTop);

  memoArea_ = new QWidget(middle_);
  memoArea_->setObjectName(QStringLiteral("MemoArea"));
  auto* memoColumn = new QVBoxLayout(memoArea_);
  memoColumn->setContentsMargins(0, 0, 0, 0);
  memoColumn->setSpacing(0);
  // Made inside the window, so each text window lays out its empty text
  // with the window's font at once, not first with the program's default.
  for (auto& memo : memos_) memo = new MemoView(memoArea_);
  Memo(MemoId::Incoming)->setObjectName(QStringLiteral("Incoming"));
  Memo(MemoId::Log)->setObjectName(QStringLiteral("Log"));
  Memo(MemoId::Outgoing)->setObjectName(QStringLiteral("Outgoing"));
  // The right button clears instead.
  Memo(MemoId::Incoming)->setContextMenuPolicy(Qt::NoContextMenu);
  Memo(MemoId::Outgoing)->setContextMenuPolicy(Qt::NoContextMenu);

  notebook_ = new QTabWidget(memoArea_);
  notebook_->setObjectName(QStringLiteral("Notebook"));
  memoGroups_[0] = FramedMemo(QStringLiteral("Incoming"), QStringLiteral("Incoming"),
                              Memo(MemoId::Incoming), notebook_);
  notebook_->addTab(memoGroups_[0], QStringLiteral("QSO"));
  memoGroups_[1] = FramedMemo(QString::fromLatin1(kLogHeading), QStringLiteral("Log"),
                              Memo(MemoId::Log), notebook_);
  notebook_->addTab(memoGroups_[1], QStringLiteral("Log"));

  auto* lower = new QWidget(memoArea_);
  auto* lowerColumn = new QVBoxLayout(lower);
  lowerColumn->setContentsMargins(0, 0, 0, 0);
  lowerColumn->setSpacing(0);
  entries_ = new EntryPanel(lower);
  lowerColumn->addWidget(entries_);
  memoGroups_[2] = FramedMemo(QStringLiteral("Outgoing"), QStringLiteral("Outgoing"),
                              Memo(MemoId::Outgoing), lower);
  memoGroups_[2]->setObjectName(QStringLiteral("OutgoingGroup"));
  lowerColumn->addWidget(memoGroups_[2], 1);

  splitter_ = new QSplitter(Qt::Vertical, memoArea_);
  splitter_->setObjectName(QStringLiteral("Splitter"));
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(notebook_);
  splitter_->addWidget(lower);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setSizes({300, entries_->height() + 88});
  memoColumn->addWidget(splitter_);
  middleRow->addWidget(memoArea_, 1);
  column->addWidget(middle_, 1);

  buttons_ = new ButtonPanel(central);
  column->addWidget(buttons_);
  setCentralWidget(central);
}

void MainWindow::ConnectControls() {
  connect(buttons_, &ButtonPanel::pressed, this, [this](Command command) {
    if (command == Command::Qrt) CaptureLook();
    RunCommand(command);
  });
  connect(entries_, &EntryPanel::fieldEdited, this, [this](Field field, const QString& text) {
    RunCommand(Command::TypeField, {field, text.toStdString(), std::nullopt});
  });
  connect(entries_, &EntryPanel::bandChosen, this, [this](const QString& band) {
    RunCommand(Command::ChooseBand, {Field::Number, band.toStdString(), std::nullopt});
  });
  connect(Memo(MemoId::Incoming), &MemoView::mousePressed, this, [this](bool right) {
    if (right) RunCommand(Command::ClearIncoming);
  });
  connect(Memo(MemoId::Outgoing), &MemoView::mousePressed, this, [this](bool right) {
    if (right) RunCommand(Command::ClearOutgoing);
  });
  connect(sectionMap_, &SectionMapPanel::cellClicked, this,
          [this](int) { RunCommand(Command::ClickSectionMap); });
  connect(notebook_, &QTabWidget::currentChanged, this, &MainWindow::NotebookPageChosen);
  connect(&autoCqTimer_, &QTimer::timeout, this, [this] { session_.Tick(); });
  new KeyMap(*this);  // the window's child: the keys work wherever the focus is
}

void MainWindow::Create() {
  if (created_) return;
  // Saved games named without a folder are found in the game's folder.
  QDir::setCurrent(QString::fromStdString(setup_.folder.string()));
  game().ShowNotebookPage(NotebookPage::Qso);
  session_.Start();
  ApplyLook();
  setWindowTitle(QString::fromLatin1(kCaption));
  created_ = true;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (setup_.seedRandom) setup_.seedRandom();
  session_.Shown();
  // The question waits until the window is on the screen.
  QTimer::singleShot(0, this, [this] { session_.OfferRecovery(); });
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (std::exchange(framePainted_, true)) return;
  // Queued: the whole frame is painted and flushed before it runs.
  QTimer::singleShot(0, this, [this] { StartSound(); });
}

void MainWindow::StartSound() {
  soundStarted_ = true;
  if (sound_ && soundWaiting_) sound_->SetSound(*std::exchange(soundWaiting_, std::nullopt));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window never closes by itself: the quit flow decides, and ends the
  // program through EndProgram.
  event->ignore();
  CaptureLook();
  RunCommand(Command::Qrt);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (created_) CaptureLook();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (created_) CaptureLook();
}

void MainWindow::NotebookPageChosen(int page) {
  game().notebookPage = static_cast<NotebookPage>(page);
  MemoView* memo = Memo(page == 1 ? MemoId::Log : MemoId::Incoming);
  memo->Flush();
  memo->ensureCursorVisible();
}

// --- The look ---------------------------------------------------------------

void MainWindow::ShowLook(const WindowLook& look) {
  PaintMemo(Memo(MemoId::Incoming), look.incomingColour, look.incomingFont);
  PaintMemo(Memo(MemoId::Log), look.logColour, look.logFont);
  PaintMemo(Memo(MemoId::Outgoing), look.outgoingColour, look.outgoingFont);
  Memo(MemoId::Incoming)
      ->setLineWrapMode(look.incomingWordwrap ? QPlainTextEdit::WidgetWidth
                                              : QPlainTextEdit::NoWrap);
  PaintGroupBox(buttons_->Group(ButtonGroup::Radio), ToQColor(look.radioColour));
  PaintGroupBox(buttons_->Group(ButtonGroup::Macro), ToQColor(look.macrosColour));
  PaintGroupBox(buttons_->Group(ButtonGroup::Data), ToQColor(look.dataColour));
  PaintGroupBox(buttons_->Group(ButtonGroup::Misc), ToQColor(look.miscColour));
  // The band and QSO-number boxes keep the colours the settings gave them.
  PaintGroupBox(entries_->BandGroup(), ToQColor(look.bandColour));
  PaintGroupBox(entries_->QsoNumberGroup(), ToQColor(look.qsoNumberColour));
}

void MainWindow::ApplyLook() {
  // A copy: moving the window may capture its place into the game's look.
  const WindowLook look = game().Look;
  resize(std::max(look.width, kMinimumWidth), std::max(look.height, kMinimumHeight));
  move(look.left, look.top);
  ShowLook(look);
}

void MainWindow::CaptureLook() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  WindowLook& look = game().Look;
  look.width = width();
  look.height = height();
  look.left = x();
  look.top = y();
}

}  // namespace tovk::ui
