// The window program: one copy at a time, the main window over the game,
// and the event loop until the player quits.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "world/random.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tovk"));
  QApplication::setQuitOnLastWindowClosed(false);  // only the quit flow ends the program

  const QString executable = QCoreApplication::applicationFilePath();
  const QFileInfo executableInfo(executable);
  const std::unique_ptr<QLockFile> lock =
      tovk::ui::LockSingleInstance(tovk::ui::InstanceLockFolder(), executableInfo.fileName());
  if (!lock) {
    QMessageBox::information(nullptr, QStringLiteral("Tovk"),
                             executable + QStringLiteral(" is already loaded"));
    return 0;
  }

  const QString base = executableInfo.absolutePath() + u'/' + executableInfo.completeBaseName();
  tovk::SeededRandom random;
  tovk::ui::WindowSetup setup;
  setup.folder = QCoreApplication::applicationDirPath().toStdString();
  setup.settingsFile = (base + QStringLiteral(".ini")).toStdString();
  setup.helpFile = (base + QStringLiteral(".hlp")).toStdString();
  setup.seedRandom = [&random] { random.Seed(tovk::ClockSeed()); };

  tovk::ui::TFormMain window(setup, random);
  window.FormCreate();
  window.show();
  return QApplication::exec();
}
