// The help window: where the document is found, the message when it is
// missing, the places each Help entry opens, finding text; and the about box.
#include "help_viewer_test.h"

#include <QMenuBar>
#include <QTest>
#include <QTextCursor>
#include <filesystem>

#include "test_window.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"

namespace tovk::testing {
namespace {

namespace fs = std::filesystem;

void PutHelpFile(const fs::path& folder) {
  fs::create_directories(folder);
  fs::copy_file(TOVK_HELP_FILE, folder / ui::kHelpFileName);
}

QAction* HelpEntry(QMenuBar* bar, const QString& caption) {
  for (QAction* menu : bar->actions()) {
    if (menu->text() != QStringLiteral("Help") || !menu->menu()) continue;
    for (QAction* entry : menu->menu()->actions()) {
      if (entry->text() == caption) return entry;
    }
  }
  return nullptr;
}

QString Place(const ui::HelpViewer& viewer) {
  return viewer.Browser()->source().fragment();
}

}  // namespace

void HelpViewerTest::helpFileIsFoundBesideTheProgramOrInstalled() {
  QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  const fs::path bin = root / "bin";
  fs::create_directories(bin);
  QVERIFY(!ui::FindHelpFile(bin));
  PutHelpFile(root / "share" / "tovk");
  QCOMPARE(ui::FindHelpFile(bin)->lexically_normal(),
           (root / "share" / "tovk" / ui::kHelpFileName).lexically_normal());
  PutHelpFile(bin);
  QCOMPARE(*ui::FindHelpFile(bin), bin / ui::kHelpFileName);
  // A folder of that name is not the document.
  QTemporaryDir other;
  fs::create_directories(fs::path(other.path().toStdString()) / ui::kHelpFileName);
  QVERIFY(!ui::FindHelpFile(other.path().toStdString()));
}

void HelpViewerTest::missingHelpFileIsReportedNotShown() {
  WindowFixture f;
  TestWindow& w = *f.window;
  HelpEntry(w.menuBar(), QStringLiteral("Help"))->trigger();
  QCOMPARE(w.messages.size(), size_t(1));
  QVERIFY(w.messages[0].starts_with("The help file tovk-help.html was not found in " +
                                    f.Folder().string()));
  QVERIFY(!w.HelpWindow()->isVisible());
  HelpEntry(w.menuBar(), QStringLiteral("Full text search"))->trigger();
  QCOMPARE(w.messages.size(), size_t(2));
}

void HelpViewerTest::helpMenuEntriesOpenTheirPlacesInOneWindow() {
  WindowFixture f;
  TestWindow& w = *f.window;
  PutHelpFile(f.Folder());
  ui::HelpViewer& viewer = *w.HelpWindow();

  HelpEntry(w.menuBar(), QStringLiteral("Help"))->trigger();
  QVERIFY(w.messages.empty());
  QVERIFY(viewer.isVisible());
  QVERIFY(!viewer.isModal());
  QCOMPARE(Place(viewer), QStringLiteral("contents"));
  QVERIFY(viewer.Browser()->toPlainText().contains(QStringLiteral("keyword index")));
  QVERIFY(!viewer.BackButton()->isEnabled());

  HelpEntry(w.menuBar(), QStringLiteral("Help on help"))->trigger();
  QCOMPARE(Place(viewer), QStringLiteral("helponhelp"));
  HelpEntry(w.menuBar(), QStringLiteral("Search"))->trigger();
  QCOMPARE(Place(viewer), QStringLiteral("index"));

  // Back and Forward walk the places seen.
  QVERIFY(viewer.BackButton()->isEnabled());
  viewer.BackButton()->click();
  QCOMPARE(Place(viewer), QStringLiteral("helponhelp"));
  viewer.ForwardButton()->click();
  QCOMPARE(Place(viewer), QStringLiteral("index"));
  viewer.ContentsButton()->click();
  QCOMPARE(Place(viewer), QStringLiteral("contents"));
  viewer.IndexButton()->click();
  QCOMPARE(Place(viewer), QStringLiteral("index"));

  // Full text search stays at the place shown and waits in the find box.
  HelpEntry(w.menuBar(), QStringLiteral("Full text search"))->trigger();
  QCOMPARE(Place(viewer), QStringLiteral("index"));
  QTRY_VERIFY(viewer.FindBox()->hasFocus());
  if (!qEnvironmentVariable("TOVK_SCREENSHOTS").isEmpty()) {
    viewer.grab().save(qEnvironmentVariable("TOVK_SCREENSHOTS") + QStringLiteral("/help.png"));
  }
  QCOMPARE(w.findChildren<ui::HelpViewer*>().size(), qsizetype(1));
}

void HelpViewerTest::findGoesRoundTheWholeText() {
  WindowFixture f;
  TestWindow& w = *f.window;
  PutHelpFile(f.Folder());
  HelpEntry(w.menuBar(), QStringLiteral("Full text search"))->trigger();
  ui::HelpViewer& viewer = *w.HelpWindow();

  QTest::keyClicks(viewer.FindBox(), "contest is over");
  QTest::keyClick(viewer.FindBox(), Qt::Key_Return);
  const QTextCursor first = viewer.Browser()->textCursor();
  QCOMPARE(first.selectedText().toLower(), QStringLiteral("contest is over"));

  // Onwards until the find comes round to the first place again.
  int steps = 0;
  while (steps < 200) {
    QVERIFY(viewer.FindNext());
    ++steps;
    if (viewer.Browser()->textCursor().position() == first.position()) break;
  }
  QVERIFY(steps > 1);  // the message is explained in more than one place
  QVERIFY(viewer.Browser()->textCursor().position() == first.position());
  QVERIFY(!viewer.FindResult()->text().isEmpty());

  // Backwards from the first place goes round to the last one.
  QVERIFY(viewer.FindNext(true));
  QVERIFY(viewer.Browser()->textCursor().position() > first.position());

  viewer.FindBox()->setText(QStringLiteral("xyzzy plugh"));
  QVERIFY(!viewer.FindNext());
  QVERIFY(viewer.FindResult()->text().contains(QStringLiteral("not in the help")));
  viewer.FindBox()->clear();
  QVERIFY(!viewer.FindNext());
}

void HelpViewerTest::aboutBoxIsCentredOnTopAndReused() {
  WindowFixture f;
  TestWindow& w = *f.window;
  w.move(120, 90);
  ui::AboutBox* about = w.About();
  QVERIFY(about && !about->isVisible());
  HelpEntry(w.menuBar(), QStringLiteral("About Tovk"))->trigger();
  QVERIFY(about->isVisible());
  QVERIFY(!about->isModal());
  QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
  QCOMPARE(about->windowTitle(), QStringLiteral("About Tovk"));
  QCOMPARE(about->size(), QSize(391, 164));
  QCOMPARE(about->minimumSize(), about->maximumSize());
  QCOMPARE(about->Title()->text(), QStringLiteral("Tovk - Incremental release"));
  QVERIFY(about->Title()->font().bold());
  QCOMPARE(about->Version()->text(), QStringLiteral("Version 1.0"));
  QCOMPARE(about->x(), w.x() + w.width() / 2 - 391 / 2);
  QCOMPARE(about->y(), w.y() + w.height() / 2 - 164 / 2);
  if (!qEnvironmentVariable("TOVK_SCREENSHOTS").isEmpty()) {
    about->grab().save(qEnvironmentVariable("TOVK_SCREENSHOTS") + QStringLiteral("/about.png"));
  }

  about->OkButton()->click();
  QVERIFY(!about->isVisible());
  // Shown again: the same box, centred over where the window is now.
  w.move(300, 200);
  HelpEntry(w.menuBar(), QStringLiteral("About Tovk"))->trigger();
  QCOMPARE(w.About(), about);
  QVERIFY(about->isVisible());
  QCOMPARE(about->x(), w.x() + w.width() / 2 - 391 / 2);
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::HelpViewerTest)
