// The settings dialog's pages, its "Fonts" menu and the handlers that pass
// each change on to the game and the main window.
#include "ui/settings_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <filesystem>

#include "engine/actions.h"
#include "persist/game_files.h"
#include "ui/colours.h"
#include "ui/main_window.h"

#include "ui/upper_case.h"

namespace tovk::ui {
namespace {

struct LabelLayout {
  const char* name;
  const char* caption;
  int column;
  int row;
};

// Left column: the text windows; middle: the button groups and, after an
// empty line, the call areas; right: the section cells.
constexpr std::array<LabelLayout, kColourLabelCount> kLabels{{
    {"Label2", "Needed", 2, 0},
    {"Label3", "Heard", 2, 1},
    {"Label4", "Worked", 2, 2},
    {"Labelincoming", "Incoming", 0, 1},
    {"Labeloutgoing", "Outgoing", 0, 0},
    {"Labellog", "Log", 0, 2},
    {"Labelradio", "Radio group", 1, 0},
    {"Labeldata", "Data group", 1, 2},
    {"Labelmacro", "Macro group", 1, 1},
    {"Labelmisc", "Misc group", 1, 3},
    {"Labelsections", "Section Call areas", 1, 5},
}};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

MemoId MemoOf(FontEntry entry) {
  switch (entry) {
    case FontEntry::Incoming:
      return MemoId::Memo1;
    case FontEntry::Outgoing:
      return MemoId::Memo3;
    case FontEntry::Log:
      return MemoId::Memo2;
  }
  return MemoId::Memo1;
}

const FontLook& FontOf(const WindowLook& look, MemoId memo) {
  switch (memo) {
    case MemoId::Memo1:
      return look.incomingFont;
    case MemoId::Memo2:
      return look.logFont;
    case MemoId::Memo3:
      return look.outgoingFont;
  }
  return look.incomingFont;
}

// The colour a label stands for, as the game holds it now.
Colour CurrentColour(const Game& g, ColourLabel label) {
  const WindowLook& look = g.Look;
  switch (label) {
    case ColourLabel::Needed:
      return g.NeededColour;
    case ColourLabel::Heard:
      return g.HeardColour;
    case ColourLabel::Worked:
      return g.WorkedColour;
    case ColourLabel::Incoming:
      return look.incomingColour;
    case ColourLabel::Outgoing:
      return look.outgoingColour;
    case ColourLabel::Log:
      return look.logColour;
    case ColourLabel::Radio:
      return look.radioColour;
    case ColourLabel::Data:
      return look.dataColour;
    case ColourLabel::Macro:
      return look.macrosColour;
    case ColourLabel::Misc:
      return look.miscColour;
    case ColourLabel::Sections:
      return g.SectionsColour;
  }
  return g.NeededColour;
}

// Gives the colour to what the label stands for.
void ApplyColour(TFormMain& main, ColourLabel label, Colour colour) {
  Game& g = main.game();
  switch (label) {
    case ColourLabel::Needed:
      g.NeededColour = colour;
      return;
    case ColourLabel::Heard:
      g.HeardColour = colour;
      return;
    case ColourLabel::Worked:
      g.WorkedColour = colour;
      return;
    case ColourLabel::Incoming:
      return main.SetMemoColour(MemoId::Memo1, colour);
    case ColourLabel::Outgoing:
      return main.SetMemoColour(MemoId::Memo3, colour);
    case ColourLabel::Log:
      return main.SetMemoColour(MemoId::Memo2, colour);
    case ColourLabel::Radio:  // also the "Band" box
      return main.SetGroupColour(ButtonGroup::Radio, colour);
    case ColourLabel::Data:  // also the "QSO #" box
      return main.SetGroupColour(ButtonGroup::Data, colour);
    case ColourLabel::Macro:
      return main.SetGroupColour(ButtonGroup::Macro, colour);
    case ColourLabel::Misc:
      return main.SetGroupColour(ButtonGroup::Misc, colour);
    case ColourLabel::Sections:
      g.SectionsColour = colour;
      return;
  }
}

std::optional<QColor> AskColour(const QColor& start, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(start, parent, QStringLiteral("Color"));
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QFont> AskFont(const QFont& start, QWidget* parent) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, start, parent, QStringLiteral("Font"));
  if (!ok) return std::nullopt;
  return chosen;
}

void Name(QWidget* widget, const char* objectName, const QString& accessibleName,
          const QString& hint = {}) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  if (hint.isEmpty()) return;
  widget->setToolTip(hint);
  widget->setAccessibleDescription(hint);
}

QSpinBox* SpinEdit(const char* name, int maximum, int value, const QString& hint, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(0, maximum);
  spin->setValue(value);
  Name(spin, name, hint, hint);
  return spin;
}

