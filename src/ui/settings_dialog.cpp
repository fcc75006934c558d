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

#include "ui/colours.h"
#include "ui/sound_page.h"

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
    {"NeededColour", "Needed", 2, 0},
    {"HeardColour", "Heard", 2, 1},
    {"WorkedColour", "Worked", 2, 2},
    {"IncomingColour", "Incoming", 0, 1},
    {"OutgoingColour", "Outgoing", 0, 0},
    {"LogColour", "Log", 0, 2},
    {"RadioColour", "Radio group", 1, 0},
    {"DataColour", "Data group", 1, 2},
    {"MacroColour", "Macro group", 1, 1},
    {"MiscColour", "Misc group", 1, 3},
    {"SectionsColour", "Section Call areas", 1, 5},
}};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

MemoId MemoOf(FontEntry entry) {
  switch (entry) {
    case FontEntry::Incoming:
      return MemoId::Incoming;
    case FontEntry::Outgoing:
      return MemoId::Outgoing;
    case FontEntry::Log:
      return MemoId::Log;
  }
  return MemoId::Incoming;
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

SettingsDialog::SettingsDialog(SettingsEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), chooseColour_(AskColour), chooseFont_(AskFont) {
  setObjectName(QStringLiteral("SettingsDialog"));
  setWindowTitle(QStringLiteral("Settings"));
  setAccessibleName(QStringLiteral("Settings"));
  if (parent != nullptr) setFont(parent->font());
  setModal(true);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 4, 6, 6);
  BuildFontsMenu();
  column->setMenuBar(menu_);

  notebook_ = new QTabWidget(this);
  Name(notebook_, "Pages", QStringLiteral("Settings pages"));
  notebook_->addTab(BuildTimeOutPage(), QStringLiteral("Time out"));
  notebook_->addTab(BuildMyStationPage(), QStringLiteral("My station"));
  notebook_->addTab(BuildColoursPage(), QStringLiteral("Colours"));
  notebook_->addTab(BuildMiscPage(), QStringLiteral("Misc"));
  soundPage_ = new SoundPage(editor_, notebook_);
  notebook_->addTab(soundPage_, QStringLiteral("Sound"));
  notebook_->setCurrentIndex(static_cast<int>(SettingsPage::MyStation));
  column->addWidget(notebook_, 1);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  Name(ok_, "Ok", QStringLiteral("OK"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  Name(cancel_, "Cancel", QStringLiteral("Cancel"));
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

void SettingsDialog::BuildFontsMenu() {
  menu_ = new QMenuBar(this);
  menu_->setObjectName(QStringLiteral("SettingsMenu"));
  menu_->setAccessibleName(QStringLiteral("Settings menu"));
  QMenu* fonts = menu_->addMenu(QStringLiteral("Fonts"));
  fonts->setAccessibleName(QStringLiteral("Fonts"));
  fontEntries_[0] = fonts->addAction(QStringLiteral("Incoming window"));
  fontEntries_[1] = fonts->addAction(QStringLiteral("Outgoing window"));
  fontEntries_[2] = fonts->addAction(QStringLiteral("Log"));
}

QWidget* SettingsDialog::BuildTimeOutPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral("Set Time Out"), page);
  Name(group, "SetTimeOut", QStringLiteral("Set Time Out"));
  auto* grid = new QGridLayout(group);
  spinHours_ = SpinEdit("Hours", 60, 2, QStringLiteral("Hours"), group);
  spinMinutes_ = SpinEdit("Minutes", 59, 30, QStringLiteral("Minutes"), group);
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

QWidget* SettingsDialog::BuildMyStationPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  callsign_ = new QLineEdit(page);
  Name(callsign_, "MyCallsign", QStringLiteral("My Callsign"));
  callsign_->setValidator(new UpperCase(callsign_));
  check_ = new QLineEdit(page);
  Name(check_, "MyCheck", QStringLiteral("My Check"));
  grid->addWidget(EditGroup(QStringLiteral("My Callsign"), callsign_, page), 0, 0);
  grid->addWidget(EditGroup(QStringLiteral("My Check"), check_, page), 1, 0);
  grid->addWidget(RadioGroup("Power", QStringLiteral("Power (W)"),
                             {QStringLiteral("100"), QStringLiteral("1000")}, power_, page),
                  2, 0);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* SettingsDialog::BuildColoursPage() {
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

QWidget* SettingsDialog::BuildMiscPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  savedGame_ = new QLineEdit(page);
  // Only a chosen file counts; typing a name here would change nothing.
  savedGame_->setReadOnly(true);
  Name(savedGame_, "SavedGameFile", QStringLiteral("Save Game file"),
       QStringLiteral("Click to change Save Game file"));
  savedGame_->installEventFilter(this);
  grid->addWidget(EditGroup(QStringLiteral("Save Game file"), savedGame_, page), 0, 0);
  grid->addWidget(RadioGroup("SectionDisplay", QStringLiteral("Section Display"),
                             {QStringLiteral("Left"), QStringLiteral("Right")}, side_, page),
                  1, 0);

  auto* boxes = new QVBoxLayout;
  autodetect_ =
      CheckBox("AutoDetect", QStringLiteral("Auto detect"), true,
               QStringLiteral("Automatically detects parts of incoming QSO message"), page);
  autoclear_ = CheckBox("AutoClear", QStringLiteral("Auto clear"), true,
                        QStringLiteral("Clears incoming QSO message"), page);
  assist_ = CheckBox("LogAssist", QStringLiteral("Log Assist"), true,
                     QStringLiteral("Inhibits logging until QSO message is sent"), page);
  silentmode_ = CheckBox("SilentMode", QStringLiteral("Silent mode"), false, {}, page);
  autosave_ = CheckBox("AutoSave", QStringLiteral("Auto save"), false,
                       QStringLiteral("Automatic save and restore of game"), page);
  debug_ = CheckBox("Debug", QStringLiteral("Debug"), false, {}, page);
  debug_->hide();
  for (QCheckBox* box : {autodetect_, autoclear_, assist_, silentmode_, autosave_, debug_}) {
    boxes->addWidget(box);
  }
  boxes->addStretch(1);
  grid->addLayout(boxes, 0, 1, 3, 1);
  grid->setRowStretch(2, 1);
  return page;
}

void SettingsDialog::ConnectControls() {
  connect(fontEntries_[0], &QAction::triggered, this, [this] { ChooseFont(FontEntry::Incoming); });
  connect(fontEntries_[1], &QAction::triggered, this, [this] { ChooseFont(FontEntry::Outgoing); });
  connect(fontEntries_[2], &QAction::triggered, this, [this] { ChooseFont(FontEntry::Log); });
  connect(notebook_, &QTabWidget::currentChanged, this, [this] { PageChosen(); });
  for (int i = 0; i < kColourLabelCount; ++i) {
    connect(labels_[i], &QPushButton::clicked, this,
            [this, i] { ChooseColour(static_cast<ColourLabel>(i)); });
  }
  // Radio items take effect when the player picks them.
  for (int item = 0; item < 2; ++item) {
    connect(power_[item], &QRadioButton::clicked, this, [this, item] {
      SettingsChange change;
      change.power = item == 0 ? Power::Low100 : Power::High1000;
      Apply(change);
    });
    connect(side_[item], &QRadioButton::clicked, this, [this, item] {
      SettingsChange change;
      change.sectionMapRight = item == 1;
      Apply(change);
    });
  }
  // A check box takes effect whenever its state changes, also when the
  // dialog sets it on opening.
  const std::array<std::pair<QCheckBox*, std::optional<bool> SettingsChange::*>, 6> boxes{{
      {autodetect_, &SettingsChange::autoDetect},
      {autoclear_, &SettingsChange::autoClear},
      {assist_, &SettingsChange::assist},
      {silentmode_, &SettingsChange::silentMode},
      {autosave_, &SettingsChange::autoSave},
      {debug_, &SettingsChange::debug},
  }};
  for (const auto& [box, option] : boxes) {
    connect(box, &QCheckBox::toggled, this, [this, option = option](bool on) {
      SettingsChange change;
      change.*option = on;
      Apply(change);
    });
  }
  // Copying by ear, the game never fills the fields: Auto detect is off.
  connect(soundPage_, &SoundPage::copyByEarChanged, this, [this](bool on) {
    if (on) {
      const QSignalBlocker quiet(autodetect_);
      autodetect_->setChecked(editor_.Settings().AutoDetect);
    }
    autodetect_->setEnabled(!on);
  });
  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::Apply(const SettingsChange& change) {
  editor_.ApplySettings(change);
}

void SettingsDialog::ShowPage(SettingsPage page) {
  notebook_->setCurrentIndex(static_cast<int>(page));
}

void SettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  ShowSettings();
}

void SettingsDialog::ShowSettings() {
  const GameState& s = editor_.Settings();
  if (const QWidget* over = parentWidget()) {
    move(over->x() + over->width() / 2 - width() / 2,
         over->y() + over->height() / 2 - height() / 2);
  }

  callsign_->setText(Q(s.Mycall.str()));
  ShowSavedGameName();
  check_->setText(Q(s.Mycheck.str()));

  for (int i = 0; i < kColourLabelCount; ++i) {
    const auto label = static_cast<ColourLabel>(i);
    PaintLabel(label, ToQColor(ColourOf(s, label)));
  }

  debug_->setChecked(s.Debug);

  // Choosing the items re-derives the power and the panel's side, as a
  // click would: a precedence other than "A" becomes "B".
  const SettingsChange chosen = ChoicesShownAtOpening(s);
  power_[*chosen.power == Power::Low100 ? 0 : 1]->setChecked(true);
  side_[*chosen.sectionMapRight ? 1 : 0]->setChecked(true);
  Apply(chosen);

  {
    const QSignalBlocker quiet(silentmode_);
    silentmode_->setChecked(s.SilentMode);
  }
  autoclear_->setChecked(s.AutoClear);
  autodetect_->setChecked(s.AutoDetect);
  autodetect_->setEnabled(!s.Sound.copyByEar);
  soundPage_->ShowSettings();
  assist_->setChecked(s.Assist);

  PageChosen();
  autosave_->setChecked(s.AutoSave);
}

void SettingsDialog::PageChosen() {
  // Only the "Time out" page can be left without OK.
  cancel_->setVisible(notebook_->currentIndex() == static_cast<int>(SettingsPage::TimeOut));
}

void SettingsDialog::Confirm() {
  spinHours_->interpretText();
  spinMinutes_->interpretText();
  SettingsChange change;
  change.ownStation =
      OwnStationChange{callsign_->text().toStdString(), check_->text().toStdString()};
  change.timeout = TimeoutLength{spinHours_->value(), spinMinutes_->value()};
  Apply(change);
  accept();
}

QColor SettingsDialog::LabelColour(ColourLabel label) const {
  return labelColours_[static_cast<int>(label)];
}

void SettingsDialog::PaintLabel(ColourLabel label, const QColor& colour) {
  labelColours_[static_cast<int>(label)] = colour;
  // Dark backgrounds get a white caption, so that every label stays legible.
  const QString text = colour.lightness() < 110 ? QStringLiteral("white") : QStringLiteral("black");
  Label(label)->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray;"
                     " padding: 2px 4px; }"
                     " QPushButton:focus { border: 2px solid palette(highlight); }")
          .arg(colour.name(), text));
}

