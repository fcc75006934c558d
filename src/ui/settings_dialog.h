// The settings dialog: the timeout, the own station, the colours of the
// section map and the main window, the fonts of the three text windows, the
// saved-game file, the section panel's side, the operating options and the
// sound. It is
// made for each opening and destroyed after; it edits the settings through
// the narrow SettingsEditor, most at once, the callsign, check and timeout
// on OK.
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

#include "app/settings_change.h"

namespace tovk::ui {

// The colour labels of the "Colours" page colour the items of the settings.
using ColourLabel = ColourItem;
constexpr int kColourLabelCount = kColourItemCount;

// The entries of the dialog's "Fonts" menu.
enum class FontEntry { Incoming, Outgoing, Log };

class SoundPage;

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(SettingsEditor& editor, QWidget* parent);

  // The colour and font dialogs; tests answer them from scripts. Nothing
  // returned means the player cancelled.
  using ColourChooser = std::function<std::optional<QColor>(const QColor& start, QWidget* parent)>;
  using FontChooser = std::function<std::optional<QFont>(const QFont& start, QWidget* parent)>;
  void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
  void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }

  // Brings a page to the front before the dialog is shown.
  void ShowPage(SettingsPage page);

  // --- The controls, for the tests ---
  QTabWidget* Notebook() const { return notebook_; }
  QSpinBox* HoursBox() const { return spinHours_; }
  QSpinBox* MinutesBox() const { return spinMinutes_; }
  QLineEdit* CallsignEdit() const { return callsign_; }
  QLineEdit* SavedGameEdit() const { return savedGame_; }
  QLineEdit* CheckEdit() const { return check_; }
  QRadioButton* PowerItem(int item) const { return power_[item]; }
  QRadioButton* SideItem(int item) const { return side_[item]; }
  QCheckBox* AutoDetectBox() const { return autodetect_; }
  QCheckBox* AutoClearBox() const { return autoclear_; }
  QCheckBox* AssistBox() const { return assist_; }
  QCheckBox* SilentModeBox() const { return silentmode_; }
  QCheckBox* AutoSaveBox() const { return autosave_; }
  QCheckBox* DebugBox() const { return debug_; }
  SoundPage* Sound() const { return soundPage_; }
  QPushButton* Label(ColourLabel label) const { return labels_[static_cast<int>(label)]; }
  QAction* FontsEntry(FontEntry entry) const { return fontEntries_[static_cast<int>(entry)]; }
  QMenuBar* Menu() const { return menu_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // The colour a label shows.
  QColor LabelColour(ColourLabel label) const;

  // Clicking a colour label, a "Fonts" entry, the saved-game field.
  void ChooseColour(ColourLabel label);
  void ChooseFont(FontEntry entry);
  void ChooseSavedGameFile();

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
  void ShowSettings();
  void PageChosen();
  void Confirm();
  void Apply(const SettingsChange& change);
  void PaintLabel(ColourLabel label, const QColor& colour);
  void ShowSavedGameName();

  SettingsEditor& editor_;
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
  QLineEdit* callsign_ = nullptr;
  QLineEdit* savedGame_ = nullptr;
  QLineEdit* check_ = nullptr;
  std::array<QRadioButton*, 2> power_{};
  std::array<QRadioButton*, 2> side_{};
  QCheckBox* autodetect_ = nullptr;
  QCheckBox* autoclear_ = nullptr;
  QCheckBox* assist_ = nullptr;
  QCheckBox* silentmode_ = nullptr;
  QCheckBox* autosave_ = nullptr;
  QCheckBox* debug_ = nullptr;
  SoundPage* soundPage_ = nullptr;
  std::array<QPushButton*, kColourLabelCount> labels_{};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// "Settings" and the Timeout button: makes the dialog over `parent`, brings
// `page` to the front, runs it modally and destroys it.
void ExecSettingsDialog(SettingsEditor& editor, SettingsPage page, QWidget* parent);

// The fixed size of the dialog: large enough for its pages in any font.
constexpr int kSettingsWidth = 330;
constexpr int kSettingsHeight = 300;

}  // namespace tovk::ui
