// The screen as the session hands it to the game: everything goes on to the
// front-end, but each line of the incoming window that a station says is
// passed on as heard, and each line of the outgoing window as transmitted.
// Copying by ear, a heard line is shown as "(heard)" and kept back until the
// contact ends, and the game keeps where those lines stand, so that a game
// saved in the middle of a contact keeps them back when restored. While a
// game is restored its windows are shown, not heard.
#pragma once

#include <string>
#include <vector>

#include "app/front_end.h"
#include "world/game_state.h"

namespace tovk {

class ListeningScreen final : public Screen {
 public:
  explicit ListeningScreen(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

  // The game whose options say whether lines are copied by ear, and which
  // keeps where the lines kept back stand.
  void Follow(GameState& game) { game_ = &game; }

  // Lines appended meanwhile are shown as they stand, not heard. Copying by
  // ear, the incoming window's lines wait for the end of the restore, when
  // the game read says which of them are kept back.
  void SetRestoring(bool restoring);
  bool Restoring() const { return restoring_; }

  // Shows the lines kept back, if any.
  void Reveal();
  const std::vector<HiddenLine>& Hidden() const { return hidden_; }

  // --- Screen ---
  void AppendLine(MemoId memo, const std::string& line) override;
  void ClearLines(MemoId memo) override;
  void ContactEnded() override { Reveal(); }
  void ShowMessage(const std::string& text) override { frontEnd_.ShowMessage(text); }
  bool AskYesNo(const std::string& question) override { return frontEnd_.AskYesNo(question); }
  std::optional<std::string> ChooseFile(const FileRequest& request) override {
    return frontEnd_.ChooseFile(request);
  }
  void RunSettingsDialog(SettingsPage page) override { frontEnd_.RunSettingsDialog(page); }
  void SetFieldText(Field field, const std::string& text) override {
    frontEnd_.SetFieldText(field, text);
  }
  void SetBandBox(const std::string& band) override { frontEnd_.SetBandBox(band); }
  void SetQsoNumber(const std::string& text) override { frontEnd_.SetQsoNumber(text); }
  void SetButtonEnabled(Button button, bool enabled) override {
    frontEnd_.SetButtonEnabled(button, enabled);
  }
  void SetCallButtonCaption(const std::string& caption) override {
    frontEnd_.SetCallButtonCaption(caption);
  }
  void SetStatusPanel(StatusPanel panel, const std::string& text) override {
    frontEnd_.SetStatusPanel(panel, text);
  }
  void SetTimerEnabled(bool enabled) override { frontEnd_.SetTimerEnabled(enabled); }
  void ShowNotebookPage(NotebookPage page) override { frontEnd_.ShowNotebookPage(page); }
  void PaintSectionCell(int section, Colour colour) override {
    frontEnd_.PaintSectionCell(section, colour);
  }
  void PaintAreaBox(int area, Colour colour) override { frontEnd_.PaintAreaBox(area, colour); }
  void DockSectionPanel(bool right) override { frontEnd_.DockSectionPanel(right); }
  void EndProgram() override { frontEnd_.EndProgram(); }

 private:
  void HearIncoming(const std::string& line);
  bool CopyingByEar() const { return game_ != nullptr && game_->Sound.copyByEar; }
  void ShowRestoredLines();
  void KeepPlaces();  // tells the game where the lines kept back stand

  FrontEnd& frontEnd_;
  GameState* game_ = nullptr;
  bool restoring_ = false;
  int incomingLines_ = 0;  // lines in the incoming window
  std::vector<HiddenLine> hidden_;
  std::vector<HiddenLine> restored_;  // the incoming window's lines read in a restore
};

// Marks a restore for as long as it lives.
class RestoringScope {
 public:
  explicit RestoringScope(ListeningScreen& screen) : screen_(screen), before_(screen.Restoring()) {
    screen_.SetRestoring(true);
  }
  ~RestoringScope() { screen_.SetRestoring(before_); }
  RestoringScope(const RestoringScope&) = delete;
  RestoringScope& operator=(const RestoringScope&) = delete;

 private:
  ListeningScreen& screen_;
  bool before_;
};

}  // namespace tovk