QCheckBox* CheckBox(const char* name, const QString& caption, bool ticked, const QString& hint,
                    QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setChecked(ticked);
  Name(box, name, caption, hint);
  return box;
}

// A group box with two radio buttons side by side.
QGroupBox* RadioGroup(const char* name, const QString& caption, const std::array<QString, 2>& items,
                      std::array<QRadioButton*, 2>& buttons, QWidget* parent) {
  auto* box = new QGroupBox(caption, parent);
  Name(box, name, caption);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new QRadioButton(items[i], box);
    buttons[i]->setObjectName(QString::fromLatin1(name) + QString::number(i));
    buttons[i]->setAccessibleName(caption + u' ' + items[i]);
    group->addButton(buttons[i], i);
    row->addWidget(buttons[i]);
  }
  row->addStretch(1);
  return box;
}

// A group box holding one edit field.
QGroupBox* EditGroup(const QString& caption, QLineEdit* edit, QWidget* parent) {
  auto* box = new QGroupBox(caption, parent);
  box->setAccessibleName(caption);
  auto* row = new QHBoxLayout(box);
  row->addWidget(edit);
  return box;
}

}  // namespace

TFormParameters::TFormParameters(TFormMain& main)
    : QDialog(&main), main_(main), chooseColour_(AskColour), chooseFont_(AskFont) {
  setObjectName(QStringLiteral("TFormParameters"));
  setWindowTitle(QStringLiteral("Settings"));
  setAccessibleName(QStringLiteral("Settings"));
  setFont(main.font());
  setModal(true);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 4, 6, 6);
  BuildFontsMenu();
  column->setMenuBar(menu_);

  notebook_ = new QTabWidget(this);
  Name(notebook_, "TabbedNotebook1", QStringLiteral("Settings pages"));
  notebook_->addTab(BuildTimeOutPage(), QStringLiteral("Time out"));
  notebook_->addTab(BuildMyStationPage(), QStringLiteral("My station"));
  notebook_->addTab(BuildColoursPage(), QStringLiteral("Colours"));
  notebook_->addTab(BuildMiscPage(), QStringLiteral("Misc"));
  notebook_->setCurrentIndex(static_cast<int>(SettingsPage::MyStation));
  column->addWidget(notebook_, 1);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  Name(ok_, "BitBtn1", QStringLiteral("OK"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  Name(cancel_, "BitBtn3", QStringLiteral("Cancel"));
  // OK keeps its place while Cancel comes and goes with the pages.
  QSizePolicy cancelPolicy = cancel_->sizePolicy();
  cancelPolicy.setRetainSizeWhenHidden(true);
  cancel_->setSizePolicy(cancelPolicy);
  buttonRow->addWidget(ok_);
  buttonRow->addWidget(cancel_);
  column->addLayout(buttonRow);

  ConnectControls();
  // Fixed size; large enough that no caption is cut off in the fonts the
  // desktop offers.
  const QSize needed = sizeHint();
  setFixedSize(std::max(kSettingsWidth, needed.width()),
               std::max(kSettingsHeight, needed.height()));
}

void TFormParameters::BuildFontsMenu() {
  menu_ = new QMenuBar(this);
  menu_->setObjectName(QStringLiteral("MainMenu1"));
  menu_->setAccessibleName(QStringLiteral("Settings menu"));
  QMenu* fonts = menu_->addMenu(QStringLiteral("Fonts"));
  fonts->setAccessibleName(QStringLiteral("Fonts"));
  fontEntries_[0] = fonts->addAction(QStringLiteral("Incoming window"));
  fontEntries_[1] = fonts->addAction(QStringLiteral("Outgoing window"));
  fontEntries_[2] = fonts->addAction(QStringLiteral("Log"));
}

QWidget* TFormParameters::BuildTimeOutPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral("Set Time Out"), page);
  Name(group, "GroupBoxtimeout", QStringLiteral("Set Time Out"));
  auto* grid = new QGridLayout(group);
  spinHours_ = SpinEdit("SpinEditHr", 60, 2, QStringLiteral("Hours"), group);
  spinMinutes_ = SpinEdit("SpinEditMin", 59, 30, QStringLiteral("Minutes"), group);
  auto* hoursCaption = new QLabel(QStringLiteral("Hours"), group);
  hoursCaption->setBuddy(spinHours_);
  auto* minutesCaption = new QLabel(QStringLiteral("Minutes"), group);
  minutesCaption->setBuddy(spinMinutes_);
  grid->addWidget(hoursCaption, 0, 0);
  grid->addWidget(spinHours_, 0, 1);
  grid->addWidget(minutesCaption, 1, 0);
  grid->addWidget(spinMinutes_, 1, 1);
  grid->setColumnStretch(2, 1);
  column->addWidget(group);
  column->addStretch(1);
  return page;
}

