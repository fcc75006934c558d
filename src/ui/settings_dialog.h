// The settings dialog: the timeout, the own station, the colours of the
// section map and the main window, the fonts of the three text windows, the
// saved-game file, the section panel's side and the operating options. It is
// made for each opening and destroyed after; every control calls the game's
// settings operations, most at once, the callsign, check and timeout on OK.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <array>
#include <functional>
#include <optional>

#include "world/screen.h"

namespace tovk::ui {

class TFormMain;

// The eleven colour labels of the "Colours" page.
enum class ColourLabel {
  Needed,    // Label2
  Heard,     // Label3
  Worked,    // Label4
  Incoming,  // Labelincoming
  Outgoing,  // Labeloutgoing
  Log,       // Labellog
  Radio,     // Labelradio
  Data,      // Labeldata
  Macro,     // Labelmacro
  Misc,      // Labelmisc
  Sections,  // Labelsections
};
constexpr int kColourLabelCount = 11;

// The entries of the dialog's "Fonts" menu.
enum class FontEntry { Incoming, Outgoing, Log };

class TFormParameters : public QDialog {
  Q_OBJECT

 public:
  explicit TFormParameters(TFormMain& main);

  // The colour and font dialogs; tests answer them from scripts. Nothing
  // returned means the player cancelled.
  using ColourChooser = std::function<std::optional<QColor>(const QColor& start, QWidget* parent)>;
  using FontChooser = std::function<std::optional<QFont>(const QFont& start, QWidget* parent)>;
  void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
  void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }

  // Brings a page to the front before the dialog is shown.
  void ShowPage(SettingsPage page);

  // --- The controls, for the tests ---
  QTabWidget* TabbedNotebook1() const { return notebook_; }
  QSpinBox* SpinEditHr() const { return spinHours_; }
  QSpinBox* SpinEditMin() const { return spinMinutes_; }
  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QLineEdit* Edit3() const { return edit3_; }
  QRadioButton* RadioGroup1Item(int item) const { return power_[item]; }
  QRadioButton* RadioGroup2Item(int item) const { return side_[item]; }
  QCheckBox* CheckBoxAutodetect() const { return autodetect_; }
  QCheckBox* CheckBoxAutoclear() const { return autoclear_; }
  QCheckBox* CheckBoxassist() const { return assist_; }
  QCheckBox* CheckBoxsilentmode() const { return silentmode_; }
  QCheckBox* CheckBoxautosave() const { return autosave_; }
  QCheckBox* CheckBox1() const { return debug_; }
  QPushButton* Label(ColourLabel label) const { return labels_[static_cast<int>(label)]; }
  QAction* FontsEntry(FontEntry entry) const { return fontEntries_[static_cast<int>(entry)]; }
  QMenuBar* Menu() const { return menu_; }
  QPushButton* BitBtn1() const { return ok_; }
  QPushButton* BitBtn3() const { return cancel_; }

  // The colour a label shows.
  QColor LabelColour(ColourLabel label) const;

  // Clicking a colour label, a "Fonts" entry, the saved-game field.
  void Label2Click(ColourLabel label);
  void Incoming1Click(FontEntry entry);
  void Edit2Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildTimeOutPage();
  QWidget* BuildMyStationPage();
  QWidget* BuildColoursPage();
  QWidget* BuildMiscPage();
  void BuildFontsMenu();
  void ConnectControls();
  void FormShow();
  void TabbedNotebook1Click();
  void BitBtn1Click();
  void PaintLabel(ColourLabel label, const QColor& colour);
  void ShowSavedGameName();

  TFormMain& main_;
  bool shown_ = false;
  QColor lastColour_ = Qt::black;  // what the colour dialog returned last
  std::array<QColor, kColourLabelCount> labelColours_{};
  ColourChooser chooseColour_;
  FontChooser chooseFont_;

  QMenuBar* menu_ = nullptr;
  std::array<QAction*, 3> fontEntries_{};
  QTabWidget* notebook_ = nullptr;
  QSpinBox* spinHours_ = nullptr;
  QSpinBox* spinMinutes_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  std::array<QRadioButton*, 2> power_{};
  std::array<QRadioButton*, 2> side_{};
  QCheckBox* autodetect_ = nullptr;
  QCheckBox* autoclear_ = nullptr;
  QCheckBox* assist_ = nullptr;
  QCheckBox* silentmode_ = nullptr;
  QCheckBox* autosave_ = nullptr;
  QCheckBox* debug_ = nullptr;
  std::array<QPushButton*, kColourLabelCount> labels_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// "Settings" and the Timeout button: makes the dialog over the main window,
// brings `page` to the front, runs it modally and destroys it.
void RunTFormParameters(TFormMain& main, SettingsPage page);

// The fixed size of the dialog: large enough for its pages in any font.
constexpr int kSettingsWidth = 330;
constexpr int kSettingsHeight = 300;

}  // namespace tovk::ui
