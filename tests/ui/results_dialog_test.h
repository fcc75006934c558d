// Tests of the results summary, its chart, the export entries of the Game
// menu and what the window does when the contest ends.
#pragma once

#include <QObject>

namespace tovk::testing {

class ResultsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void chartScaleGrowsInGridStepsAndLabelsTheContestHours();
  void summaryShowsFiguresBandsNeededSectionsAndHistory();
  void chartIsSavedAsAPngAndAFailedSaveLeavesNothing();
  void exportAsksForAFileNamedAfterTheCallAndReportsTheCounts();
  void exportAsksBeforeReplacingAFile();
  void endOfARestoredContestAddsOneHistoryLineAndShowsTheSummary();
};

}  // namespace tovk::testing