void SettingsDialog::ChooseColour(ColourLabel label) {
  const std::optional<QColor> chosen = chooseColour_(lastColour_, this);
  if (!chosen || !chosen->isValid()) return;
  lastColour_ = *chosen;
  SettingsChange change;
  change.colour = {label, FromQColor(*chosen)};
  Apply(change);
  PaintLabel(label, *chosen);
}

void SettingsDialog::ChooseFont(FontEntry entry) {
  const MemoId memo = MemoOf(entry);
  const FontLook& now = FontOf(editor_.Settings().Look, memo);
  const std::optional<QFont> chosen = chooseFont_(ToQFont(now), this);
  if (!chosen) return;
  SettingsChange change;
  change.font = {memo, ToFontLook(*chosen, now.colour)};
  Apply(change);
}

void SettingsDialog::ChooseSavedGameFile() {
  editor_.ChooseSavedGameFile();
  ShowSavedGameName();
}

void SettingsDialog::ShowSavedGameName() {
  const std::filesystem::path file(editor_.Settings().SavedGameFile);
  savedGame_->setText(QString::fromStdString(file.filename().string()));
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != savedGame_) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    ChooseSavedGameFile();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      ChooseSavedGameFile();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ExecSettingsDialog(SettingsEditor& editor, SettingsPage page, QWidget* parent) {
  SettingsDialog dialog(editor, parent);
  dialog.ShowPage(page);
  dialog.exec();
}

}  // namespace tovk::ui
