// The tests' window and its folder.
#include "test_window.h"

#include <QStringList>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tovk::testing {

WindowFixture::WindowFixture(const std::string& settings, bool playSound) {
  std::filesystem::copy_file(TOVK_STATION_LIST, Folder() / "TOVK.SS");
  if (!settings.empty()) std::ofstream(SettingsFile(), std::ios::binary) << settings;
  ui::WindowSetup setup;
  setup.folder = Folder();
  setup.settingsFile = SettingsFile();
  setup.helpFile = Folder() / "tovk.hlp";
  setup.recoveryFile = Folder() / "tovk-recovery.sav";
  setup.playSound = playSound;
  window = std::make_unique<TestWindow>(setup, random);
  window->Create();
  window->show();
}

std::filesystem::path WindowFixture::Folder() const {
  return dir.path().toStdString();
}

std::filesystem::path WindowFixture::SettingsFile() const {
  return Folder() / "tovk.ini";
}

std::string WindowFixture::SettingsText() const {
  std::ifstream in(SettingsFile(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

QString GameLines(const Game& g, MemoId memo) {
  QStringList lines;
  for (const std::string& line : g.Lines(memo)) lines.append(QString::fromStdString(line));
  return lines.join(u'\n');
}

}  // namespace tovk::testing
