// Tests of the window's keys.
#pragma once

#include <QObject>

namespace tovk::testing {

class KeyMapTest : public QObject {
  Q_OBJECT

 private slots:
  void keysDoWhatTheirButtonsDoFromAnEntryField();
  void enterTakesTheNextStepFromAFieldOrATextWindow();
  void disabledAndHeldKeysDoNothingMore();
  void spaceAndTabMoveBetweenFieldsWithoutBlanks();
  void escStopsAutoCqAndPageKeysStepThroughTheBands();
  void hintsAndKeyListNameTheKeys();
};

}  // namespace tovk::testing
