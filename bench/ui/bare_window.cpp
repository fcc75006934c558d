// The start-up benchmark's baselines: the least a Qt Widgets program does to
// show a window, one empty main window of the game's size; with --text also
// a menu bar and one line of text, so that fonts and the menu bar's icons
// are loaded as in any window that shows words. Reports its first painted
// frame as the game does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

#include "ui/first_frame.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(621, 600);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    window.menuBar()->addMenu(QStringLiteral("Game"));
    window.setCentralWidget(new QLabel(QStringLiteral("Tovk de Q1AAA SS")));
  }
  tovk::ui::ReportFirstFrameIfAsked(window);
  window.show();
  return QApplication::exec();
}
