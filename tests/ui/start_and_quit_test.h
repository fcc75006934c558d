// Tests of the window's start from the settings file and the quit flow.
#pragma once

#include <QObject>

namespace tovk::testing {

class StartAndQuitTest : public QObject {
  Q_OBJECT

 private slots:
  void settingsFileShapesTheWindow();
  void sectionPanelStartsOnTheRightWhenSet();
  void closeAnsweredNoKeepsTheWindowRunning();
  void closeAnsweredYesWritesTheWindowsLookAndEnds();
  void aGameDroppedWithoutQuittingIsOfferedAndComesBack();
};

}  // namespace tovk::testing
