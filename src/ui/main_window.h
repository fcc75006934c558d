// The main window: status bar, section map, the notebook with the incoming
// and log windows, the entry strip, the outgoing window, the button groups,
// the menus and the Auto CQ timer. It owns the game and is its screen: every
// control runs the game's handler, and the window shows only what the game
// tells it.
#pragma once

#include <QGroupBox>
#include <QMainWindow>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "persist/recovery.h"
#include "ui/button_panel.h"
#include "ui/entry_panel.h"
#include "ui/memo_view.h"
#include "ui/section_map_panel.h"
#include "ui/status_bar.h"
#include "world/game.h"
#include "world/screen.h"

namespace tovk::ui {

class HelpViewer;
class ResultsDialog;
class TFormAbout;

// What the program's assembly hands the window: where its files live.
struct WindowSetup {
  std::filesystem::path folder;        // saved games named without a folder
  std::filesystem::path settingsFile;  // the settings file
  std::filesystem::path helpFile;      // the help document
  std::filesystem::path stationList;   // empty: the game's own station list name
  std::filesystem::path historyFile;   // the practice history
  std::filesystem::path recoveryFile;  // empty: no recovery copy is kept
  // Seeds the random source from the clock when the window is first shown.
  std::function<void()> seedRandom;
};

// The help menu's requests, for the help viewer to answer.
enum class HelpRequest { Contents, HelpOnHelp, FullTextSearch, Search };

class TFormMain : public QMainWindow, public Screen {
  Q_OBJECT

 public:
  TFormMain(const WindowSetup& setup, RandomSource& random, QWidget* parent = nullptr);
  ~TFormMain() override;

  // The creation steps: group colours, first page, the game's start-up
  // (settings file, new game, automatic restore), then the look from the
  // settings and the caption. Runs once, before the window is shown.
  void FormCreate();

  Game& game() { return game_; }
  const Game& game() const { return game_; }

  // Runs a player action on the game (marked busy), then keeps the recovery
  // copy up to date. Every control of the window goes through here.
  void Act(const std::function<void()>& action);
  const std::filesystem::path& HistoryFile() const { return setup_.historyFile; }

  // --- The look, changed by the settings and the settings dialog ---
  void SetMemoColour(MemoId memo, Colour colour);
  void SetMemoFont(MemoId memo, const FontLook& font);
  void SetIncomingWordWrap(bool wrap);
  void SetGroupColour(ButtonGroup group, Colour colour);
  // Applies the whole of g.Look: size, position, colours, fonts, word wrap.
  void ApplyLook();
  // Copies the window's size and position into g.Look.
  void CaptureLook();

  // Seams for the dialogs of the next stage: the settings dialog and help.
  using SettingsDialogRunner = std::function<void(Game&, SettingsPage, QWidget* parent)>;
  void SetSettingsDialog(SettingsDialogRunner runner) { settingsDialog_ = std::move(runner); }
  using HelpRunner = std::function<void(HelpRequest, const std::filesystem::path& helpFile)>;
  void SetHelp(HelpRunner runner) { help_ = std::move(runner); }

  // --- Parts the tests and the benchmark look at ---
  MemoView* Memo(MemoId memo) const { return memos_[static_cast<int>(memo)]; }
  StatusBar* StatusBar1() const { return statusBar_; }
  SectionMapPanel* Panel2() const { return sectionMap_; }
  ButtonPanel* Panel3() const { return buttons_; }
  EntryPanel* Panel4() const { return entries_; }
  QTabWidget* TabbedNotebook1() const { return notebook_; }
  QWidget* Panel1() const { return panel1_; }
  QTimer& Timer1() { return timer1_; }
  bool SectionPanelOnRight() const { return sectionPanelRight_; }
  TFormAbout* AboutBox() const { return about_; }
  HelpViewer* HelpWindow() const { return helpViewer_; }
  ResultsDialog* ResultsWindow() const { return results_; }  // null until first shown
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
  void SetStatusPanel(int index, const std::string& text) override;
  void SetTimerEnabled(bool enabled) override;
  void ShowNotebookPage(int page) override;
  void PaintSectionCell(int section, Colour colour) override;
  void PaintAreaBox(int area, Colour colour) override;
  void DockSectionPanel(bool right) override;
  void EndProgram() override;
  void ContestEnded() override;

 public slots:
  // The Auto CQ timer fired.
  void Timer1Fired();
  void ButtonPressed(tovk::Button button);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void BuildMenus();
  void BuildLayout();
  void ConnectControls();
  void TabbedNotebook1Click(int page);
  void Settings1Click();
  void AboutTovk1Click();
  // Opens (or brings up) the results summary with the game's figures now.
  void ShowResults();
  void Help(HelpRequest request);
  void Quit();
  QGroupBox* MemoGroup(MemoId memo) const { return memoGroups_[static_cast<int>(memo)]; }

  // At start, once the window is up: offers the recovery copy of a game
  // that ended without quitting.
  void OfferRecovery();

  Game game_;
  WindowSetup setup_;
  std::optional<RecoveryCopy> recovery_;
  bool created_ = false;
  bool shown_ = false;
  bool ticking_ = false;
  bool sectionPanelRight_ = false;

  StatusBar* statusBar_ = nullptr;
  SectionMapPanel* sectionMap_ = nullptr;
  QWidget* panel1_ = nullptr;
  QWidget* middle_ = nullptr;  // holds the section map and Panel1 side by side
  QTabWidget* notebook_ = nullptr;
  QSplitter* splitter_ = nullptr;
  EntryPanel* entries_ = nullptr;
  ButtonPanel* buttons_ = nullptr;
  std::array<MemoView*, kMemoCount> memos_{};
  std::array<QGroupBox*, kMemoCount> memoGroups_{};
  QTimer timer1_;

  SettingsDialogRunner settingsDialog_;
  HelpRunner help_;
  TFormAbout* about_ = nullptr;       // made once, shown again on each request
  HelpViewer* helpViewer_ = nullptr;  // one help window, reused
  ResultsDialog* results_ = nullptr;  // one results summary, refreshed on each showing
};

}  // namespace tovk::ui
