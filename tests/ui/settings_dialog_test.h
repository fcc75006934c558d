// Tests of the settings dialog over the main window.
#pragma once

#include <QObject>

namespace tovk::testing {

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void okAppliesCallsignCheckAndTimeout();
  void okRenamesThePoolStationThatCarriesTheNewCallsign();
  void cancelAndCloseBoxKeepOnlyWhatTookEffectAtOnce();
  void cancelIsOfferedOnlyOnTheTimeOutPage();
  void openingLoadsTheGameAndRederivesPowerAndSide();
  void optionBoxesChangeTheGameAtOnce();
  void soundPageChangesTheSoundAtOnceAndCopyByEarTurnsAutoDetectOff();
  void colourLabelsRecolourTheirPartsAndRepaintTheMap();
  void fontsMenuGivesATextWindowTheChosenFont();
  void saveGameFieldChoosesTheFile();
  void settingsMenuOpensMyStationAndEveryControlIsNamed();
  void timeoutButtonTakesItsLengthFromTheDialog();
};

}  // namespace tovk::testing
