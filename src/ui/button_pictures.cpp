// The button pictures, read from the build's PNG files or drawn from the
// drawings.
#include "ui/button_pictures.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

// The drawings live in the window library's resources, which a program
// linking the library statically must register (once).
static void RegisterButtonDrawings() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)registered;
}

namespace tovk::ui {
namespace {

QString DrawingFile(const char* picture) {
  return QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(picture));
}

// The build's PNG file of the picture at `pixels` pixels, when it made one.
QImage ReadPicture(const char* picture, int pixels) {
  QImageReader reader(
      QStringLiteral(":/button_pictures/%1/%2.png").arg(pixels).arg(QString::fromLatin1(picture)),
      "png");
  // Told the format and not to guess it, Qt reads the PNG itself instead of
  // loading every image plugin to ask whether one of them reads PNG.
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace

QImage DrawnButtonPicture(const char* picture, qreal ratio) {
  RegisterButtonDrawings();
  QImageReader reader(DrawingFile(picture), "svg");
  reader.setScaledSize(QSize(kButtonPictureSize, kButtonPictureSize) * ratio);
  return reader.read();
}

QImage ButtonPictureImage(const char* picture, qreal ratio) {
  for (const int scale : {1, 2}) {
    if (ratio == scale) return ReadPicture(picture, kButtonPictureSize * scale);
  }
  return DrawnButtonPicture(picture, ratio);
}

QIcon ButtonPicture(const char* picture) {
  const qreal ratio = qGuiApp->devicePixelRatio();
  QImage image = ButtonPictureImage(picture, ratio);
  if (image.isNull()) {
    RegisterButtonDrawings();
    return QIcon(DrawingFile(picture));  // no reader for the drawings: the icon draws them
  }
  image.setDevicePixelRatio(ratio);
  return QIcon(QPixmap::fromImage(std::move(image)));
}

}  // namespace tovk::ui
