// The main window over the game: buttons, fields and clicks run the game's
// handlers, and every control shows what the game keeps.
#include "main_window_test.h"

#include <QTest>

#include "engine/actions.h"
#include "test_window.h"

namespace tovk::testing {
namespace {

QToolButton* ButtonOf(ui::MainWindow& w, Command command) {
  return w.Buttons()->ButtonOf(command);
}

void Click(ui::MainWindow& w, Command command) {
  QTest::mouseClick(ButtonOf(w, command), Qt::LeftButton);
  QCoreApplication::processEvents();
}

// Every control agrees with the game's copy of what is shown.
void VerifyWindowFollowsGame(TestWindow& w) {
  const Game& g = w.game();
  QCoreApplication::processEvents();
  for (MemoId memo : {MemoId::Incoming, MemoId::Log, MemoId::Outgoing})
    QCOMPARE(w.Memo(memo)->toPlainText(), GameLines(g, memo));
  for (int i = 0; i < kStatusPanelCount; ++i) {
    if (g.statusPanel[i].empty()) continue;  // label panels keep their captions
    QCOMPARE(w.Status()->PanelText(i), QString::fromStdString(g.statusPanel[i]));
  }
  for (int i = 0; i < kButtonCount; ++i)
    QCOMPARE(ButtonOf(w, static_cast<Command>(i))->isEnabled(), g.buttonEnabled[i]);
  for (int i = 0; i < kFieldCount; ++i)
    QCOMPARE(w.Entries()->FieldEdit(static_cast<Field>(i))->text(),
             QString::fromStdString(g.fieldText[i]));
  QCOMPARE(ButtonOf(w, Command::CallStation)->text(), QString::fromStdString(g.callButtonCaption));
  QCOMPARE(w.Entries()->BandBox()->currentText(), QString::fromStdString(g.bandBox));
  QCOMPARE(w.Entries()->QsoNumberBox()->text(), QString::fromStdString(g.qsoNumberText));
  QCOMPARE(w.AutoCqTimer().isActive(), g.autoCqTimer);
}

}  // namespace

void MainWindowTest::startShowsCaptionStatusBarBandAndNumber() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QCOMPARE(w.windowTitle(), QStringLiteral("Tovk Sweepstakes Version 1.0"));
  const QStringList expected{"GMT",  "21:00",    "Local", "16:00", "Op", "00:00:00", "QSo's",
                             "0",    "Sections", "0",     "Score", "0",  "Q/hr",     "-",
                             "Dups", "0",        "Lids",  "0",     "--"};
  for (int i = 0; i < kStatusPanelCount; ++i) QCOMPARE(w.Status()->PanelText(i), expected[i]);
  QCOMPARE(w.Status()->Panel(11)->accessibleName(), QStringLiteral("Score value 0"));
  QCOMPARE(w.Entries()->BandBox()->currentText(), QStringLiteral("40"));
  QCOMPARE(w.Entries()->QsoNumberBox()->text(), QStringLiteral("1"));
  QCOMPARE(w.Notebook()->currentIndex(), 0);
  QVERIFY(!w.AutoCqTimer().isActive());
  QVERIFY(w.messages.empty());
  VerifyWindowFollowsGame(w);
}

void MainWindowTest::controlsCarryCaptionsHintsAndAccessibleNames() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QToolButton* callCq = ButtonOf(w, Command::CallCq);
  QCOMPARE(callCq->text(), QStringLiteral("Call CQ"));
  QCOMPARE(callCq->accessibleName(), QStringLiteral("Call CQ"));
  QVERIFY(!callCq->icon().isNull());
  QCOMPARE(ButtonOf(w, Command::Repeat)->toolTip(),
           QStringLiteral("Ask for a  repeat of the contest exchange (F7)"));
  QCOMPARE(ButtonOf(w, Command::Qrt)->toolTip(), QStringLiteral("Shut down the program"));
  for (int i = 0; i < kButtonCount; ++i) {
    QToolButton* button = ButtonOf(w, static_cast<Command>(i));
    QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
  }
  QCOMPARE(w.Memo(MemoId::Incoming)->accessibleName(), QStringLiteral("Incoming"));
  QCOMPARE(w.Memo(MemoId::Log)->accessibleName(), QStringLiteral("Log"));
  QCOMPARE(w.Memo(MemoId::Outgoing)->accessibleName(), QStringLiteral("Outgoing"));
  QCOMPARE(w.Entries()->FieldEdit(Field::Section)->accessibleName(), QStringLiteral("Section"));
  QCOMPARE(w.Entries()->FieldEdit(Field::Number)->toolTip(), QStringLiteral("Incoming QSO number"));
  QCOMPARE(w.SectionMap()->Cell(0)->accessibleName(), QStringLiteral("CT needed"));
  QCOMPARE(w.SectionMap()->Area(10)->toolTip(), QStringLiteral("Sections in the VE call areas"));
  QCOMPARE(w.SectionMap()->Area(1)->toolTip(), QStringLiteral("Sections in the W2 call area"));
}

