// The main window's controls, their wiring to the game's handlers, the
// start-up steps and the look taken from the settings.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "engine/actions.h"
#include "persist/game_files.h"
#include "persist/startup.h"
#include "ui/about_dialog.h"
#include "ui/colours.h"
#include "ui/export_actions.h"
#include "ui/help_viewer.h"
#include "ui/key_map.h"
#include "ui/settings_dialog.h"
#include "world/section_map.h"

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
  auto* box = new QGroupBox(caption, parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(2, 2, 2, 2);
  column->addWidget(memo);
  memo->setParent(box);
  memo->setAccessibleName(accessibleName);
  return box;
}

}  // namespace

TFormMain::TFormMain(const WindowSetup& setup, RandomSource& random, QWidget* parent)
    : QMainWindow(parent), game_(*this, random), setup_(setup) {
  if (!setup_.recoveryFile.empty()) recovery_.emplace(setup_.recoveryFile);
  setObjectName(QStringLiteral("TFormMain"));
  QFont windowFont(QStringLiteral("MS Sans Serif"), 8);
  windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
  setFont(windowFont);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kMinimumWidth, kMinimumHeight);
  BuildMenus();
  BuildLayout();
  ConnectControls();
  timer1_.setInterval(1000);
  about_ = new TFormAbout(this);
  helpViewer_ = new HelpViewer(this);
  settingsDialog_ = [this](Game&, SettingsPage page, QWidget*) { RunTFormParameters(*this, page); };
  // The help document lies beside the program (or where it is installed).
  help_ = [this](HelpRequest request, const std::filesystem::path& helpFile) {
    const std::string missing = helpViewer_->Answer(request, helpFile.parent_path());
    if (!missing.empty()) ShowMessage(missing);
  };
}

TFormMain::~TFormMain() = default;

void TFormMain::Act(const std::function<void()>& action) {
  Perform(game_, action);
  if (recovery_) recovery_->AfterAction(game_);
}

void TFormMain::OfferRecovery() {
  if (!recovery_) return;
  Perform(game_, [&] { recovery_->OfferAtStart(game_); });
}

void TFormMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  QAction* exit = bar->addAction(QStringLiteral("Exit"));
  connect(exit, &QAction::triggered, this, &TFormMain::Quit);

  QMenu* gameMenu = bar->addMenu(QStringLiteral("Game"));
  connect(gameMenu->addAction(QStringLiteral("Start")), &QAction::triggered, this,
          [this] { ButtonPressed(Button::SpeedButtonStartgame); });
  gameMenu->addSeparator();
  connect(gameMenu->addAction(QStringLiteral("Save")), &QAction::triggered, this,
          [this] { ButtonPressed(Button::ToolButtonsave); });
  connect(gameMenu->addAction(QStringLiteral("Restore")), &QAction::triggered, this,
          [this] { ButtonPressed(Button::ToolButtonrestore); });
  gameMenu->addSeparator();
  connect(gameMenu->addAction(QStringLiteral("New")), &QAction::triggered, this,
          [this] { ButtonPressed(Button::ToolButtonnew); });
  gameMenu->addSeparator();
  connect(gameMenu->addAction(QStringLiteral("Export Cabrillo...")), &QAction::triggered, this,
          [this] { Perform(game_, [&] { ExportLogClick(game_, LogFormat::Cabrillo); }); });
  connect(gameMenu->addAction(QStringLiteral("Export ADIF...")), &QAction::triggered, this,
          [this] { Perform(game_, [&] { ExportLogClick(game_, LogFormat::Adif); }); });
  connect(gameMenu->addAction(QStringLiteral("Results...")), &QAction::triggered, this,
          &TFormMain::ShowResults);

  QAction* settings = bar->addAction(QStringLiteral("Settings"));
  connect(settings, &QAction::triggered, this, &TFormMain::Settings1Click);

  QMenu* helpMenu = bar->addMenu(QStringLiteral("Help"));
  connect(helpMenu->addAction(QStringLiteral("Help")), &QAction::triggered, this,
          [this] { Help(HelpRequest::Contents); });
  connect(helpMenu->addAction(QStringLiteral("Help on help")), &QAction::triggered, this,
          [this] { Help(HelpRequest::HelpOnHelp); });
  connect(helpMenu->addAction(QStringLiteral("Full text search")), &QAction::triggered, this,
          [this] { Help(HelpRequest::FullTextSearch); });
  connect(helpMenu->addAction(QStringLiteral("Search")), &QAction::triggered, this,
          [this] { Help(HelpRequest::Search); });
  connect(helpMenu->addAction(QStringLiteral("Keys")), &QAction::triggered, this,
          [this] { ShowKeyList(this); });
  helpMenu->addSeparator();
  connect(helpMenu->addAction(QStringLiteral("About Tovk")), &QAction::triggered, this,
          &TFormMain::AboutTovk1Click);
}

