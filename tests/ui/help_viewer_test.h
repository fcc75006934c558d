// Tests of the help window and the about box.
#pragma once

#include <QObject>

namespace tovk::testing {

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void helpFileIsFoundBesideTheProgramOrInstalled();
  void missingHelpFileIsReportedNotShown();
  void helpMenuEntriesOpenTheirPlacesInOneWindow();
  void findGoesRoundTheWholeText();
  void aboutBoxIsCentredOnTopAndReused();
};

}  // namespace tovk::testing
