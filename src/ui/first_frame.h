// A marker for the start-up benchmark: when the environment asks for it
// (TOVK_REPORT_FIRST_FRAME set), the program writes "first frame" on its
// standard output once its window's first frame is painted; set to "exit",
// the program then ends at once, so that a profiler (callgrind) counts the
// start-up up to that frame and nothing after it. Needs only Qt, so the
// benchmark's bare window program reports the same way.
#pragma once

class QWidget;

namespace tovk::ui {

// Watches `window` for its first paint when the environment asks for it;
// does nothing otherwise.
void ReportFirstFrameIfAsked(QWidget& window);

}  // namespace tovk::ui