QWidget* TFormParameters::BuildMyStationPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  edit1_ = new QLineEdit(page);
  Name(edit1_, "Edit1", QStringLiteral("My Callsign"));
  edit1_->setValidator(new UpperCase(edit1_));
  edit3_ = new QLineEdit(page);
  Name(edit3_, "Edit3", QStringLiteral("My Check"));
  grid->addWidget(EditGroup(QStringLiteral("My Callsign"), edit1_, page), 0, 0);
  grid->addWidget(EditGroup(QStringLiteral("My Check"), edit3_, page), 1, 0);
  grid->addWidget(RadioGroup("RadioGroup1", QStringLiteral("Power (W)"),
                             {QStringLiteral("100"), QStringLiteral("1000")}, power_, page),
                  2, 0);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* TFormParameters::BuildColoursPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  for (int i = 0; i < kColourLabelCount; ++i) {
    const LabelLayout& layout = kLabels[i];
    const QString caption = QString::fromLatin1(layout.caption);
    auto* label = new QPushButton(caption, page);
    Name(label, layout.name, caption + QStringLiteral(" colour"),
         QStringLiteral("Click to choose the colour"));
    label->setFlat(true);
    labels_[i] = label;
    grid->addWidget(label, layout.row, layout.column);
  }
  grid->setRowMinimumHeight(4, 8);  // the empty line above "Section Call areas"
  grid->setRowStretch(6, 1);
  return page;
}

QWidget* TFormParameters::BuildMiscPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  edit2_ = new QLineEdit(page);
  // Only a chosen file counts; typing a name here would change nothing.
  edit2_->setReadOnly(true);
  Name(edit2_, "Edit2", QStringLiteral("Save Game file"),
       QStringLiteral("Click to change Save Game file"));
  edit2_->installEventFilter(this);
  grid->addWidget(EditGroup(QStringLiteral("Save Game file"), edit2_, page), 0, 0);
  grid->addWidget(RadioGroup("RadioGroup2", QStringLiteral("Section Display"),
                             {QStringLiteral("Left"), QStringLiteral("Right")}, side_, page),
                  1, 0);

  auto* boxes = new QVBoxLayout;
  autodetect_ =
      CheckBox("CheckBoxAutodetect", QStringLiteral("Auto detect"), true,
               QStringLiteral("Automatically detects parts of incoming QSO message"), page);
  autoclear_ = CheckBox("CheckBoxAutoclear", QStringLiteral("Auto clear"), true,
                        QStringLiteral("Clears incoming QSO message"), page);
  assist_ = CheckBox("CheckBoxassist", QStringLiteral("Log Assist"), true,
                     QStringLiteral("Inhibits logging until QSO message is sent"), page);
  silentmode_ = CheckBox("CheckBoxsilentmode", QStringLiteral("Silent mode"), false, {}, page);
  autosave_ = CheckBox("CheckBoxautosave", QStringLiteral("Auto save"), false,
                       QStringLiteral("Automatic save and restore of game"), page);
  debug_ = CheckBox("CheckBox1", QStringLiteral("Debug"), false, {}, page);
  debug_->hide();
  for (QCheckBox* box : {autodetect_, autoclear_, assist_, silentmode_, autosave_, debug_}) {
    boxes->addWidget(box);
  }
  boxes->addStretch(1);
  grid->addLayout(boxes, 0, 1, 3, 1);
  grid->setRowStretch(2, 1);
  return page;
}

