// Runs the window's test classes, all of them or the one named first on the
// command line (so that each is its own entry for ctest).
#include <QApplication>
#include <QTest>
#include <cstring>
#include <memory>
#include <vector>

#include "help_viewer_test.h"
#include "key_map_test.h"
#include "main_window_test.h"
#include "results_dialog_test.h"
#include "section_map_test.h"
#include "settings_dialog_test.h"
#include "single_instance_test.h"
#include "start_and_quit_test.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const char* only = argc > 1 ? argv[1] : nullptr;
  std::vector<std::unique_ptr<QObject>> tests;
  tests.push_back(std::make_unique<tovk::testing::MainWindowTest>());
  tests.push_back(std::make_unique<tovk::testing::SectionMapTest>());
  tests.push_back(std::make_unique<tovk::testing::StartAndQuitTest>());
  tests.push_back(std::make_unique<tovk::testing::SingleInstanceTest>());
  tests.push_back(std::make_unique<tovk::testing::SettingsDialogTest>());
  tests.push_back(std::make_unique<tovk::testing::HelpViewerTest>());
  tests.push_back(std::make_unique<tovk::testing::KeyMapTest>());
  tests.push_back(std::make_unique<tovk::testing::ResultsDialogTest>());
  int failed = 0;
  for (const auto& test : tests) {
    const char* name = test->metaObject()->className();
    const char* shortName = std::strrchr(name, ':');
    shortName = shortName ? shortName + 1 : name;
    if (only && std::strcmp(only, shortName) != 0) continue;
    char* testArgs[] = {argv[0]};
    failed += QTest::qExec(test.get(), 1, testArgs);
  }
  return failed == 0 ? 0 : 1;
}
