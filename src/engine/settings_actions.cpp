// What the settings dialog changes in the game: the own callsign, check and
// timeout on OK, the power and the section panel's side at once, the
// operating options, and the section map after a colour change.
#include <algorithm>

#include "engine/actions.h"
#include "world/section_map.h"

namespace tovk {
namespace {

constexpr const char* kReplacementCall = "W3/Q3CCC";
constexpr int kReplacementSection = 14;  // MDC, the player's own section

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

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

void BitBtn1Click(Game& g, const SettingsOk& ok) {
  const std::string callsign = Upper(ok.callsign);
  if (callsign != g.Mycall.str()) {
    RenamePoolStation(g, TrimBlanks(callsign));
    g.Mycall = callsign;
    OperateInThirdArea(g);
    g.CQText = "Tovk de " + g.Mycall + " SS";
  }
  // The spin boxes hold whole numbers within their ranges.
  g.TimeoutMinutes = std::clamp(ok.minutes, 0, 59);
  g.TimeoutHours = std::clamp(ok.hours, 0, 60);
  g.Mycheck = ok.check;
}

void RadioGroup1Click(Game& g, int item) {
  if (item == 0) g.Myprec = "A";
  if (item == 1) g.Myprec = "B";
  g.PowerFactor = g.Myprec == "B" ? 10 : 40;
}

void RadioGroup2Click(Game& g, int item) {
  const bool right = item == 1;
  g.SectionPosition = right ? "R" : "L";
  g.screen.DockSectionPanel(right);
}

void CheckBoxAutodetectClick(Game& g, bool checked) {
  g.AutoDetect = checked;
}

void CheckBoxAutoclearClick(Game& g, bool checked) {
  g.AutoClear = checked;
}

void CheckBoxassistClick(Game& g, bool checked) {
  g.Assist = checked;
  // Under Assist the log waits for the own exchange; without it, it is free.
  g.SetButtonEnabled(Button::ToolButtonlog, !g.Assist || g.ExchangeSent);
}

void CheckBoxsilentmodeClick(Game& g, bool checked) {
  g.SilentMode = checked;
}

void CheckBox1Click(Game& g, bool checked) {
  g.Debug = checked;
}

void RepaintSectionMap(Game& g) {
  for (int section = 0; section < kSectionCount; ++section) UpdateSectionDisplay(g, section);
  UpdateAreaDisplay(g);
}

}  // namespace tovk
