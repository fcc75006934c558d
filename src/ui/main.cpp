// The window program: one copy at a time, the main window over the game,
// and the event loop until the player quits.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QThreadPool>

#include "persist/file_places.h"
#include "ui/first_frame.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "world/random.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tovk"));
  QApplication::setQuitOnLastWindowClosed(false);  // only the quit flow ends the program
  // Qt hands each tall fill (a scroll bar, the notebook's frame) to the
  // global thread pool and waits for it: 115 hand-offs before the first
  // frame, each a wait for the helper threads to be scheduled. With one
  // helper instead of one a core, half as many threads are woken and waited
  // for; the game runs nothing else on that pool.
  QThreadPool::globalInstance()->setMaxThreadCount(1);

  const QString executable = QCoreApplication::applicationFilePath();
  const QFileInfo executableInfo(executable);
  const std::unique_ptr<QLockFile> lock =
      tovk::ui::LockSingleInstance(tovk::ui::InstanceLockFolder(), executableInfo.fileName());
  if (!lock) {
    QMessageBox::information(nullptr, QStringLiteral("Tovk"),
                             executable + QStringLiteral(" is already loaded"));
    return 0;
  }

  // Beside the executable when its folder is writable, in the per-user
  // folders when not (an installed program).
  const tovk::FilePlaces places = tovk::FindFilePlaces(
      QCoreApplication::applicationDirPath().toStdString(), tovk::ProcessEnvironment,
      tovk::FolderIsWritable,
      (executableInfo.completeBaseName() + QStringLiteral(".ini")).toStdString());
  // A folder that cannot be made shows up as the first file that cannot be written.
  tovk::MakeFilePlaces(places);

  tovk::SeededRandom random;
  tovk::ui::WindowSetup setup{tovk::SetupFor(places), {}};
  setup.seedRandom = [&random] { random.Seed(tovk::ClockSeed()); };

  tovk::ui::MainWindow window(setup, random);
  window.Create();
  tovk::ui::ReportFirstFrameIfAsked(window);
  window.show();
  return QApplication::exec();
}
