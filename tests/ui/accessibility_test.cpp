// What a screen reader is told, through Qt's own accessibility interface:
// role and name of the section map's cells and area boxes as the game paints
// them, the help window, and the results chart's counts as text.
#include "accessibility_test.h"

#include <QAccessible>
#include <QTest>

#include "engine/actions.h"
#include "test_window.h"
#include "ui/help_viewer.h"
#include "ui/rate_chart.h"
#include "world/section_map.h"

namespace tovk::testing {
namespace {

constexpr int kCt = 0;   // first section of W1
constexpr int kEma = 1;  // second section of W1

QAccessible::Role RoleOf(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->role();
}

QString NameOf(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

}  // namespace

void AccessibilityTest::sectionMapSaysEachStateAsItIsPainted() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  ui::SectionMapPanel* map = w.SectionMap();
  QCOMPARE(RoleOf(map->Cell(kCt)), QAccessible::StaticText);
  QCOMPARE(RoleOf(map->Area(0)), QAccessible::Grouping);
  QCOMPARE(NameOf(map->Cell(kCt)), QStringLiteral("CT needed"));
  QCOMPARE(NameOf(map->Area(10)), QStringLiteral("VE, 0 of 8 worked"));

  const struct {
    int section;
    SectionState state;
    QString cellName;
    QString areaName;
  } steps[] = {
      {kCt, SectionState::Heard, QStringLiteral("CT heard"), QStringLiteral("W1, 0 of 7 worked")},
      {kCt, SectionState::Worked, QStringLiteral("CT worked"), QStringLiteral("W1, 1 of 7 worked")},
      {kEma, SectionState::Worked, QStringLiteral("EMA worked"),
       QStringLiteral("W1, 2 of 7 worked")},
  };
  for (const auto& step : steps) {
    g.SectionStatus[step.section] = step.state;
    Perform(g, [&] { UpdateSectionDisplay(g, step.section); });
    QCOMPARE(NameOf(map->Cell(step.section)), step.cellName);
    QCOMPARE(NameOf(map->Area(0)), step.areaName);
  }
  QCOMPARE(NameOf(map->Cell(kCt)), QStringLiteral("CT worked"));
}

void AccessibilityTest::helpWindowIsAWindowWithItsTitle() {
  WindowFixture f;
  ui::HelpViewer* help = f.window->HelpWindow();
  QCOMPARE(RoleOf(help), QAccessible::Window);
  QCOMPARE(NameOf(help), help->windowTitle());
}

void AccessibilityTest::rateChartIsAChartWithItsCountsAsText() {
  ui::RateChart chart;
  QCOMPARE(RoleOf(&chart), QAccessible::Chart);
  QCOMPARE(NameOf(&chart), QStringLiteral("Contacts per contest hour"));
  QAccessibleInterface* chartText = QAccessible::queryAccessibleInterface(&chart);
  QCOMPARE(chartText->text(QAccessible::Description), QStringLiteral("No contacts logged."));

  ui::RateChart::HourCounts counts{};
  counts[0] = 12;  // Nov 18 21:00
  counts[2] = 30;  // Nov 18 23:00
  counts[3] = 4;   // Nov 19 00:00
  counts[53] = 1;  // Nov 21 02:00, the last hour
  chart.SetCounts(counts);
  QCOMPARE(chartText->text(QAccessible::Description),
           QStringLiteral("Nov 18: 21:00 12, 23:00 30. Nov 19: 00:00 4. Nov 21: 02:00 1. "
                          "No contacts in the other hours."));
  counts.fill(2);
  QVERIFY(!ui::ContactsPerHourText(counts).contains(QStringLiteral("other hours")));
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::AccessibilityTest)
