// The screen of the terminal front-end: every line appended to a window,
// every message and question becomes one tagged line on the output, flushed
// at once; the answers to questions and dialogs are the next input lines.
// Everything else the game shows (fields, band box, buttons, status bar,
// timer, section map) prints nothing: the game keeps its own copy of it,
// which the `status`, `fields` and `show` commands read.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/front_end.h"
#include "app/settings_change.h"
#include "term/line_input.h"
#include "world/null_screen.h"

namespace tovk::term {

// The tags that start every output line.
namespace tag {
constexpr std::string_view kIncoming = "in  | ";
constexpr std::string_view kRevealed = "rev | ";
constexpr std::string_view kWav = "wav | ";
constexpr std::string_view kOutgoing = "out | ";
constexpr std::string_view kLog = "log | ";
constexpr std::string_view kMessage = "msg | ";
constexpr std::string_view kAsk = "ask | ";
constexpr std::string_view kFile = "file| ";
constexpr std::string_view kTimeout = "time| ";
constexpr std::string_view kOff = "off | ";
constexpr std::string_view kError = "err | ";
constexpr std::string_view kStatus = "status| ";
constexpr std::string_view kFields = "fields| ";
constexpr std::string_view kShow = "show| ";
constexpr std::string_view kResults = "res | ";
}  // namespace tag

class TermScreen final : public NullScreenOf<FrontEnd> {
 public:
  TermScreen(std::ostream& out, LineInput& in) : out_(out), in_(in) {}

  // The settings the timeout dialog's OK applies.
  void Attach(SettingsEditor& settings) { settings_ = &settings; }

  // Writes `tag` + `text` as one line and flushes it. Nothing is written
  // once the program has ended.
  void Print(std::string_view tag, std::string_view text);

  // The quit flow has ended the program.
  bool Ended() const { return ended_; }

  // Hears every line another station says, right after it is printed (the
  // sound files).
  using IncomingListener = std::function<void(const std::string&)>;
  void SetIncomingListener(IncomingListener listener) { listener_ = std::move(listener); }
  // Hears every line the player transmits, right after it is printed.
  void SetOutgoingListener(IncomingListener listener) { outgoing_ = std::move(listener); }

  void AppendLine(MemoId memo, const std::string& line) override;
  void HearLine(const std::string& line, const std::string& shown) override;
  void TransmitLine(const std::string& line) override;
  // Each line heard but not shown, as `rev` lines.
  void RevealLines(const std::vector<HiddenLine>& lines) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  std::optional<std::string> ChooseFile(const FileRequest& request) override;
  void RunSettingsDialog(SettingsPage page) override;
  void EndProgram() override { ended_ = true; }
  // The summary as `res` lines.
  void ShowResults(const ResultsSummary& results, const LogCheck& check,
                   const std::vector<PracticeRun>& history) override;

 private:
  std::ostream& out_;
  LineInput& in_;
  SettingsEditor* settings_ = nullptr;  // not owned
  bool ended_ = false;
  IncomingListener listener_;
  IncomingListener outgoing_;
};

}  // namespace tovk::term
