// The terminal front-end's screen: tagged output lines and answers read from
// the input.
#include "term/term_screen.h"

#include <filesystem>

#include "term/results_text.h"
#include "term/term_text.h"
#include "world/text.h"

namespace tovk::term {

void TermScreen::Print(std::string_view tag, std::string_view text) {
  if (ended_) return;
  out_ << tag << OneLine(text) << '\n' << std::flush;
}

void TermScreen::AppendLine(MemoId memo, const std::string& line) {
  switch (memo) {
    case MemoId::Incoming:
      Print(tag::kIncoming, line);
      return;
    case MemoId::Log:
      Print(tag::kLog, line);
      return;
    case MemoId::Outgoing:
      Print(tag::kOutgoing, line);
      return;
  }
}

void TermScreen::HearLine(const std::string& line, const std::string& shown) {
  Print(tag::kIncoming, shown);
  if (listener_ && !ended_) listener_(line);
}

void TermScreen::TransmitLine(const std::string& line) {
  Print(tag::kOutgoing, line);
  if (outgoing_ && !ended_) outgoing_(line);
}

void TermScreen::RevealLines(const std::vector<HiddenLine>& lines) {
  for (const HiddenLine& line : lines) Print(tag::kRevealed, line.text);
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
  const std::string name(Trim(in_.Answer()));
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
  if (page != SettingsPage::TimeOut || settings_ == nullptr) return;
  Print(tag::kTimeout, "hours minutes");
  const auto timeout = ParseTimeoutAnswer(in_.Answer());
  if (!timeout) return;
  // OK applies the callsign and check boxes too, which hold the values in force.
  const GameState& now = settings_->Settings();
  SettingsChange change;
  change.ownStation = OwnStationChange{now.Mycall, now.Mycheck};
  change.timeout = TimeoutLength{timeout->first, timeout->second};
  settings_->ApplySettings(change);
}

void TermScreen::ShowResults(const ResultsSummary& results, const LogCheck& check,
                             const std::vector<PracticeRun>& history) {
  for (const std::string& line : ResultsLines(results, history)) Print(tag::kResults, line);
  for (const std::string& line : LogCheckLines(check)) Print(tag::kResults, line);
}

}  // namespace tovk::term
