// The game object the program owns and passes to every operation: the game
// state, the random source, the screen, and the game's own copy of what the
// main window shows (window lines, entry fields, band box, enabled buttons,
// status panels, the Auto CQ timer). Every change of what is shown goes
// through the helpers here, so the copy and the screen never disagree.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/random.h"
#include "world/screen.h"

namespace tovk {

struct Game : GameState {
  Game(Screen& screen, RandomSource& random);

  Screen& screen;
  RandomSource& random;

  // A draw 0..n-1 from the game's random source (0 when n <= 0).
  int Draw(int n) { return random.Draw(n); }

  // What the window shows.
  std::array<std::vector<std::string>, kMemoCount> memo{};
  std::array<std::string, kFieldCount> fieldText{};
  std::string bandBox;  // text of the band box; empty when nothing is selected
  std::string qsoNumberText;
  std::array<bool, kButtonCount> buttonEnabled{};
  std::string callButtonCaption = "QRZ";
  std::array<std::string, kStatusPanelCount> statusPanel{};
  bool autoCqTimer = false;  // the Auto CQ timer is enabled
  NotebookPage notebookPage = NotebookPage::Qso;
  std::array<Colour, kSectionCount> sectionCellColour{};
  std::array<Colour, kAreaCount> areaBoxColour{};

  // The program's folder: the station list, the settings file and a saved
  // game named without a folder are found here.
  std::filesystem::path folder = ".";
  // The settings file: the executable's path with ".ini" (the window), or
  // DIR/tovk.ini (the terminal front-end).
  std::filesystem::path settingsFile = "tovk.ini";
  // The practice history; empty: beside the settings file.
  std::filesystem::path historyFile;

  // Raised after every logged contact, timeout and mishap, so the recovery
  // copy of the game can follow.
  int checkpoints = 0;

  // The end of this contest has been reported ("Contest is over" the first
  // time): the results summary and the practice history happen once per
  // contest, when the application sees the end pending.
  bool contestEndHandled = false;
  bool contestEndPending = false;

  // Depth of operations in progress; a timer tick that arrives while an
  // operation is running (a modal box keeps the event loop going) is skipped.
  int busy = 0;

  // Helpers that change what is shown and tell the screen.
  std::vector<std::string>& Lines(MemoId id) { return memo[static_cast<int>(id)]; }
  const std::vector<std::string>& Lines(MemoId id) const { return memo[static_cast<int>(id)]; }
  void AppendLine(MemoId id, std::string line);
  void ClearMemo(MemoId id);
  void ShowMessage(const std::string& text) { screen.ShowMessage(text); }
  void SetAutoCqTimer(bool enabled);
  void SetButtonEnabled(Button button, bool enabled);
  bool IsEnabled(Button button) const { return buttonEnabled[static_cast<int>(button)]; }
  void SetBandBox(const std::string& band);
  void SetQsoNumber(const std::string& text);
  void SetStatusPanel(StatusPanel panel, const std::string& text);
  const std::string& StatusText(StatusPanel panel) const {
    return statusPanel[static_cast<int>(panel)];
  }
  void SetCallButtonCaption(const std::string& caption);
  void ShowNotebookPage(NotebookPage page);
  void PaintSectionCell(int section, Colour colour);
  void PaintAreaBox(int area, Colour colour);

  // A file name as the program finds it: a name without a folder lies in
  // the program's folder.
  std::filesystem::path InFolder(const std::string& name) const;
};

// Marks an operation in progress for as long as it lives.
class BusyScope {
 public:
  explicit BusyScope(Game& game) : game_(game) { ++game_.busy; }
  ~BusyScope() { --game_.busy; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Game& game_;
};

}  // namespace tovk
