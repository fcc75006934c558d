// Tests of the section map in the window.
#pragma once

#include <QObject>

namespace tovk::testing {

class SectionMapTest : public QObject {
  Q_OBJECT

 private slots:
  void newGameShowsEveryCellNeededAndEveryAreaPlain();
  void heardSectionTurnsYellowAndHighlightsItsArea();
  void cellClickClearsTheHighlight();
  void completedAreaTurnsWorked();
  void cellsSitFiveToARowInTheirAreas();
  void panelMovesSidesKeepingItsColours();
};

}  // namespace tovk::testing
