// The test screen's recording and scripted answers.
#include "support/recording_screen.h"

namespace tovk::testing {
namespace {
const char* MemoName(MemoId memo) {
  switch (memo) {
    case MemoId::Incoming:
      return "in";
    case MemoId::Log:
      return "log";
    case MemoId::Outgoing:
      return "out";
  }
  return "?";
}
}  // namespace

void RecordingScreen::AppendLine(MemoId memo, const std::string& line) {
  events.push_back(std::string(MemoName(memo)) + "|" + line);
}
void RecordingScreen::ClearLines(MemoId memo) {
  events.push_back(std::string("clear|") + MemoName(memo));
}
void RecordingScreen::ShowMessage(const std::string& text) {
  events.push_back("msg|" + text);
  messages.push_back(text);
}
bool RecordingScreen::AskYesNo(const std::string& question) {
  events.push_back("ask|" + question);
  questions.push_back(question);
  if (answers.empty()) return defaultAnswer;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}
std::optional<std::string> RecordingScreen::ChooseFile(const FileRequest& request) {
  events.push_back("file|" + request.title);
  fileRequests.push_back(request);
  if (files.empty()) return std::nullopt;
  auto answer = files.front();
  files.pop_front();
  return answer;
}
void RecordingScreen::RunSettingsDialog(SettingsPage page) {
  events.push_back("settings|" + std::to_string(static_cast<int>(page)));
  settingsPages.push_back(page);
  if (settingsDialog) settingsDialog(page);
}
void RecordingScreen::SetFieldText(Field field, const std::string& text) {
  events.push_back("field|" + std::to_string(static_cast<int>(field)) + "|" + text);
}
void RecordingScreen::SetBandBox(const std::string& band) {
  events.push_back("band|" + band);
}
void RecordingScreen::SetQsoNumber(const std::string& text) {
  events.push_back("qso#|" + text);
}
void RecordingScreen::SetButtonEnabled(Button button, bool enabled) {
  (void)button;
  (void)enabled;
}
void RecordingScreen::SetCallButtonCaption(const std::string& caption) {
  (void)caption;
}
void RecordingScreen::SetStatusPanel(StatusPanel panel, const std::string& text) {
  (void)panel;
  (void)text;
}
void RecordingScreen::SetTimerEnabled(bool enabled) {
  timerEnabled = enabled;
}
void RecordingScreen::ShowNotebookPage(NotebookPage page) {
  (void)page;
}
void RecordingScreen::PaintSectionCell(int section, Colour colour) {
  (void)section;
  (void)colour;
}
void RecordingScreen::PaintAreaBox(int area, Colour colour) {
  (void)area;
  (void)colour;
}
void RecordingScreen::DockSectionPanel(bool right) {
  sectionPanelRight = right;
}
void RecordingScreen::EndProgram() {
  events.push_back("end");
  ended = true;
}
void RecordingScreen::ShowResults(const ResultsSummary& summary, const LogCheck& check,
                                  const std::vector<PracticeRun>&) {
  events.push_back("results");
  results.push_back(summary);
  logChecks.push_back(check);
}
void RecordingScreen::RevealLines(const std::vector<HiddenLine>& lines) {
  for (const HiddenLine& line : lines) events.push_back("rev|" + line.text);
  revealed.insert(revealed.end(), lines.begin(), lines.end());
}

std::vector<std::string> RecordingScreen::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages);
  return taken;
}

}  // namespace tovk::testing
