// The spoken names of the section map's cells and area boxes.
#include "world/section_map_names.h"

#include "world/sections.h"

namespace tovk {
namespace {

const char* StateWord(SectionState state) {
  if (state == SectionState::Worked) return "worked";
  if (state == SectionState::Heard) return "heard";
  return "needed";
}

}  // namespace

std::string SectionCellName(const GameState& s, int section) {
  if (section < 0 || section >= kSectionCount) return {};
  return s.SectionName[section].str() + " " + StateWord(s.SectionStatus[section]);
}

std::string AreaBoxName(const GameState& s, int area) {
  if (area < 0 || area >= kAreaCount) return {};
  const CallArea& callArea = kCallAreas[area];
  int worked = 0;
  for (int section = callArea.first; section <= callArea.last; ++section) {
    if (s.SectionStatus[section] == SectionState::Worked) ++worked;
  }
  const int count = callArea.last - callArea.first + 1;
  return std::string(callArea.caption) + ", " + std::to_string(worked) + " of " +
         std::to_string(count) + " worked";
}

}  // namespace tovk
