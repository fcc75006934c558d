// Start-up from the settings file and the quit flow, as the window runs them.
#include "start_and_quit_test.h"

#include <QTest>
#include <filesystem>

#include "test_window.h"

namespace tovk::testing {

void StartAndQuitTest::settingsFileShapesTheWindow() {
  WindowFixture f(
      "[Forms]\r\nTerminal width=700\r\nTerminal height=640\r\nIncoming color=255\r\n"
      "Incoming Wordwrap=0\r\nOutgoing Font.height=-16\r\nOutgoing Font.Style=1\r\n"
      "[Panels]\r\nRadio color=16711680\r\n[Calls]\r\nMycall=W1AW\r\n");
  TestWindow& w = *f.window;
  QCOMPARE(w.size(), QSize(700, 640));
  ui::MemoView* incoming = w.Memo(MemoId::Incoming);
  QCOMPARE(incoming->palette().color(QPalette::Base), QColor(255, 0, 0));
  QCOMPARE(incoming->lineWrapMode(), QPlainTextEdit::NoWrap);
  ui::MemoView* outgoing = w.Memo(MemoId::Outgoing);
  QCOMPARE(outgoing->font().pixelSize(), 16);
  QVERIFY(outgoing->font().bold());
  QCOMPARE(outgoing->palette().color(QPalette::Text), QColor(255, 0, 0));
  QCOMPARE(outgoing->font().family(), QStringLiteral("Courier New"));
  // The radio colour is blue, and the band box takes it too.
  QCOMPARE(w.Buttons()->Group(ButtonGroup::Radio)->palette().color(QPalette::Window),
           QColor(0, 0, 255));
  QCOMPARE(w.Entries()->BandGroup()->palette().color(QPalette::Window), QColor(0, 0, 255));
  QCOMPARE(w.game().CQText.str(), std::string("Tovk de W1AW SS"));
}

void StartAndQuitTest::sectionPanelStartsOnTheRightWhenSet() {
  WindowFixture f("[Panels]\r\nSection Position=R\r\n");
  QVERIFY(f.window->SectionPanelOnRight());
  QCoreApplication::processEvents();
  QVERIFY(f.window->SectionMap()->x() > f.window->MemoArea()->x());
}

void StartAndQuitTest::closeAnsweredNoKeepsTheWindowRunning() {
  WindowFixture f;
  TestWindow& w = *f.window;
  w.game().SetAutoCqTimer(true);
  w.answers = {false};
  QVERIFY(!w.close());
  QVERIFY(w.isVisible());
  QCOMPARE(w.questions, std::vector<std::string>{"Are you sure ?"});
  QVERIFY(!w.ended);
  QVERIFY(w.AutoCqTimer().isActive());
}

void StartAndQuitTest::closeAnsweredYesWritesTheWindowsLookAndEnds() {
  WindowFixture f;
  TestWindow& w = *f.window;
  w.resize(720, 650);
  FontLook bigLog{"Courier New", kClWindowText, -15};
  SettingsChange font;
  font.font = {MemoId::Log, bigLog};
  w.session().ApplySettings(font);
  w.answers = {true};
  QVERIFY(!w.close());  // the window never closes by itself
  QVERIFY(w.ended);
  const std::string settings = f.SettingsText();
  QVERIFY2(settings.find("Terminal width=720") != std::string::npos, settings.c_str());
  QVERIFY(settings.find("Terminal height=650") != std::string::npos);
  QVERIFY(settings.find("Logbook  Font.height=-15") != std::string::npos);
}

void StartAndQuitTest::aGameDroppedWithoutQuittingIsOfferedAndComesBack() {
  const std::string question = "Restore the game from the last session?";
  WindowFixture first;
  TestWindow& w = *first.window;
  QCoreApplication::processEvents();  // the start's offer: no copy, no question
  QVERIFY(w.questions.empty());
  w.SetSettingsDialog([&w](SettingsPage, QWidget*) {
    w.game().TimeoutHours = 0;
    w.game().TimeoutMinutes = 30;
  });
  w.RunCommand(Command::Qrv);
  w.answers = {true};
  w.RunCommand(Command::Timeout);  // a timeout is kept, as a contact is
  const std::filesystem::path copy = first.Folder() / "tovk-recovery.sav";
  QVERIFY(std::filesystem::exists(copy));
  QCOMPARE(w.game().Minute, 30);

  // The next start in another folder finds the copy the dropped game left.
  WindowFixture second;
  TestWindow& next = *second.window;
  std::filesystem::copy_file(copy, second.Folder() / "tovk-recovery.sav");
  next.answers = {true};
  QCoreApplication::processEvents();
  QCOMPARE(next.questions, std::vector<std::string>{question});
  QCOMPARE(next.game().Minute, 30);
  QCOMPARE(next.game().Lines(MemoId::Log), w.game().Lines(MemoId::Log));
  next.FlushMemos();
  QCOMPARE(next.Memo(MemoId::Log)->toPlainText(), GameLines(w.game(), MemoId::Log));
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::StartAndQuitTest)
