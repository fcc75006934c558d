// The main window over the game: buttons, fields and clicks run the game's
// handlers, and every control shows what the game keeps.
#include "main_window_test.h"

#include <QTest>

#include "engine/actions.h"
#include "test_window.h"

namespace tovk::testing {
namespace {

QToolButton* ButtonOf(ui::TFormMain& w, Button button) {
  return w.Panel3()->ButtonOf(button);
}

void Click(ui::TFormMain& w, Button button) {
  QTest::mouseClick(ButtonOf(w, button), Qt::LeftButton);
  QCoreApplication::processEvents();
}

// Every control agrees with the game's copy of what is shown.
void VerifyWindowFollowsGame(TestWindow& w) {
  const Game& g = w.game();
  QCoreApplication::processEvents();
  for (MemoId memo : {MemoId::Memo1, MemoId::Memo2, MemoId::Memo3})
    QCOMPARE(w.Memo(memo)->toPlainText(), GameLines(g, memo));
  for (int i = 0; i < kStatusPanelCount; ++i) {
    if (g.statusPanel[i].empty()) continue;  // label panels keep their captions
    QCOMPARE(w.StatusBar1()->PanelText(i), QString::fromStdString(g.statusPanel[i]));
  }
  for (int i = 0; i < kButtonCount; ++i)
    QCOMPARE(ButtonOf(w, static_cast<Button>(i))->isEnabled(), g.buttonEnabled[i]);
  for (int i = 0; i < kFieldCount; ++i)
    QCOMPARE(w.Panel4()->FieldEdit(static_cast<Field>(i))->text(),
             QString::fromStdString(g.fieldText[i]));
  QCOMPARE(ButtonOf(w, Button::ToolbuttonCallhim)->text(),
           QString::fromStdString(g.callButtonCaption));
  QCOMPARE(w.Panel4()->BandBox()->currentText(), QString::fromStdString(g.bandBox));
  QCOMPARE(w.Panel4()->QsoNumberBox()->text(), QString::fromStdString(g.qsoNumberText));
  QCOMPARE(w.Timer1().isActive(), g.Timer1);
}

}  // namespace

void MainWindowTest::startShowsCaptionStatusBarBandAndNumber() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QCOMPARE(w.windowTitle(), QStringLiteral("Tovk Sweepstakes Version 1.0"));
  const QStringList expected{"GMT",  "21:00",    "Local", "16:00", "Op", "00:00:00", "QSo's",
                             "0",    "Sections", "0",     "Score", "0",  "Q/hr",     "-",
                             "Dups", "0",        "Lids",  "0",     "--"};
  for (int i = 0; i < kStatusPanelCount; ++i) QCOMPARE(w.StatusBar1()->PanelText(i), expected[i]);
  QCOMPARE(w.StatusBar1()->Panel(11)->accessibleName(), QStringLiteral("Score value 0"));
  QCOMPARE(w.Panel4()->BandBox()->currentText(), QStringLiteral("40"));
  QCOMPARE(w.Panel4()->QsoNumberBox()->text(), QStringLiteral("1"));
  QCOMPARE(w.TabbedNotebook1()->currentIndex(), 0);
  QVERIFY(!w.Timer1().isActive());
  QVERIFY(w.messages.empty());
  VerifyWindowFollowsGame(w);
}

