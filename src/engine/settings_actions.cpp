// What the settings change in the game: the own callsign and check, the
// timeout's length, the power and the section panel's side, the operating
// options, and the section map after a colour change.
#include <algorithm>

#include "engine/actions.h"
#include "world/section_map.h"
#include "world/text.h"

namespace tovk {
namespace {

constexpr const char* kReplacementCall = "W3/Q3CCC";
constexpr int kReplacementSection = 14;  // MDC, the player's own section

// No pool station may carry the player's callsign: the first one that does
// is renamed to a station in the player's own section.
void RenamePoolStation(Game& g, const std::string& callsign) {
  const int last = std::min(g.StationMax, kPoolSize - 1);
  for (int i = 0; i <= last; ++i) {
    if (g.StationCall[i].str() != callsign) continue;
    g.StationCall[i] = kReplacementCall;
    g.StationSection[i] = kReplacementSection;
    return;
  }
}

// The player's section lies in the third call area: a callsign that shows
// no 3 before its last character is operated portable there.
void OperateInThirdArea(GameState& s) {
  const std::string& call = s.Mycall.str();
  if (call.find("/3") != std::string::npos) return;
  if (!call.empty() && call.substr(0, call.size() - 1).find('3') != std::string::npos) return;
  s.Mycall = call + "/3";
}

}  // namespace

void ChangeOwnStation(Game& g, const std::string& callsign, const std::string& check) {
  const std::string upper = ToUpper(callsign);
  if (upper != g.Mycall.str()) {
    RenamePoolStation(g, std::string(Trim(upper, " ")));
    g.Mycall = upper;
    OperateInThirdArea(g);
    g.CQText = "Tovk de " + g.Mycall + " SS";
  }
  g.Mycheck = check;
}

void SetTimeoutLength(Game& g, int hours, int minutes) {
  // The spin boxes hold whole numbers within their ranges.
  g.TimeoutMinutes = std::clamp(minutes, 0, 59);
  g.TimeoutHours = std::clamp(hours, 0, 60);
}

void ChoosePower(Game& g, Power power) {
  g.Myprec = power == Power::High1000 ? "B" : "A";
  g.PowerFactor = g.Myprec == "B" ? 10 : 40;
}

void ChooseSectionMapSide(Game& g, bool right) {
  g.SectionPosition = right ? "R" : "L";
  g.screen.DockSectionPanel(right);
}

void SetAutoDetect(Game& g, bool on) {
  g.AutoDetect = on;
}

void SetAutoClear(Game& g, bool on) {
  g.AutoClear = on;
}

void SetAssist(Game& g, bool on) {
  g.Assist = on;
  // Under Assist the log waits for the own exchange; without it, it is free.
  g.SetButtonEnabled(Button::LogQso, !g.Assist || g.ExchangeSent);
}

void SetSilentMode(Game& g, bool on) {
  g.SilentMode = on;
}

void SetDebug(Game& g, bool on) {
  g.Debug = on;
}

void RepaintSectionMap(Game& g) {
  for (int section = 0; section < kSectionCount; ++section) UpdateSectionDisplay(g, section);
  UpdateAreaDisplay(g);
}

}  // namespace tovk
