// The engine step that ends nearly every action: the rare mishap that takes
// the player off the air, then the display refresh. Also the "*** No
// response" family of lines and the Auto CQ timer's tick.
#include "engine/actions.h"
#include "engine/logbook_stamp.h"
#include "world/clock.h"

namespace tovk {
namespace {

constexpr int kMishapRange = 1200;  // one engine step in 1200 brings a mishap
constexpr int kMishapRoll = 66;
constexpr const char* kNewLine = "\n\r";

struct OffAir {
  int hours = 0;
  int minutes = 0;
  bool antennaLost = false;
};

// Chooses the mishap: its reason goes into TempText, its length is drawn.
OffAir ChooseMishap(Game& g) {
  OffAir off;
  switch (g.Draw(10) + 1) {
    case 2:
      g.TempText = "Timeout to clear up spilt coffee";
      off.minutes = 5 + g.Draw(6);
      return off;
    case 3:
      g.TempText = "Kids are fighting..Timeout";
      off.minutes = 3 + g.Draw(20);
      return off;
    case 8:
      g.TempText = std::string("Final tubes blew ouy") + kNewLine + kNewLine +
                   "Lucky you, spares are to hand" + kNewLine + "Replacing them now";
      off.minutes = 10 + g.Draw(50);
      return off;
    case 10:
      if (g.Draw(1000) >= 1) {
        g.TempText = "Power line blackout";
        off.hours = 1 + g.Draw(6);
        off.minutes = 8 + g.Draw(24);
        return off;
      }
      off.antennaLost = true;
      EndOfOperation(g);
      return off;
    default:  // 1, 4, 5, 6, 7, 9
      g.TempText = "Timeout in bathroom";
      off.minutes = 5 + g.Draw(20);
      return off;
  }
}

std::string TimeoutLine(const GameState& s, int hours, int minutes) {
  if (hours > 0) {
    return LogbookStamp(s) + "|- Timeout for " + std::to_string(hours) + " Hours, and " +
           std::to_string(minutes) + " minutes";
  }
  return LogbookStamp(s) + "|- Timeout for " + std::to_string(minutes) + " minutes";
}

void Mishap(Game& g) {
  // A modal box keeps the event loop running: stop Auto CQ before showing it.
  g.SetAutoCqTimer(false);
  g.StationState = ssNone;
  OffAir off = ChooseMishap(g);

  if (!g.Assist) EnableOperatingControls(g, false);

  // The antenna loss has said all there is to say in its own box; an "Off
  // the air for 0 Min" box after it would tell the player nothing.
  if (!off.antennaLost) {
    g.TempText = g.TempText + kNewLine + "Off the air for ";
    if (off.hours > 0) g.TempText += std::to_string(off.hours) + " Hours, ";
    g.TempText += std::to_string(off.minutes) + " Min";
    g.ShowMessage(g.TempText);
  }

  // A short break counts as operating time; anything from 15 minutes on is a
  // timeout that takes the station off the air.
  const bool shortBreak = off.hours == 0 && off.minutes < 15;
  if (!shortBreak) {
    g.Operating = false;
    g.DayText = std::to_string(g.Day);
    g.AppendLine(MemoId::Log, TimeoutLine(g, off.hours, off.minutes));
  }

  AdvanceClock(g, off.minutes * 60, shortBreak);
  g.AutoCQ = false;
  for (int hour = 0; hour < off.hours; ++hour) AdvanceClock(g, 3600, shortBreak);

  ClearContact(g);
  ++g.checkpoints;  // the time off is kept in the recovery copy
}

}  // namespace

void EngineStep(Game& g) {
  if (g.Draw(kMishapRange) == kMishapRoll) Mishap(g);
  RefreshDisplay(g);
}

void NoResponse(Game& g, NoResponseKind kind) {
  if (g.SilentMode) return;
  switch (kind) {
    case NoResponseKind::NoResponse:
      g.AppendLine(MemoId::Incoming, "*** No response");
      return;
    case NoResponseKind::NothingHeard:
      g.AppendLine(MemoId::Incoming, "*** Nothing heard");
      return;
    case NoResponseKind::NoResponseToCall:
      if (g.AutoCQ) {
        g.AppendLine(MemoId::Incoming,
                     "*** No response to call number " + std::to_string(g.AutoCQCount));
        return;
      }
      g.AppendLine(MemoId::Incoming, "*** No response");
      return;
    case NoResponseKind::BlankLine:
      g.AppendLine(MemoId::Incoming, "");
      return;
  }
}

void ClockTick(Game& g) {
  // A tick that arrives while another action is running (a modal box keeps
  // the event loop going) is dropped rather than run inside that action.
  if (!g.autoCqTimer || g.busy > 0) return;
  BusyScope scope(g);
  RepeatCq(g);
}

}  // namespace tovk
