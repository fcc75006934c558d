// Tests of the button pictures the build draws from their drawings.
#pragma once

#include <QObject>

namespace tovk::testing {

class ButtonPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void readPicturesMatchTheirDrawingsPixelForPixel();
  void otherPixelRatiosAreDrawnAtTheirSize();
};

}  // namespace tovk::testing
