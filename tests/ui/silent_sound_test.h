// The window's sound where there is no sound server to play on.
#pragma once

#include <QObject>

namespace tovk::testing {

class SilentSoundTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutASoundServerTheGameRunsSilentAndSaysSoOnce();
};

}  // namespace tovk::testing
