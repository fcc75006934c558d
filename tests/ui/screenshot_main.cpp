// Takes pictures of the window for looking at by eye: at start, after a few
// contacts played through the buttons, the settings' "Sound" page and a
// contact copied by ear. Boxes are printed, not shown.
// Usage: tovk_ui_screenshot DIR (run under a display or offscreen).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>
#include <iostream>

#include "ui/main_window.h"
#include "ui/settings_dialog.h"
#include "ui/sound_page.h"
#include "world/random.h"

namespace {

class QuietWindow : public tovk::ui::MainWindow {
 public:
  using MainWindow::MainWindow;
  void ShowMessage(const std::string& text) override { std::cout << "box: " << text << "\n"; }
  bool AskYesNo(const std::string& question) override {
    std::cout << "question: " << question << "\n";
    return false;
  }
};

void Press(tovk::ui::MainWindow& window, tovk::Command command) {
  window.Buttons()->ButtonOf(command)->click();
  QCoreApplication::processEvents();
}

bool Save(QWidget& window, const QString& file) {
  QCoreApplication::processEvents();
  return window.grab().save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QTemporaryDir folder;
  std::filesystem::copy_file(TOVK_STATION_LIST,
                             std::filesystem::path(folder.path().toStdString()) / "TOVK.SS");
  // Seeded when the window is first shown, as tovk-term and the page seed:
  // the same game as `tovk-term --seed 1977` and the page's ?seed=1977.
  tovk::SeededRandom random;
  tovk::ui::WindowSetup setup;
  setup.seedRandom = [&random] { random.Seed(1977); };
  setup.folder = folder.path().toStdString();
  setup.settingsFile = setup.folder / "tovk.ini";
  setup.playSound = false;
  QuietWindow window(setup, random);
  window.Create();
  window.show();
  if (!Save(window, out + "/start.png")) return 1;

  tovk::Game& g = window.game();
  for (int attempt = 0; attempt < 200 && g.Mynumber < 7; ++attempt) {
    Press(window, tovk::Command::CallCq);
    if (g.StationState != tovk::ssCalledMe) continue;
    Press(window, tovk::Command::SendMessage);
    Press(window, tovk::Command::SendQsl);
    Press(window, tovk::Command::LogQso);
  }
  Press(window, tovk::Command::CallCq);
  std::cout << "contacts: " << g.Mynumber - 1 << "\n";
  if (!Save(window, out + "/contacts.png")) return 1;
  window.Notebook()->setCurrentIndex(1);
  if (!Save(window, out + "/log.png")) return 1;

  // The settings dialog's "Sound" page, and a contact copied by ear.
  tovk::ui::SettingsDialog dialog(window.session(), &window);
  dialog.ShowPage(tovk::SettingsPage::Sound);
  dialog.show();
  if (!Save(dialog, out + "/settings-sound.png")) return 1;
  dialog.Sound()->CopyByEarBox()->setChecked(true);
  dialog.close();
  window.Notebook()->setCurrentIndex(0);
  // A station calls anew, now copied by ear (the one that called last was heard in the clear).
  Press(window, tovk::Command::ClearContact);
  for (int attempt = 0; attempt < 200 && g.StationState != tovk::ssCalledMe; ++attempt)
    Press(window, tovk::Command::CallCq);
  return Save(window, out + "/copy-by-ear.png") ? 0 : 1;
}
