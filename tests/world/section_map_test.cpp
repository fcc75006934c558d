// The section map: cell colours by status, area boxes by completion, the highlight.
#include "world/section_map.h"

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

class SectionMapTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(SectionMapTest, CellTakesTheColourOfItsStatus) {
  g.SectionStatus[3] = SectionState::Heard;
  g.SectionStatus[4] = SectionState::Worked;
  UpdateSectionDisplay(g, 2);
  UpdateSectionDisplay(g, 3);
  UpdateSectionDisplay(g, 4);
  EXPECT_EQ(g.sectionCellColour[2], g.NeededColour);
  EXPECT_EQ(g.sectionCellColour[3], g.HeardColour);
  EXPECT_EQ(g.sectionCellColour[4], g.WorkedColour);
}

TEST_F(SectionMapTest, HighlightOverridesTheAreaBoxUntilTheNextAreaRepaint) {
  for (int i = 56; i <= 58; ++i) g.SectionStatus[i] = SectionState::Worked;  // W9 complete
  UpdateSectionDisplay(g, 57);
  EXPECT_EQ(g.areaBoxColour[8], g.SectionsColour);
  EXPECT_EQ(g.areaBoxColour[0], kClBtnFace);
  SectionMapClicked(g);
  EXPECT_EQ(g.areaBoxColour[8], g.WorkedColour);
  EXPECT_EQ(g.areaBoxColour[0], kClBtnFace);
}

TEST_F(SectionMapTest, IndexWithoutACellRepaintsAreasOnly) {
  const Colour untouched = RgbColour(1, 2, 3);
  g.sectionCellColour.fill(untouched);
  g.areaBoxColour.fill(untouched);
  g.SectionStatus[75] = SectionState::Worked;
  UpdateSectionDisplay(g, 75);
  for (int area = 0; area < kAreaCount; ++area) EXPECT_EQ(g.areaBoxColour[area], kClBtnFace);
  for (Colour cell : g.sectionCellColour) EXPECT_EQ(cell, untouched);

  g.areaBoxColour.fill(untouched);
  UpdateSectionDisplay(g, 81);  // outside the section arrays: nothing at all
  UpdateSectionDisplay(g, -1);
  for (Colour box : g.areaBoxColour) EXPECT_EQ(box, untouched);
}

}  // namespace
}  // namespace tovk
