// What a front-end shows besides the game's own screen: the results summary,
// help, the key list, the about box, the window's look after a settings
// change, and moving between the entry fields. A front-end (the window,
// tovk-term, the browser page) implements the Screen and these; the
// application layer calls them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/log_check.h"
#include "persist/practice_history.h"
#include "persist/results.h"
#include "world/screen.h"

namespace tovk {

// The help menu's requests.
enum class HelpTopic { Contents, HelpOnHelp, FullTextSearch, Search };

// Space, Tab and Shift+Tab move between the five entry fields.
enum class FocusMove { NextField, PreviousField };

// What the incoming window shows for a line heard but, copying by ear, not
// shown.
constexpr std::string_view kHeardMark = "(heard)";

// A line heard but not shown: its place in the incoming window (0 for the
// window's first line; -1 when the window was cleared since) and its text.
struct HiddenLine {
  int place = -1;
  std::string text;
  friend bool operator==(const HiddenLine&, const HiddenLine&) = default;
};

class FrontEnd : public Screen {
 public:
  // The results summary, the log check of the contacts copied by ear and the
  // last runs of the practice history.
  virtual void ShowResults(const ResultsSummary& results, const LogCheck& check,
                           const std::vector<PracticeRun>& history) = 0;

  // The sound: which lines are heard and which transmitted is decided in the
  // application layer, so a restored window is shown and never heard. A
  // front-end that plays sound overrides these; the others show the lines.
  // Another station says `line` now; the incoming window shows `shown`: the
  // line itself or, copying by ear, kHeardMark.
  virtual void HearLine(const std::string& /*line*/, const std::string& shown) {
    AppendLine(MemoId::Incoming, shown);
  }
  // The player transmits `line`: what is being heard stops.
  virtual void TransmitLine(const std::string& line) { AppendLine(MemoId::Outgoing, line); }
  // The contact has ended: the lines heard but not shown, in the order heard.
  virtual void RevealLines(const std::vector<HiddenLine>& /*lines*/) {}
  // The sound settings in force, at start and after every change.
  virtual void ShowSound(const SoundOptions& /*sound*/) {}

  virtual void ShowHelp(HelpTopic) {}
  virtual void ShowKeyList() {}
  virtual void ShowAbout() {}
  // The colours and fonts of the text windows and button groups changed.
  virtual void ShowLook(const WindowLook&) {}
  virtual void MoveFocus(FocusMove) {}
};

}  // namespace tovk
