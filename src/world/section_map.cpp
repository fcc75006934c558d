// The section map's repaint: section cells by status, area boxes by
// completion, and the highlight of the area of the section shown last.
#include "world/section_map.h"

#include "world/sections.h"

namespace tovk {
namespace {

Colour StatusColour(const Game& g, SectionState status) {
  if (status == SectionState::Worked) return g.WorkedColour;
  if (status == SectionState::Heard) return g.HeardColour;
  return g.NeededColour;
}

}  // namespace

void UpdateSectionDisplay(Game& g, int index) {
  if (index < 0 || index >= kSectionSlots) return;
  const Colour colour = StatusColour(g, g.SectionStatus[index]);
  if (index < kSectionCount) g.PaintSectionCell(index, colour);
  UpdateAreaDisplay(g);
  if (const auto area = AreaOfSection(index)) g.PaintAreaBox(*area, g.SectionsColour);
}

void UpdateAreaDisplay(Game& g) {
  UpdateAreaCompletion(g);
  for (int area = 0; area < kAreaCount; ++area) {
    g.PaintAreaBox(area, g.AreaComplete[area] ? g.WorkedColour : kClBtnFace);
  }
}

void SectionMapClicked(Game& g) {
  UpdateAreaDisplay(g);
}

}  // namespace tovk
