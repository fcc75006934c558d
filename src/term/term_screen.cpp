// The terminal front-end's screen: tagged output lines and answers read from
// the input.
#include "term/term_screen.h"

#include <filesystem>

#include "engine/actions.h"
#include "term/results_text.h"
#include "term/term_text.h"

namespace tovk::term {

void TermScreen::Print(std::string_view tag, std::string_view text) {
  if (ended_) return;
  out_ << tag << OneLine(text) << '\n' << std::flush;
}

void TermScreen::AppendLine(MemoId memo, const std::string& line) {
  switch (memo) {
    case MemoId::Memo1:
      Print(tag::kIncoming, line);
      return;
    case MemoId::Memo2:
      Print(tag::kLog, line);
      return;
    case MemoId::Memo3:
      Print(tag::kOutgoing, line);
      return;
  }
}

void TermScreen::ShowMessage(const std::string& text) {
  for (const std::string& line : SplitMessageLines(text)) Print(tag::kMessage, line);
}

bool TermScreen::AskYesNo(const std::string& question) {
  Print(tag::kAsk, question);
  return IsYes(in_.Answer());
}

std::optional<std::string> TermScreen::ChooseFile(const FileRequest& request) {
  std::string title = request.title;
  if (title.empty()) title = request.save ? "Save As" : "Open";
  Print(tag::kFile, title);
  const std::string name = Trim(in_.Answer());
  if (name.empty()) return std::nullopt;
  // Like a file dialog, a bare name lies in the folder the dialog opened in,
  // and the answer is a full name.
  std::filesystem::path path(name);
  if (path.is_relative() && !request.folder.empty()) path = request.folder / path;
  return path.string();
}

void TermScreen::RunSettingsDialog(SettingsPage page) {
  // Only the timeout asks for the dialog; any other page is left at once,
  // as a Cancel would.
  if (page != SettingsPage::TimeOut || game_ == nullptr) return;
  Print(tag::kTimeout, "hours minutes");
  const auto timeout = ParseTimeoutAnswer(in_.Answer());
  if (!timeout) return;
  // OK applies the callsign and check boxes too, which hold the values in force.
  BitBtn1Click(*game_, SettingsOk{game_->Mycall, game_->Mycheck, timeout->first, timeout->second});
}

void TermScreen::PrintResults(const Game& g) {
  const auto runs = ReadPracticeHistory(PracticeHistoryFile(g), kHistoryRunsShown);
  for (const std::string& line : ResultsLines(ComputeResults(g), runs)) Print(tag::kResults, line);
}

void TermScreen::ContestEnded() {
  if (game_ == nullptr) return;
  const std::string when = clock_ ? clock_() : LocalIsoTimestamp(std::chrono::system_clock::now());
  const std::filesystem::path history = PracticeHistoryFile(*game_);
  if (!AppendPracticeHistory(history, *game_, when))
    ShowMessage("Error writing file " + history.string());
  PrintResults(*game_);
}

}  // namespace tovk::term
