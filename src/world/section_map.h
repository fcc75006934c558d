// The section map's colours: a cell per section coloured by its status, an
// area box per call area coloured by completion, and the highlight of the
// area of the section shown last.
#pragma once

#include "world/game.h"

namespace tovk {

// Repaints the cell of a section index 0..80, then all area boxes, then
// highlights that section's area (indices 75..80 paint no cell, no highlight).
void UpdateSectionDisplay(Game& g, int index);

// Recomputes area completion and repaints the 11 area boxes.
void UpdateAreaDisplay(Game& g);

// A click on any section cell: repaints the area boxes (clears the highlight).
void SectionMapClicked(Game& g);

}  // namespace tovk
