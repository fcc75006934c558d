// The main window: status bar, section map, the notebook with the incoming
// and log windows, the entry strip, the outgoing window, the button groups,
// the menus and the Auto CQ timer. It is the session's front-end: it draws
// what the game tells it and passes every control's command to the session.
#pragma once

#include <QGroupBox>
#include <QMainWindow>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/front_end.h"
#include "app/session.h"
#include "ui/button_panel.h"
#include "ui/entry_panel.h"
#include "ui/memo_view.h"
#include "ui/section_map_panel.h"
#include "ui/status_bar.h"

namespace tovk::ui {

class HelpViewer;
class SoundOutput;
class ResultsDialog;
class AboutBox;

// What the program's assembly hands the window: where its files live, and
// how the random source is seeded when the window is first shown.
struct WindowSetup : SessionSetup {
  std::function<void()> seedRandom;
  // The band is played on the desktop's sound server (the tests' windows
  // stay silent unless they ask for it).
  bool playSound = true;
};

class MainWindow : public QMainWindow, public FrontEnd {
  Q_OBJECT

 public:
  MainWindow(const WindowSetup& setup, RandomSource& random, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start before the window is shown: the game's start-up (settings
  // file, new game, automatic restore), then the look from the settings and
  // the caption. Runs once.
  void Create();

  Session& session() { return session_; }
  Game& game() { return session_.game(); }
  const Game& game() const { return session_.game(); }

  // Gives the session a command from one of the window's controls.
  void RunCommand(Command command, const CommandInput& input = {});
  // A key pressed in `target`: runs its command; false when it is not one
  // of the game's keys.
  bool PressKey(const KeyChord& chord, QWidget* target);

  // --- The look ---
  // Applies the whole of g.Look: size, position, colours, fonts, word wrap.
  void ApplyLook();
  // Copies the window's size and position into g.Look.
  void CaptureLook();

  // Seams for the dialogs: the settings dialog and help.
  using SettingsDialogRunner = std::function<void(SettingsPage, QWidget* parent)>;
  void SetSettingsDialog(SettingsDialogRunner runner) { settingsDialog_ = std::move(runner); }
  using HelpRunner = std::function<void(HelpTopic, const std::filesystem::path& helpFile)>;
  void SetHelp(HelpRunner runner) { help_ = std::move(runner); }

  // --- Parts the tests and the benchmark look at ---
  MemoView* Memo(MemoId memo) const { return memos_[static_cast<int>(memo)]; }
  StatusBar* Status() const { return statusBar_; }
  SectionMapPanel* SectionMap() const { return sectionMap_; }
  ButtonPanel* Buttons() const { return buttons_; }
  EntryPanel* Entries() const { return entries_; }
  QTabWidget* Notebook() const { return notebook_; }
  QWidget* MemoArea() const { return memoArea_; }
  QTimer& AutoCqTimer() { return autoCqTimer_; }
  bool SectionPanelOnRight() const { return sectionPanelRight_; }
  // Made when first asked for, so that start-up does not build them.
  AboutBox* About();
  HelpViewer* HelpWindow();
  ResultsDialog* ResultsWindow() const { return results_; }  // null until first shown
  SoundOutput* Sound() const { return sound_.get(); }        // null for a silent window
  // What the window said about its sound (the status line); empty while all is well.
  QString SoundProblem() const { return soundProblem_; }
  // Shows every gathered line in the three text windows at once.
  void FlushMemos();

  // --- Screen ---
  void AppendLine(MemoId memo, const std::string& line) override;
  void ClearLines(MemoId memo) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  std::optional<std::string> ChooseFile(const FileRequest& request) override;
  void RunSettingsDialog(SettingsPage page) override;
  void SetFieldText(Field field, const std::string& text) override;
  void SetBandBox(const std::string& band) override;
  void SetQsoNumber(const std::string& text) override;
  void SetButtonEnabled(Button button, bool enabled) override;
  void SetCallButtonCaption(const std::string& caption) override;
  void SetStatusPanel(StatusPanel panel, const std::string& text) override;
  void SetTimerEnabled(bool enabled) override;
  void ShowNotebookPage(NotebookPage page) override;
  void PaintSectionCell(int section, Colour colour) override;
  void PaintAreaBox(int area, Colour colour) override;
  void DockSectionPanel(bool right) override;
  void EndProgram() override;

  // --- FrontEnd ---
  void ShowResults(const ResultsSummary& results, const LogCheck& check,
                   const std::vector<PracticeRun>& history) override;
  void ShowHelp(HelpTopic topic) override;
  void ShowKeyList() override;
  void ShowAbout() override;
  void ShowLook(const WindowLook& look) override;
  void MoveFocus(FocusMove move) override;
  void HearLine(const std::string& line, const std::string& shown) override;
  void TransmitLine(const std::string& line) override;
  void RevealLines(const std::vector<HiddenLine>& lines) override;
  void ShowSound(const SoundOptions& sound) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void BuildMenus();
  void AddMenuEntries(QWidget* menu, Menu which);
  void BuildLayout();
  void ConnectControls();
  void NotebookPageChosen(int page);
  void StartSound();
  QGroupBox* MemoGroup(MemoId memo) const { return memoGroups_[static_cast<int>(memo)]; }

  WindowSetup setup_;
  Session session_;
  bool created_ = false;
  bool shown_ = false;
  bool sectionPanelRight_ = false;
  QWidget* keyTarget_ = nullptr;  // where the key being run was pressed

  StatusBar* statusBar_ = nullptr;
  SectionMapPanel* sectionMap_ = nullptr;
  QWidget* memoArea_ = nullptr;
  QWidget* middle_ = nullptr;  // holds the section map and the memo area side by side
  QTabWidget* notebook_ = nullptr;
  QSplitter* splitter_ = nullptr;
  EntryPanel* entries_ = nullptr;
  ButtonPanel* buttons_ = nullptr;
  std::array<MemoView*, kMemoCount> memos_{};
  std::array<QGroupBox*, kMemoCount> memoGroups_{};
  QTimer autoCqTimer_;

  SettingsDialogRunner settingsDialog_;
  HelpRunner help_;
  AboutBox* about_ = nullptr;         // made at first request, shown again on each
  HelpViewer* helpViewer_ = nullptr;  // one help window, made at first request, reused
  ResultsDialog* results_ = nullptr;  // one results summary, refreshed on each showing
  std::unique_ptr<SoundOutput> sound_;
  // The band starts once the window's first frame is on the screen: its
  // threads and libraries would otherwise share the processor with the
  // window's start. Until then the settings wait here.
  bool framePainted_ = false;
  bool soundStarted_ = false;
  std::optional<SoundOptions> soundWaiting_;
  QString soundProblem_;
};

}  // namespace tovk::ui
