// Pool look-ups of the station in hand and the choice of a third station.
#include "engine/station_in_hand.h"

#include <algorithm>

#include "world/section_map.h"

namespace tovk {

bool InPool(int index) {
  return index >= 0 && index < kPoolSize;
}

std::optional<int> SectionOfStationInHand(const GameState& s) {
  if (!InPool(s.StationIndex)) return std::nullopt;
  int section = s.StationSection[s.StationIndex];
  if (section < 0 || section >= kSectionCount) return std::nullopt;
  return section;
}

bool StationInHandWorked(const GameState& s) {
  return InPool(s.StationIndex) && s.StationWorked[s.StationIndex] == StationLogState::Worked;
}

std::string BandOfStationInHand(const GameState& s) {
  if (!InPool(s.StationIndex)) return "99";
  return s.StationBand[s.StationIndex];
}

void MarkSectionHeard(Game& g) {
  auto section = SectionOfStationInHand(g);
  if (!section) return;
  if (g.SectionStatus[*section] == SectionState::Needed)
    g.SectionStatus[*section] = SectionState::Heard;
  UpdateSectionDisplay(g, *section);
}

namespace {

// A callsign at `index` that can stand for a third station.
bool IsOtherCall(const GameState& s, int index) {
  if (index < 0 || index > s.StationMax || !InPool(index)) return false;
  const std::string& call = s.StationCall[index];
  return !call.empty() && call != s.Hiscall.str();
}

}  // namespace

void ChooseOtherCall(Game& g) {
  g.OtherCall = g.Hiscall.str();
  if (g.StationMax >= 1) {
    for (int draw = 0; draw < kOtherCallDraws; ++draw) {
      int index = 1 + g.Draw(g.StationMax);
      if (IsOtherCall(g, index)) {
        g.OtherCall = g.StationCall[index].str();
        return;
      }
    }
  }
  int last = std::min(g.StationMax, kPoolSize - 1);
  for (int index = 1; index <= last; ++index) {
    if (IsOtherCall(g, index)) {
      g.OtherCall = g.StationCall[index].str();
      return;
    }
  }
  if (IsOtherCall(g, 0)) {
    g.OtherCall = g.StationCall[0].str();
    return;
  }
  g.OtherCall = g.Hiscall == "Q2BBB" ? "Q1AAA" : "Q2BBB";
}

}  // namespace tovk
