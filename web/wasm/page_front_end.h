// The browser page as the game's front-end: every call of the screen goes to
// the page's script (Module.page), which draws it. The message, Yes/No, file
// and settings boxes are the page's modal dialogs; the core asks for them
// synchronously, and while the player answers, the call waits with its
// stack put aside (Asyncify) and the browser runs on.
#pragma once

#include "app/front_end.h"
#include "app/settings_change.h"

namespace tovk::web {

class PageFrontEnd final : public FrontEnd {
 public:
  // The settings the dialog's changes are applied to.
  void Attach(SettingsEditor& settings) { settings_ = &settings; }

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

 private:
  SettingsEditor* settings_ = nullptr;  // not owned
};

}  // namespace tovk::web
