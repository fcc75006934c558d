// Tests of the main window over the game.
#pragma once

#include <QObject>

namespace tovk::testing {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startShowsCaptionStatusBarBandAndNumber();
  void controlsCarryCaptionsHintsAndAccessibleNames();
  void buttonsDriveTheGameAndWindowsShowItsLines();
  void logButtonFollowsExchangeSentUnderAssist();
  void callButtonCaptionFollowsTheStation();
  void typedLettersBecomeCapitalsAndReachTheGame();
  void rightClickClearsIncomingAndOutgoingOnly();
  void bandChoiceAndNotebookPageReachTheGame();
  void appendedLinesShowInOrderAcrossBatches();
  void copiedByEarTheWindowShowsHeardUntilTheContactEndsThenTheLinesInPlace();
  void boxesShowTheLinesWrittenBeforeThem();
  void timerTickDuringAnotherActionsBoxIsSkipped();
};

}  // namespace tovk::testing