void TFormMain::BuildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  statusBar_ = new StatusBar(central);
  statusBar_->setObjectName(QStringLiteral("StatusBar1"));
  column->addWidget(statusBar_);

  middle_ = new QWidget(central);
  auto* middleRow = new QHBoxLayout(middle_);
  middleRow->setContentsMargins(0, 0, 0, 0);
  middleRow->setSpacing(2);
  sectionMap_ = new SectionMapPanel(SectionNames(game_), middle_);
  middleRow->addWidget(sectionMap_, 0, Qt::AlignTop);

  panel1_ = new QWidget(middle_);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  auto* panel1Column = new QVBoxLayout(panel1_);
  panel1Column->setContentsMargins(0, 0, 0, 0);
  panel1Column->setSpacing(0);
  for (auto& memo : memos_) memo = new MemoView;
  memos_[0]->setObjectName(QStringLiteral("Memo1"));
  memos_[1]->setObjectName(QStringLiteral("Memo2"));
  memos_[2]->setObjectName(QStringLiteral("Memo3"));
  memos_[0]->setContextMenuPolicy(Qt::NoContextMenu);  // the right button clears instead
  memos_[2]->setContextMenuPolicy(Qt::NoContextMenu);

  notebook_ = new QTabWidget;
  notebook_->setObjectName(QStringLiteral("TabbedNotebook1"));
  memoGroups_[0] =
      FramedMemo(QStringLiteral("Incoming"), QStringLiteral("Incoming"), memos_[0], notebook_);
  notebook_->addTab(memoGroups_[0], QStringLiteral("QSO"));
  memoGroups_[1] =
      FramedMemo(QString::fromLatin1(kLogHeading), QStringLiteral("Log"), memos_[1], notebook_);
  notebook_->addTab(memoGroups_[1], QStringLiteral("Log"));

  auto* lower = new QWidget;
  auto* lowerColumn = new QVBoxLayout(lower);
  lowerColumn->setContentsMargins(0, 0, 0, 0);
  lowerColumn->setSpacing(0);
  entries_ = new EntryPanel(lower);
  lowerColumn->addWidget(entries_);
  memoGroups_[2] =
      FramedMemo(QStringLiteral("Outgoing"), QStringLiteral("Outgoing"), memos_[2], lower);
  memoGroups_[2]->setObjectName(QStringLiteral("GroupBox3"));
  lowerColumn->addWidget(memoGroups_[2], 1);

  splitter_ = new QSplitter(Qt::Vertical, panel1_);
  splitter_->setObjectName(QStringLiteral("Splitter1"));
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(notebook_);
  splitter_->addWidget(lower);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setSizes({300, entries_->height() + 88});
  panel1Column->addWidget(splitter_);
  middleRow->addWidget(panel1_, 1);
  column->addWidget(middle_, 1);

  buttons_ = new ButtonPanel(central);
  ShowKeysInHints(*buttons_);
  column->addWidget(buttons_);
  setCentralWidget(central);
}

void TFormMain::ConnectControls() {
  connect(buttons_, &ButtonPanel::pressed, this, &TFormMain::ButtonPressed);
  connect(entries_, &EntryPanel::fieldEdited, this, [this](Field field, const QString& text) {
    Act([&] { TypeField(game_, field, text.toStdString()); });
  });
  connect(entries_, &EntryPanel::bandChosen, this,
          [this](const QString& band) { Act([&] { SelectBand(game_, band.toStdString()); }); });
  connect(Memo(MemoId::Memo1), &MemoView::mousePressed, this,
          [this](bool right) { Act([&] { Memo1MouseDown(game_, right); }); });
  connect(Memo(MemoId::Memo3), &MemoView::mousePressed, this,
          [this](bool right) { Act([&] { Memo3MouseDown(game_, right); }); });
  connect(sectionMap_, &SectionMapPanel::cellClicked, this,
          [this](int) { Act([&] { Label1Click(game_); }); });
  connect(notebook_, &QTabWidget::currentChanged, this, &TFormMain::TabbedNotebook1Click);
  connect(&timer1_, &QTimer::timeout, this, &TFormMain::Timer1Fired);
  new KeyMap(*this);  // the window's child: the keys work wherever the focus is
}

