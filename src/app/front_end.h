// What a front-end shows besides the game's own screen: the results summary,
// help, the key list, the about box, the window's look after a settings
// change, and moving between the entry fields. A front-end (the window,
// tovk-term, the browser page) implements the Screen and these; the
// application layer calls them.
#pragma once

#include <vector>

#include "persist/practice_history.h"
#include "persist/results.h"
#include "world/screen.h"

namespace tovk {

// The help menu's requests.
enum class HelpTopic { Contents, HelpOnHelp, FullTextSearch, Search };

// Space, Tab and Shift+Tab move between the five entry fields.
enum class FocusMove { NextField, PreviousField };

class FrontEnd : public Screen {
 public:
  // The results summary with the last runs of the practice history.
  virtual void ShowResults(const ResultsSummary& results,
                           const std::vector<PracticeRun>& history) = 0;
  virtual void ShowHelp(HelpTopic) {}
  virtual void ShowKeyList() {}
  virtual void ShowAbout() {}
  // The colours and fonts of the text windows and button groups changed.
  virtual void ShowLook(const WindowLook&) {}
  virtual void MoveFocus(FocusMove) {}
};

}  // namespace tovk
