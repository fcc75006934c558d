// Tests of what a screen reader is told: the section map, the help window
// and the results chart.
#pragma once

#include <QObject>

namespace tovk::testing {

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void sectionMapSaysEachStateAsItIsPainted();
  void helpWindowIsAWindowWithItsTitle();
  void rateChartIsAChartWithItsCountsAsText();
};

}  // namespace tovk::testing