void MainWindowTest::controlsCarryCaptionsHintsAndAccessibleNames() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QToolButton* callCq = ButtonOf(w, Button::ToolButtonCallCQ);
  QCOMPARE(callCq->text(), QStringLiteral("Call CQ"));
  QCOMPARE(callCq->accessibleName(), QStringLiteral("Call CQ"));
  QVERIFY(!callCq->icon().isNull());
  QCOMPARE(ButtonOf(w, Button::ToolButtonRepeat)->toolTip(),
           QStringLiteral("Ask for a  repeat of the contest exchange (F7)"));
  QCOMPARE(ButtonOf(w, Button::ToolButtonQRT)->toolTip(), QStringLiteral("Shut down the program"));
  for (int i = 0; i < kButtonCount; ++i) {
    QToolButton* button = ButtonOf(w, static_cast<Button>(i));
    QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
  }
  QCOMPARE(w.Memo(MemoId::Memo1)->accessibleName(), QStringLiteral("Incoming"));
  QCOMPARE(w.Memo(MemoId::Memo2)->accessibleName(), QStringLiteral("Log"));
  QCOMPARE(w.Memo(MemoId::Memo3)->accessibleName(), QStringLiteral("Outgoing"));
  QCOMPARE(w.Panel4()->FieldEdit(Field::EditSection)->accessibleName(), QStringLiteral("Section"));
  QCOMPARE(w.Panel4()->FieldEdit(Field::Editnumber)->toolTip(),
           QStringLiteral("Incoming QSO number"));
  QCOMPARE(w.Panel2()->Cell(0)->accessibleName(), QStringLiteral("CT"));
  QCOMPARE(w.Panel2()->Area(10)->toolTip(), QStringLiteral("Sections in the VE call areas"));
  QCOMPARE(w.Panel2()->Area(1)->toolTip(), QStringLiteral("Sections in the W2 call area"));
}

void MainWindowTest::buttonsDriveTheGameAndWindowsShowItsLines() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Click(w, Button::ToolButtonCallCQ);
  QVERIFY(w.Memo(MemoId::Memo3)->toPlainText().contains(QStringLiteral("Tovk de Q1AAA SS")));
  QVERIFY(!w.Memo(MemoId::Memo2)->toPlainText().isEmpty());  // going on the air is logged
  VerifyWindowFollowsGame(w);
  for (Button button :
       {Button::ToolbuttonCallhim, Button::ToolButtonSend, Button::ToolButtonQSL,
        Button::ToolButtonRepeat, Button::ToolButtontune, Button::ToolButtonsendsection,
        Button::ToolButtonchecklog, Button::ToolButtonclearqso, Button::ToolButtonCallCQ}) {
    Click(w, button);
    VerifyWindowFollowsGame(w);
  }
  QCOMPARE(w.game().busy, 0);
}

void MainWindowTest::logButtonFollowsExchangeSentUnderAssist() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QVERIFY(g.Assist);
  Click(w, Button::ToolButtonCallCQ);
  QVERIFY(!g.ExchangeSent);
  QVERIFY(!ButtonOf(w, Button::ToolButtonlog)->isEnabled());

  // Without Assist the refresh leaves the button as it was.
  g.Assist = false;
  g.SetButtonEnabled(Button::ToolButtonlog, true);
  Click(w, Button::ToolButtonclearqso);
  QVERIFY(ButtonOf(w, Button::ToolButtonlog)->isEnabled());
}

void MainWindowTest::callButtonCaptionFollowsTheStation() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.StationState = ssHeardSection;
  g.Hissection = "NTX";
  Perform(g, [&] { RefreshDisplay(g); });
  QToolButton* callHim = ButtonOf(w, Button::ToolbuttonCallhim);
  QCOMPARE(callHim->text(), QStringLiteral("QRZ NTX"));
  QCOMPARE(callHim->accessibleName(), QStringLiteral("QRZ NTX"));
  g.StationState = ssCalledMe;
  g.PartReceived[2] = true;
  Perform(g, [&] { RefreshDisplay(g); });
  QCOMPARE(callHim->text(), QStringLiteral("Call Stn"));
}

void MainWindowTest::typedLettersBecomeCapitalsAndReachTheGame() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QLineEdit* call = w.Panel4()->FieldEdit(Field::Edithiscall);
  QTest::keyClicks(call, "w1aw");
  QCOMPARE(call->text(), QStringLiteral("W1AW"));
  QCOMPARE(g.Hiscall.str(), std::string("W1AW"));
  QVERIFY(g.PartReceived[2]);

  // Text the game sets shows without being taken for typing.
  Perform(g, [&] { SetFieldText(g, Field::EditSection, "NTX"); });
  QCOMPARE(w.Panel4()->FieldEdit(Field::EditSection)->text(), QStringLiteral("NTX"));
  QCOMPARE(g.Hissection.str(), std::string("NTX"));
  Perform(g, [&] { ToolButtonClearQSOClick(g); });
  QCOMPARE(call->text(), QString());
  VerifyWindowFollowsGame(w);
}

