// A screen for tests: keeps what the game told it, in order, and answers the
// game's questions from scripts.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/front_end.h"

namespace tovk::testing {

class RecordingScreen : public FrontEnd {
 public:
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
  void ShowResults(const ResultsSummary& results, const LogCheck& check,
                   const std::vector<PracticeRun>& history) override;
  void HearLine(const std::string& line, const std::string& shown) override {
    heard.push_back(line);
    AppendLine(MemoId::Incoming, shown);
  }
  void TransmitLine(const std::string& line) override {
    transmitted.push_back(line);
    AppendLine(MemoId::Outgoing, line);
  }
  void RevealLines(const std::vector<HiddenLine>& lines) override;
  void ShowSound(const SoundOptions& sound) override { this->sound = sound; }

  // Everything the screen was told, one entry per call, e.g. "msg|Callsign not heard".
  std::vector<std::string> events;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<FileRequest> fileRequests;
  std::vector<SettingsPage> settingsPages;

  // Answers: Yes/No questions (default answer when the script is empty),
  // file dialogs (nullopt is Cancel), and what the settings dialog does.
  std::deque<bool> answers;
  bool defaultAnswer = false;
  std::deque<std::optional<std::string>> files;
  std::function<void(SettingsPage)> settingsDialog;

  std::vector<ResultsSummary> results;  // every results summary shown
  std::vector<LogCheck> logChecks;      // and its log check
  std::vector<HiddenLine> revealed;     // every line shown at a contact's end
  std::vector<std::string> heard;       // every line heard, as said
  std::vector<std::string> transmitted;
  SoundOptions sound;  // as last shown
  bool ended = false;
  bool timerEnabled = false;
  bool sectionPanelRight = false;

  // Messages shown since the last call, cleared.
  std::vector<std::string> TakeMessages();
};

}  // namespace tovk::testing
