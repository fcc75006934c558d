// The display refresh after every action: the status bar, the call button's
// caption, the Log button under Assist and the end of the contest; also the
// set of operating controls that are enabled and disabled together, and the
// Yes/No confirmation.
#include "engine/actions.h"
#include "engine/logbook_stamp.h"
#include "world/clock.h"
#include "world/text.h"

namespace tovk {
namespace {

constexpr Button kOperatingControls[] = {
    Button::SendQsl,      Button::Repeat,    Button::SendDuplicate,  Button::SendMessage,
    Button::SendNumber,   Button::SendCheck, Button::SendPrecedence, Button::SendSection,
    Button::ClearContact, Button::CallCq,    Button::AutoCq,         Button::TuneBand,
    Button::CallStation,  Button::CheckLog,  Button::LogQso,         Button::Timeout,
};

const char* StateText(int state) {
  switch (state) {
    case ssNone:
      return "--";
    case ssCalledMe:
      return "Called me";
    case ssHeardQRZ:
      return "Heard QRZ";
    case ssHeardCQ:
      return "Heard CQ";
    case ssQSOInProgress:
      return "QSO in progress";
    case ssCalledSomeone:
      return "Called someone";
    case ssHeardSection:
      return "Heard Section";
    default:
      return "";  // ssCQSent shows nothing
  }
}

std::string RateText(const GameState& s) {
  int minutes = s.OpHours * 60 + s.OpMinutes;
  if (s.Mynumber < 2 || minutes == 0) return "-";
  return std::to_string((s.Mynumber - 1) * 60 / minutes);
}

std::string CallButtonCaption(const GameState& s) {
  const std::string qrzSection = CutToCharacters("QRZ " + s.Hissection, 10);
  if (s.StationState == ssNone) return "QRZ";
  if (s.StationState == ssHeardSection) return qrzSection;
  if (s.PartReceived[Part::Call]) return "Call Stn";
  if (s.PartReceived[Part::Section]) return qrzSection;
  return "QRZ";
}

}  // namespace

std::string FormatScore(int score) {
  std::string text = std::to_string(score);
  if (score >= 1000000) text.insert(text.size() - 6, 1, ',');
  if (score >= 1000) text.insert(text.size() - 3, 1, ',');
  return text;
}

void RefreshDisplay(Game& g) {
  g.HourText = TwoDigits(g.OpHours);
  g.MinuteText = TwoDigits(g.OpMinutes);
  g.SetStatusPanel(StatusPanel::OpTime,
                   g.HourText + ":" + g.MinuteText + ":" + TwoDigits(g.Second));

  g.HourText = TwoDigits(g.Hour);
  g.MinuteText = TwoDigits(g.Minute);
  g.SetStatusPanel(StatusPanel::Gmt, g.HourText + ":" + g.MinuteText);

  int localHour = g.Hour - 5;
  if (localHour < 0) localHour += 24;
  g.SetStatusPanel(StatusPanel::Local, TwoDigits(localHour) + ":" + g.MinuteText);

  g.SetStatusPanel(StatusPanel::Qsos, std::to_string(g.Mynumber - 1));
  g.SetStatusPanel(StatusPanel::Sections, std::to_string(g.SectionsWorked));
  g.SetStatusPanel(StatusPanel::Score, FormatScore(g.SectionsWorked * 2 * (g.Mynumber - 1)));
  g.SetStatusPanel(StatusPanel::Rate, RateText(g));
  g.SetStatusPanel(StatusPanel::Dups, std::to_string(g.DupeCount));
  g.SetStatusPanel(StatusPanel::Lids, std::to_string(g.ErrorCount));
  g.SetStatusPanel(StatusPanel::State, StateText(g.StationState));

  if (ContestIsOver(g)) {
    // Stop Auto CQ before the box: a modal box keeps the timer ticking.
    g.SetAutoCqTimer(false);
    g.ShowMessage("Contest is over");
    EnableOperatingControls(g, false);
    // The message comes back after every later action; the summary and the
    // history line only once, when the application takes the end up.
    if (!g.contestEndHandled) {
      g.contestEndHandled = true;
      g.contestEndPending = true;
    }
  }

  g.SetCallButtonCaption(CallButtonCaption(g));

  // Under Assist the log waits until the own exchange has been sent.
  if (g.Assist) g.SetButtonEnabled(Button::LogQso, g.ExchangeSent);
}

void EnableOperatingControls(Game& g, bool enabled) {
  for (Button button : kOperatingControls) g.SetButtonEnabled(button, enabled);
}

bool Confirm(Game& g, const std::string& question) {
  return g.screen.AskYesNo(question);
}

}  // namespace tovk
