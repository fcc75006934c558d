// The section map's repaint: section cells by status, area boxes by
// completion, and the highlight of the area of the section shown last.
#include "world/section_map.h"

#include "world/sections.h"

namespace tovk {
namespace {

Colour StatusColour(const Game& g, int status) {
  if (status == 2) return g.WorkedColour;
  if (status == 1) return g.HeardColour;
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

void Label1Click(Game& g) {
  UpdateAreaDisplay(g);
}

}  // namespace tovk