void TFormParameters::ConnectControls() {
  Game& g = main_.game();
  connect(fontEntries_[0], &QAction::triggered, this,
          [this] { Incoming1Click(FontEntry::Incoming); });
  connect(fontEntries_[1], &QAction::triggered, this,
          [this] { Incoming1Click(FontEntry::Outgoing); });
  connect(fontEntries_[2], &QAction::triggered, this, [this] { Incoming1Click(FontEntry::Log); });
  connect(notebook_, &QTabWidget::currentChanged, this, [this] { TabbedNotebook1Click(); });
  for (int i = 0; i < kColourLabelCount; ++i) {
    connect(labels_[i], &QPushButton::clicked, this,
            [this, i] { Label2Click(static_cast<ColourLabel>(i)); });
  }
  // Radio items run their group's handler when the player picks them.
  for (int item = 0; item < 2; ++item) {
    connect(power_[item], &QRadioButton::clicked, this,
            [&g, item] { tovk::RadioGroup1Click(g, item); });
    connect(side_[item], &QRadioButton::clicked, this,
            [&g, item] { tovk::RadioGroup2Click(g, item); });
  }
  // A check box runs its handler whenever its state changes, also when the
  // dialog sets it on opening.
  connect(autodetect_, &QCheckBox::toggled, this,
          [&g](bool on) { tovk::CheckBoxAutodetectClick(g, on); });
  connect(autoclear_, &QCheckBox::toggled, this,
          [&g](bool on) { tovk::CheckBoxAutoclearClick(g, on); });
  connect(assist_, &QCheckBox::toggled, this, [&g](bool on) { tovk::CheckBoxassistClick(g, on); });
  connect(silentmode_, &QCheckBox::toggled, this,
          [&g](bool on) { tovk::CheckBoxsilentmodeClick(g, on); });
  connect(autosave_, &QCheckBox::toggled, this,
          [&g](bool on) { tovk::CheckBoxautosaveClick(g, on); });
  connect(debug_, &QCheckBox::toggled, this, [&g](bool on) { tovk::CheckBox1Click(g, on); });
  connect(ok_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormParameters::ShowPage(SettingsPage page) {
  notebook_->setCurrentIndex(static_cast<int>(page));
}

void TFormParameters::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TFormParameters::FormShow() {
  Game& g = main_.game();
  move(main_.x() + main_.width() / 2 - width() / 2, main_.y() + main_.height() / 2 - height() / 2);

  edit1_->setText(Q(g.Mycall.str()));
  ShowSavedGameName();
  edit3_->setText(Q(g.Mycheck.str()));

  for (int i = 0; i < kColourLabelCount; ++i) {
    const auto label = static_cast<ColourLabel>(i);
    PaintLabel(label, ToQColor(CurrentColour(g, label)));
  }

  debug_->setChecked(g.Debug);

  // Choosing the items re-derives the power and the panel's side, as a
  // click would: a precedence other than "A" becomes "B".
  const int power = g.Myprec == "A" ? 0 : 1;
  power_[power]->setChecked(true);
  tovk::RadioGroup1Click(g, power);
  const int side = g.SectionPosition == "R" ? 1 : 0;
  side_[side]->setChecked(true);
  tovk::RadioGroup2Click(g, side);

  {
    const QSignalBlocker quiet(silentmode_);
    silentmode_->setChecked(g.SilentMode);
  }
  autoclear_->setChecked(g.AutoClear);
  autodetect_->setChecked(g.AutoDetect);
  assist_->setChecked(g.Assist);

  TabbedNotebook1Click();
  autosave_->setChecked(g.AutoSave);
}

void TFormParameters::TabbedNotebook1Click() {
  // Only the "Time out" page can be left without OK.
  cancel_->setVisible(notebook_->currentIndex() == static_cast<int>(SettingsPage::TimeOut));
}

void TFormParameters::BitBtn1Click() {
  spinHours_->interpretText();
  spinMinutes_->interpretText();
  const SettingsOk ok{edit1_->text().toStdString(), edit3_->text().toStdString(),
                      spinHours_->value(), spinMinutes_->value()};
  tovk::BitBtn1Click(main_.game(), ok);
  accept();
}

QColor TFormParameters::LabelColour(ColourLabel label) const {
  return labelColours_[static_cast<int>(label)];
}

void TFormParameters::PaintLabel(ColourLabel label, const QColor& colour) {
  labelColours_[static_cast<int>(label)] = colour;
  // Dark backgrounds get a white caption, so that every label stays legible.
  const QString text = colour.lightness() < 110 ? QStringLiteral("white") : QStringLiteral("black");
  Label(label)->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray;"
                     " padding: 2px 4px; }"
                     " QPushButton:focus { border: 2px solid palette(highlight); }")
          .arg(colour.name(), text));
}

void TFormParameters::Label2Click(ColourLabel label) {
  const std::optional<QColor> chosen = chooseColour_(lastColour_, this);
  if (!chosen || !chosen->isValid()) return;
  lastColour_ = *chosen;
  ApplyColour(main_, label, FromQColor(*chosen));
  PaintLabel(label, *chosen);
  RepaintSectionMap(main_.game());
}

void TFormParameters::Incoming1Click(FontEntry entry) {
  const MemoId memo = MemoOf(entry);
  const std::optional<QFont> chosen = chooseFont_(main_.Memo(memo)->font(), this);
  if (!chosen) return;
  const Colour textColour = FontOf(main_.game().Look, memo).colour;
  main_.SetMemoFont(memo, ToFontLook(*chosen, textColour));
}

void TFormParameters::Edit2Click() {
  tovk::Edit2Click(main_.game());
  ShowSavedGameName();
}

void TFormParameters::ShowSavedGameName() {
  const std::filesystem::path file(main_.game().SavedGameFile);
  edit2_->setText(QString::fromStdString(file.filename().string()));
}

bool TFormParameters::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit2_) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Edit2Click();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      Edit2Click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RunTFormParameters(TFormMain& main, SettingsPage page) {
  TFormParameters dialog(main);
  dialog.ShowPage(page);
  dialog.exec();
}

}  // namespace tovk::ui