void TFormMain::ButtonPressed(Button button) {
  Game& g = game_;
  switch (button) {
    case Button::ToolButtonCallCQ:
      return Act([&] { ToolButtonCallCQClick(g); });
    case Button::ToolButtontune:
      return Act([&] { ToolButtonTuneClick(g); });
    case Button::ToolButtonautocq:
      return Act([&] { ToolButtonAutoCQClick(g); });
    case Button::ToolbuttonCallhim:
      return Act([&] { ToolButtonCallhimClick(g); });
    case Button::ToolButtonsendnumber:
    case Button::ToolButtonsendprec:
    case Button::ToolButtonSend:
    case Button::ToolButtonsendcheck:
    case Button::ToolButtonsendsection:
      return Act([&] { ToolButtonSendClick(g, button); });
    case Button::ToolButtonQSL:
      return Act([&] { ToolButtonQSLClick(g); });
    case Button::ToolButtonRepeat:
      return Act([&] { ToolButtonRepeatClick(g); });
    case Button::ToolButtonDuplicate:
      return Act([&] { ToolButtonDuplicateClick(g); });
    case Button::ToolButtonlog:
      return Act([&] { ToolButtonLogClick(g); });
    case Button::ToolButtonchecklog:
      return Act([&] { ToolButtonchecklogClick(g); });
    case Button::ToolButtonclearqso:
      return Act([&] { ToolButtonClearQSOClick(g); });
    case Button::ToolButtonQRT:
      return Quit();
    case Button::ToolButtonTimeout:
      return Act([&] { ToolButtontimeoutClick(g); });
    case Button::SpeedButtonStartgame:
      return Act([&] { SpeedButtonStartgameClick(g); });
    case Button::ToolButtonnew:
      return Act([&] { ToolButtonnewClick(g); });
    case Button::ToolButtonsave:
      return Act([&] { ToolButtonsaveClick(g); });
    case Button::ToolButtonrestore:
      return Act([&] { ToolButtonrestoreClick(g); });
  }
}

void TFormMain::Timer1Fired() {
  // A tick that arrives while the previous one still runs (its box is open)
  // is skipped; the game skips ticks during other actions by itself.
  if (ticking_) return;
  ticking_ = true;
  Timer1Tick(game_);
  if (recovery_) recovery_->AfterAction(game_);
  ticking_ = false;
}

void TFormMain::FormCreate() {
  if (created_) return;
  Game& g = game_;
  g.folder = setup_.folder;
  g.settingsFile = setup_.settingsFile;
  if (!setup_.stationList.empty()) g.StationFile = setup_.stationList.string();
  g.historyFile = setup_.historyFile;
  // Saved games named without a folder are found in the game's folder.
  QDir::setCurrent(QString::fromStdString(setup_.folder.string()));
  g.ShowNotebookPage(0);
  Perform(g, [&] { tovk::FormCreate(g); });
  ApplyLook();
  setWindowTitle(QString::fromLatin1(kCaption));
  created_ = true;
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (setup_.seedRandom) setup_.seedRandom();
  Perform(game_, [&] { FormShow(game_); });
  // The question waits until the window is on the screen.
  QTimer::singleShot(0, this, &TFormMain::OfferRecovery);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  // The window never closes by itself: the quit flow decides, and ends the
  // program through EndProgram.
  event->ignore();
  CaptureLook();
  Act([&] { FormCloseQuery(game_); });
}

void TFormMain::Quit() {
  CaptureLook();
  Act([&] { Exit1Click(game_); });
}

void TFormMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (created_) CaptureLook();
}

void TFormMain::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (created_) CaptureLook();
}

void TFormMain::TabbedNotebook1Click(int page) {
  game_.notebookPage = page;
  MemoView* memo = Memo(page == 1 ? MemoId::Memo2 : MemoId::Memo1);
  memo->Flush();
  memo->ensureCursorVisible();
}

