// The first-frame marker: an event filter that sees the window's first paint
// and, once that paint and its flush are done, writes the marker.
#include "ui/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tovk::ui {
namespace {

constexpr const char* kAskingVariable = "TOVK_REPORT_FIRST_FRAME";

class FirstFrameWatch : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // Queued: the whole window is painted and flushed before it runs.
    QTimer::singleShot(0, this, [] {
      std::fputs("first frame\n", stdout);
      std::fflush(stdout);
    });
    return false;
  }
};

}  // namespace

void ReportFirstFrameIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsEmpty(kAskingVariable)) return;
  window.installEventFilter(new FirstFrameWatch(&window));
}

}  // namespace tovk::ui