void MainWindowTest::buttonsDriveTheGameAndWindowsShowItsLines() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Click(w, Command::CallCq);
  QVERIFY(w.Memo(MemoId::Outgoing)->toPlainText().contains(QStringLiteral("Tovk de Q1AAA SS")));
  QVERIFY(!w.Memo(MemoId::Log)->toPlainText().isEmpty());  // going on the air is logged
  VerifyWindowFollowsGame(w);
  for (Command command : {Command::CallStation, Command::SendMessage, Command::SendQsl,
                          Command::Repeat, Command::TuneBand, Command::SendSection,
                          Command::CheckLog, Command::ClearContact, Command::CallCq}) {
    Click(w, command);
    VerifyWindowFollowsGame(w);
  }
  QCOMPARE(w.game().busy, 0);
}

void MainWindowTest::logButtonFollowsExchangeSentUnderAssist() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QVERIFY(g.Assist);
  Click(w, Command::CallCq);
  QVERIFY(!g.ExchangeSent);
  QVERIFY(!ButtonOf(w, Command::LogQso)->isEnabled());

  // Without Assist the refresh leaves the button as it was.
  g.Assist = false;
  g.SetButtonEnabled(Button::LogQso, true);
  Click(w, Command::ClearContact);
  QVERIFY(ButtonOf(w, Command::LogQso)->isEnabled());
}

void MainWindowTest::callButtonCaptionFollowsTheStation() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.StationState = ssHeardSection;
  g.Hissection = "NTX";
  Perform(g, [&] { RefreshDisplay(g); });
  QToolButton* callHim = ButtonOf(w, Command::CallStation);
  QCOMPARE(callHim->text(), QStringLiteral("QRZ NTX"));
  QCOMPARE(callHim->accessibleName(), QStringLiteral("QRZ NTX"));
  g.StationState = ssCalledMe;
  g.PartReceived[Part::Call] = true;
  Perform(g, [&] { RefreshDisplay(g); });
  QCOMPARE(callHim->text(), QStringLiteral("Call Stn"));
}

void MainWindowTest::typedLettersBecomeCapitalsAndReachTheGame() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QLineEdit* call = w.Entries()->FieldEdit(Field::Call);
  QTest::keyClicks(call, "w1aw");
  QCOMPARE(call->text(), QStringLiteral("W1AW"));
  QCOMPARE(g.Hiscall.str(), std::string("W1AW"));
  QVERIFY(g.PartReceived[Part::Call]);

  // Text the game sets shows without being taken for typing.
  Perform(g, [&] { SetFieldText(g, Field::Section, "NTX"); });
  QCOMPARE(w.Entries()->FieldEdit(Field::Section)->text(), QStringLiteral("NTX"));
  QCOMPARE(g.Hissection.str(), std::string("NTX"));
  Perform(g, [&] { ClearContact(g); });
  QCOMPARE(call->text(), QString());
  VerifyWindowFollowsGame(w);
}

void MainWindowTest::rightClickClearsIncomingAndOutgoingOnly() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.AppendLine(MemoId::Incoming, "Q1AAA UR 5 A W1AW 68 CT");
  g.AppendLine(MemoId::Outgoing, "Tovk de Q1AAA SS");
  QCoreApplication::processEvents();
  ui::MemoView* incoming = w.Memo(MemoId::Incoming);
  QTest::mouseClick(incoming->viewport(), Qt::LeftButton);
  QCOMPARE(incoming->toPlainText(), QStringLiteral("Q1AAA UR 5 A W1AW 68 CT"));
  QTest::mouseClick(incoming->viewport(), Qt::RightButton);
  QCOMPARE(incoming->toPlainText(), QString());
  QVERIFY(g.Lines(MemoId::Incoming).empty());
  QTest::mouseClick(w.Memo(MemoId::Outgoing)->viewport(), Qt::RightButton);
  QVERIFY(g.Lines(MemoId::Outgoing).empty());
  // The log window has no such handler.
  const QString log = w.Memo(MemoId::Log)->toPlainText();
  QTest::mouseClick(w.Memo(MemoId::Log)->viewport(), Qt::RightButton);
  QCOMPARE(w.Memo(MemoId::Log)->toPlainText(), log);
}

