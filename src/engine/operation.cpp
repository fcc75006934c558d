// Going on the air ("QRV"), the start-of-operation line, and the end of
// operation when the antenna is lost.
#include "engine/actions.h"
#include "engine/logbook_stamp.h"

namespace tovk {

void GoOnTheAir(Game& g) {
  EnableOperatingControls(g, true);
  if (!g.Operating) StartOfOperation(g);
  g.Operating = true;
}

void StartOfOperation(Game& g) {
  g.DayText = std::to_string(g.Day);
  g.AppendLine(MemoId::Log, LogbookStamp(g) + "|" + "- Start of operation");
}

void EndOfOperation(Game& g) {
  g.ShowMessage(std::string("Antenna blew down in the wind") + "\n\r" +
                "No way to fix it this weekend - QRT");
  g.DayText = std::to_string(g.Day);
  g.AppendLine(MemoId::Log, LogbookStamp(g) + "| " + "- End of operation");
  // Operating stays as it is: "QRV" brings the controls back without a new
  // start line.
  EnableOperatingControls(g, false);
}

}  // namespace tovk
