// The player's timeout: at least 15 minutes off the air, not counted as
// operating time, noted in the logbook once a contact has been made.
#include "engine/actions.h"
#include "engine/logbook_stamp.h"
#include "world/clock.h"

namespace tovk {

void TakeTimeout(Game& g) {
  if (!Confirm(g, "Are you sure?")) return;

  // The dialog's OK stores its spin values in TimeoutHours / TimeoutMinutes;
  // a cancelled dialog leaves the last confirmed ones.
  g.screen.RunSettingsDialog(SettingsPage::TimeOut);

  if (g.TimeoutMinutes < 15 && g.TimeoutHours == 0) {
    g.ShowMessage("Sorry, rules state that a minimum timeout is 15 minutes");
    EngineStep(g);
    return;
  }

  g.Operating = false;
  if (g.Mynumber > 1) {
    g.DayText = std::to_string(g.Day);
    g.AppendLine(MemoId::Log, LogbookStamp(g) + "|" + "- Timeout for " +
                                  std::to_string(g.TimeoutHours) + " Hours, and " +
                                  std::to_string(g.TimeoutMinutes) + " minutes");
  }

  AdvanceClock(g, g.TimeoutMinutes * 60, false);
  // The hours are used up; the minutes stay for the next timeout.
  while (g.TimeoutHours > 0) {
    AdvanceClock(g, 3600, false);
    --g.TimeoutHours;
  }
  ++g.checkpoints;  // the time off is kept in the recovery copy
  EngineStep(g);
}

}  // namespace tovk
