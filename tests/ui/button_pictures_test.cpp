// The button pictures read from the build's PNG files are the pictures the
// drawings make at the same size: the player sees the same buttons.
#include "button_pictures_test.h"

#include <QTest>

#include "app/commands.h"
#include "ui/button_pictures.h"

namespace tovk::testing {

void ButtonPicturesTest::readPicturesMatchTheirDrawingsPixelForPixel() {
  int pictures = 0;
  for (const CommandRow& row : CommandRows()) {
    if (!row.group) continue;
    ++pictures;
    for (const qreal ratio : {1.0, 2.0}) {
      const QString what = QStringLiteral("%1 at ratio %2").arg(row.picture).arg(ratio);
      const QImage read = ui::ButtonPictureImage(row.picture, ratio);
      const QImage drawn = ui::DrawnButtonPicture(row.picture, ratio);
      QVERIFY2(!read.isNull(), qPrintable(what));
      QVERIFY2(!drawn.isNull(), qPrintable(what));
      const int pixels = qRound(ui::kButtonPictureSize * ratio);
      QCOMPARE(read.size(), QSize(pixels, pixels));
      // As the window shows them: premultiplied, the form a pixmap keeps.
      QVERIFY2(read.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                   drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied),
               qPrintable(what));
    }
  }
  QCOMPARE(pictures, kButtonCount);
}

void ButtonPicturesTest::otherPixelRatiosAreDrawnAtTheirSize() {
  const QImage picture = ui::ButtonPictureImage("callcq", 1.5);
  QCOMPARE(picture.size(), QSize(24, 24));
  QVERIFY(picture == ui::DrawnButtonPicture("callcq", 1.5));
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::ButtonPicturesTest)
