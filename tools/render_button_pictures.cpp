// Draws the window's button pictures from their drawings (SVG) into PNG files
// at the sizes the buttons show them: 16 pixels, and 32 for screens with
// doubled pixels. Run by the build; the window then reads the PNG files,
// which Qt reads by itself, instead of loading Qt's image plugins to draw
// the SVG at every start. Drawn with the same reader and size the window
// used, so the pictures stay the same pixel for pixel.
//
// Usage: render_button_pictures OUT_DIR DRAWING.svg...
// writes OUT_DIR/16/NAME.png and OUT_DIR/32/NAME.png for each drawing.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 32};

bool Render(const QString& drawing, const QDir& out) {
  const QString name = QFileInfo(drawing).completeBaseName();
  for (const int size : kSizes) {
    QImageReader reader(drawing, "svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
      std::fprintf(stderr, "render_button_pictures: cannot draw %s: %s\n", qPrintable(drawing),
                   qPrintable(reader.errorString()));
      return false;
    }
    const QString folder = QString::number(size);
    const QString file = out.filePath(folder + u'/' + name + QStringLiteral(".png"));
    if (!out.mkpath(folder) || !image.save(file, "png")) {
      std::fprintf(stderr, "render_button_pictures: cannot write %s\n", qPrintable(file));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // No window: the SVG reader draws into an image without a platform plugin.
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "Usage: %s OUT_DIR DRAWING.svg...\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    if (!Render(QString::fromLocal8Bit(argv[i]), out)) return 1;
  }
  return 0;
}
