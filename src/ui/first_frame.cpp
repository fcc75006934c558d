// The first-frame marker: an event filter that sees the window's first paint
// and, once that paint and its flush are done, writes the marker.
#include "ui/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace tovk::ui {
namespace {

constexpr const char* kAskingVariable = "TOVK_REPORT_FIRST_FRAME";

class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(bool exitAfter, QObject* parent) : QObject(parent), exitAfter_(exitAfter) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // Queued: the whole window is painted and flushed before it runs.
    QTimer::singleShot(0, this, [exitAfter = exitAfter_] {
      std::fputs("first frame\n", stdout);
      std::fflush(stdout);
      // Without unwinding: the profile ends with the frame.
      if (exitAfter) std::_Exit(0);
    });
    return false;
  }

 private:
  bool exitAfter_;
};

}  // namespace

void ReportFirstFrameIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsEmpty(kAskingVariable)) return;
  const bool exitAfter = qEnvironmentVariable(kAskingVariable) == QLatin1String("exit");
  window.installEventFilter(new FirstFrameWatch(exitAfter, &window));
}

}  // namespace tovk::ui