void MainWindowTest::rightClickClearsIncomingAndOutgoingOnly() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.AppendLine(MemoId::Memo1, "Q1AAA UR 5 A W1AW 68 CT");
  g.AppendLine(MemoId::Memo3, "Tovk de Q1AAA SS");
  QCoreApplication::processEvents();
  ui::MemoView* incoming = w.Memo(MemoId::Memo1);
  QTest::mouseClick(incoming->viewport(), Qt::LeftButton);
  QCOMPARE(incoming->toPlainText(), QStringLiteral("Q1AAA UR 5 A W1AW 68 CT"));
  QTest::mouseClick(incoming->viewport(), Qt::RightButton);
  QCOMPARE(incoming->toPlainText(), QString());
  QVERIFY(g.Lines(MemoId::Memo1).empty());
  QTest::mouseClick(w.Memo(MemoId::Memo3)->viewport(), Qt::RightButton);
  QVERIFY(g.Lines(MemoId::Memo3).empty());
  // The log window has no such handler.
  const QString log = w.Memo(MemoId::Memo2)->toPlainText();
  QTest::mouseClick(w.Memo(MemoId::Memo2)->viewport(), Qt::RightButton);
  QCOMPARE(w.Memo(MemoId::Memo2)->toPlainText(), log);
}

void MainWindowTest::bandChoiceAndNotebookPageReachTheGame() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QComboBox* band = w.Panel4()->BandBox();
  band->setCurrentIndex(2);
  emit band->activated(2);
  QCOMPARE(w.game().Band.str(), std::string("20"));
  w.TabbedNotebook1()->setCurrentIndex(1);
  QCOMPARE(w.game().notebookPage, 1);
}

void MainWindowTest::appendedLinesShowInOrderAcrossBatches() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  ui::MemoView* incoming = w.Memo(MemoId::Memo1);
  g.AppendLine(MemoId::Memo1, "");  // an empty first line stays a line
  QCoreApplication::processEvents();
  g.AppendLine(MemoId::Memo1, "one");
  g.AppendLine(MemoId::Memo1, "two");
  QCOMPARE(incoming->AllText(), QStringLiteral("\none\ntwo"));  // before the flush as well
  QCoreApplication::processEvents();
  QCOMPARE(incoming->toPlainText(), QStringLiteral("\none\ntwo"));
  QCOMPARE(incoming->blockCount(), 3);
  g.ClearMemo(MemoId::Memo1);
  g.AppendLine(MemoId::Memo1, "three");
  QCoreApplication::processEvents();
  QCOMPARE(incoming->toPlainText(), QStringLiteral("three"));
}

void MainWindowTest::boxesShowTheLinesWrittenBeforeThem() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QString shownDuringBox;
  w.duringBox = [&] { shownDuringBox = w.Memo(MemoId::Memo1)->toPlainText(); };
  Perform(g, [&] {
    g.AppendLine(MemoId::Memo1, "W1AW B4");
    g.ShowMessage("Callsign not heard");
  });
  QCOMPARE(shownDuringBox, QStringLiteral("W1AW B4"));
}

void MainWindowTest::timerTickDuringAnotherActionsBoxIsSkipped() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.SetTimer1(true);
  QVERIFY(w.Timer1().isActive());
  const std::size_t outgoingBefore = g.Lines(MemoId::Memo3).size();
  w.duringBox = [&] { w.Timer1Fired(); };
  Perform(g, [&] { g.ShowMessage("Callsign not heard"); });
  QCOMPARE(g.Lines(MemoId::Memo3).size(), outgoingBefore);

  // Outside any action the tick runs the Auto CQ handler.
  w.duringBox = nullptr;
  g.AutoCQ = true;
  w.Timer1Fired();
  QVERIFY(g.Lines(MemoId::Memo3).size() > outgoingBefore);
  QCOMPARE(g.busy, 0);
}

}  // namespace tovk::testing
