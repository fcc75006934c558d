// The section map: cells by status, area boxes by completion and the
// highlight, the click on a cell, the panel's side.
#include "section_map_test.h"

#include <QTest>

#include "engine/actions.h"
#include "test_window.h"
#include "ui/colours.h"
#include "world/section_map.h"
#include "world/sections.h"

namespace tovk::testing {
namespace {

constexpr int kW9 = 7;
constexpr int kCtSection = 0;  // "CT", first of W1

QColor Q(Colour colour) {
  return ui::ToQColor(colour);
}

}  // namespace

void SectionMapTest::newGameShowsEveryCellNeededAndEveryAreaPlain() {
  WindowFixture f;
  TestWindow& w = *f.window;
  for (int i = 0; i < kSectionCount; ++i)
    QCOMPARE(w.SectionMap()->Cell(i)->Background(), Q(w.game().NeededColour));
  for (int a = 0; a < kAreaCount; ++a)
    QCOMPARE(w.SectionMap()->Area(a)->Background(), Q(kClBtnFace));
}

void SectionMapTest::heardSectionTurnsYellowAndHighlightsItsArea() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.SectionStatus[kCtSection] = SectionState::Heard;
  Perform(g, [&] { UpdateSectionDisplay(g, kCtSection); });
  QCOMPARE(w.SectionMap()->Cell(kCtSection)->Background(), QColor(255, 255, 0));
  QCOMPARE(w.SectionMap()->Area(0)->Background(), Q(g.SectionsColour));
  QCOMPARE(w.SectionMap()->Area(1)->Background(), Q(kClBtnFace));
  g.SectionStatus[kCtSection] = SectionState::Worked;
  Perform(g, [&] { UpdateSectionDisplay(g, kCtSection); });
  QCOMPARE(w.SectionMap()->Cell(kCtSection)->Background(), QColor(0, 255, 0));
}

void SectionMapTest::cellClickClearsTheHighlight() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.SectionStatus[kCtSection] = SectionState::Heard;
  Perform(g, [&] { UpdateSectionDisplay(g, kCtSection); });
  QTest::mouseClick(w.SectionMap()->Cell(40), Qt::LeftButton);
  QCOMPARE(w.SectionMap()->Area(0)->Background(), Q(kClBtnFace));
  QCOMPARE(w.SectionMap()->Cell(kCtSection)->Background(), QColor(255, 255, 0));
}

void SectionMapTest::completedAreaTurnsWorked() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  const CallArea& w9 = kCallAreas[kW9];
  for (int s = w9.first; s <= w9.last; ++s) {
    g.SectionStatus[s] = SectionState::Worked;
    Perform(g, [&] { UpdateSectionDisplay(g, s); });
  }
  // The last repaint of a section highlights its area over the completion...
  QCOMPARE(w.SectionMap()->Area(kW9)->Background(), Q(g.SectionsColour));
  // ...until the areas are repainted.
  Perform(g, [&] { UpdateAreaDisplay(g); });
  QCOMPARE(w.SectionMap()->Area(kW9)->Background(), QColor(0, 255, 0));
  QCOMPARE(w.SectionMap()->Area(kW9 + 1)->Background(), Q(kClBtnFace));
}

void SectionMapTest::cellsSitFiveToARowInTheirAreas() {
  WindowFixture f;
  ui::SectionMapPanel* map = f.window->SectionMap();
  QCOMPARE(map->width(), 174);
  for (int a = 0; a < kAreaCount; ++a) {
    const CallArea& area = kCallAreas[a];
    const int count = area.last - area.first + 1;
    QCOMPARE(map->Area(a)->height(), count > 5 ? 42 : 29);
    QCOMPARE(map->Area(a)->Caption(), QString::fromLatin1(area.caption));
    for (int s = area.first; s <= area.last; ++s) {
      ui::SectionCell* cell = map->Cell(s);
      QCOMPARE(cell->parentWidget(), map->Area(a));
      QCOMPARE(cell->objectName(), QStringLiteral("Label%1").arg(s + 1));
      QCOMPARE(cell->text(), QString::fromLatin1(kSectionNames[s]));
      QCOMPARE(cell->size(), QSize(33, 13));
      QCOMPARE(cell->y(), (s - area.first) < 5 ? 12 : 25);
    }
  }
  // The areas follow one another without a gap and fit the box "Sections".
  QVERIFY(map->Area(kAreaCount - 1)->geometry().bottom() < 425);
}

void SectionMapTest::panelMovesSidesKeepingItsColours() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QVERIFY(!w.SectionPanelOnRight());
  QVERIFY(w.SectionMap()->x() < w.MemoArea()->x());
  g.SectionStatus[kCtSection] = SectionState::Heard;
  Perform(g, [&] { UpdateSectionDisplay(g, kCtSection); });
  g.screen.DockSectionPanel(true);
  QCoreApplication::processEvents();
  QVERIFY(w.SectionPanelOnRight());
  QVERIFY(w.SectionMap()->x() > w.MemoArea()->x());
  QCOMPARE(w.SectionMap()->Cell(kCtSection)->Background(), QColor(255, 255, 0));
  g.screen.DockSectionPanel(false);
  QCoreApplication::processEvents();
  QVERIFY(w.SectionMap()->x() < w.MemoArea()->x());
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::SectionMapTest)