void TFormMain::Settings1Click() {
  Act([&] { game_.screen.RunSettingsDialog(SettingsPage::MyStation); });
}

void TFormMain::AboutTovk1Click() {
  about_->ShowOver(*this);
}

void TFormMain::Help(HelpRequest request) {
  FlushMemos();
  if (help_) {
    help_(request, setup_.helpFile);
    return;
  }
  QMessageBox::information(
      this, QStringLiteral("Tovk"),
      QString::fromStdString(setup_.helpFile.string()) + QStringLiteral(" cannot be opened"));
}

// --- The look ---------------------------------------------------------------

void TFormMain::SetMemoColour(MemoId memo, Colour colour) {
  MemoView* view = Memo(memo);
  QPalette memoPalette = view->palette();
  memoPalette.setColor(QPalette::Base, ToQColor(colour));
  view->setPalette(memoPalette);
  WindowLook& look = game_.Look;
  switch (memo) {
    case MemoId::Memo1:
      look.incomingColour = colour;
      return;
    case MemoId::Memo2:
      look.logColour = colour;
      return;
    case MemoId::Memo3:
      look.outgoingColour = colour;
      return;
  }
}

void TFormMain::SetMemoFont(MemoId memo, const FontLook& font) {
  MemoView* view = Memo(memo);
  view->setFont(ToQFont(font));
  QPalette memoPalette = view->palette();
  memoPalette.setColor(QPalette::Text, ToQColor(font.colour));
  view->setPalette(memoPalette);
  WindowLook& look = game_.Look;
  switch (memo) {
    case MemoId::Memo1:
      look.incomingFont = font;
      return;
    case MemoId::Memo2:
      look.logFont = font;
      return;
    case MemoId::Memo3:
      look.outgoingFont = font;
      return;
  }
}

void TFormMain::SetIncomingWordWrap(bool wrap) {
  Memo(MemoId::Memo1)->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  game_.Look.incomingWordwrap = wrap;
}

void TFormMain::SetGroupColour(ButtonGroup group, Colour colour) {
  WindowLook& look = game_.Look;
  PaintGroupBox(buttons_->Group(group), ToQColor(colour));
  switch (group) {
    case ButtonGroup::Radio:
      look.radioColour = colour;
      look.bandColour = colour;
      PaintGroupBox(entries_->BandGroup(), ToQColor(colour));
      return;
    case ButtonGroup::Macro:
      look.macrosColour = colour;
      return;
    case ButtonGroup::Data:
      look.dataColour = colour;
      look.qsoNumberColour = colour;
      PaintGroupBox(entries_->QsoNumberGroup(), ToQColor(colour));
      return;
    case ButtonGroup::Misc:
      look.miscColour = colour;
      return;
  }
}

void TFormMain::ApplyLook() {
  const WindowLook look = game_.Look;
  resize(std::max(look.width, kMinimumWidth), std::max(look.height, kMinimumHeight));
  move(look.left, look.top);
  SetMemoColour(MemoId::Memo1, look.incomingColour);
  SetMemoColour(MemoId::Memo2, look.logColour);
  SetMemoColour(MemoId::Memo3, look.outgoingColour);
  SetMemoFont(MemoId::Memo1, look.incomingFont);
  SetMemoFont(MemoId::Memo2, look.logFont);
  SetMemoFont(MemoId::Memo3, look.outgoingFont);
  SetIncomingWordWrap(look.incomingWordwrap);
  SetGroupColour(ButtonGroup::Radio, look.radioColour);
  SetGroupColour(ButtonGroup::Macro, look.macrosColour);
  SetGroupColour(ButtonGroup::Data, look.dataColour);
  SetGroupColour(ButtonGroup::Misc, look.miscColour);
  // The band and QSO-number boxes keep the colours the settings gave them.
  game_.Look.bandColour = look.bandColour;
  game_.Look.qsoNumberColour = look.qsoNumberColour;
  PaintGroupBox(entries_->BandGroup(), ToQColor(look.bandColour));
  PaintGroupBox(entries_->QsoNumberGroup(), ToQColor(look.qsoNumberColour));
}

void TFormMain::CaptureLook() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  WindowLook& look = game_.Look;
  look.width = width();
  look.height = height();
  look.left = x();
  look.top = y();
}

}  // namespace tovk::ui