void MainWindowTest::bandChoiceAndNotebookPageReachTheGame() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QComboBox* band = w.Entries()->BandBox();
  band->setCurrentIndex(2);
  emit band->activated(2);
  QCOMPARE(w.game().Band.str(), std::string("20"));
  w.Notebook()->setCurrentIndex(1);
  QCOMPARE(w.game().notebookPage, NotebookPage::Log);
}

void MainWindowTest::appendedLinesShowInOrderAcrossBatches() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  ui::MemoView* incoming = w.Memo(MemoId::Incoming);
  g.AppendLine(MemoId::Incoming, "");  // an empty first line stays a line
  QCoreApplication::processEvents();
  g.AppendLine(MemoId::Incoming, "one");
  g.AppendLine(MemoId::Incoming, "two");
  QCOMPARE(incoming->AllText(), QStringLiteral("\none\ntwo"));  // before the flush as well
  QCoreApplication::processEvents();
  QCOMPARE(incoming->toPlainText(), QStringLiteral("\none\ntwo"));
  QCOMPARE(incoming->blockCount(), 3);
  g.ClearMemo(MemoId::Incoming);
  g.AppendLine(MemoId::Incoming, "three");
  QCoreApplication::processEvents();
  QCOMPARE(incoming->toPlainText(), QStringLiteral("three"));
}

void MainWindowTest::copiedByEarTheWindowShowsHeardUntilTheContactEndsThenTheLinesInPlace() {
  WindowFixture f("[Sound]\nCopy by ear=1\n");
  TestWindow& w = *f.window;
  Game& g = w.game();
  ui::MemoView* incoming = w.Memo(MemoId::Incoming);
  g.ClearMemo(MemoId::Incoming);
  g.AppendLine(MemoId::Incoming, "CQ CQ CQ DE K1AA");
  g.AppendLine(MemoId::Incoming, "*** No response");  // the game's own notice stays shown
  QCoreApplication::processEvents();
  g.AppendLine(MemoId::Incoming, "Q1AAA UR 7 A K1AA Check 55 CT");  // not yet laid out
  QCOMPARE(incoming->AllText(), QStringLiteral("(heard)\n*** No response\n(heard)"));

  Click(w, Command::ClearContact);
  QCOMPARE(incoming->AllText(), GameLines(g, MemoId::Incoming));
  QCoreApplication::processEvents();
  QCOMPARE(incoming->toPlainText(), GameLines(g, MemoId::Incoming));
}

void MainWindowTest::boxesShowTheLinesWrittenBeforeThem() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QString shownDuringBox;
  w.duringBox = [&] { shownDuringBox = w.Memo(MemoId::Incoming)->toPlainText(); };
  Perform(g, [&] {
    g.AppendLine(MemoId::Incoming, "W1AW B4");
    g.ShowMessage("Callsign not heard");
  });
  QCOMPARE(shownDuringBox, QStringLiteral("W1AW B4"));
}

void MainWindowTest::timerTickDuringAnotherActionsBoxIsSkipped() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.SetAutoCqTimer(true);
  QVERIFY(w.AutoCqTimer().isActive());
  const std::size_t outgoingBefore = g.Lines(MemoId::Outgoing).size();
  w.duringBox = [&] { w.session().Tick(); };
  Perform(g, [&] { g.ShowMessage("Callsign not heard"); });
  QCOMPARE(g.Lines(MemoId::Outgoing).size(), outgoingBefore);

  // Outside any action the tick runs the Auto CQ handler.
  w.duringBox = nullptr;
  g.AutoCQ = true;
  w.session().Tick();
  QVERIFY(g.Lines(MemoId::Outgoing).size() > outgoingBefore);
  QCOMPARE(g.busy, 0);
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::MainWindowTest)
