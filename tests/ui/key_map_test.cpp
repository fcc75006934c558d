// The window's keys: each runs what its button runs, wherever the focus is;
// Enter takes the next step; disabled and held keys; moving between the
// entry fields; Esc and the band keys; the keys in the hints and the key list.
#include "key_map_test.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "engine/actions.h"
#include "test_window.h"
#include "ui/key_map.h"

namespace tovk::testing {
namespace {

QLineEdit* FieldOf(ui::TFormMain& w, Field field) {
  return w.Panel4()->FieldEdit(field);
}

// What an action leaves that a player can see or that scores.
struct Outcome {
  std::array<std::vector<std::string>, kMemoCount> memo;
  std::vector<std::string> messages;
  std::array<std::string, kFieldCount> fields;
  int errors, dupes, state, clock;
  bool timer;
  bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(TestWindow& w) {
  const Game& g = w.game();
  return {g.memo,
          w.messages,
          g.fieldText,
          g.ErrorCount,
          g.DupeCount,
          g.StationState,
          (g.Hour * 60 + g.Minute) * 60 + g.Second,
          g.Timer1};
}

int LineCount(const Game& g, MemoId memo) {
  return static_cast<int>(g.Lines(memo).size());
}

}  // namespace

void KeyMapTest::keysDoWhatTheirButtonsDoFromAnEntryField() {
  // Two windows with the same draws: one played from the keyboard with the
  // focus in the callsign field, the other with the mouse.
  WindowFixture keyed;
  WindowFixture clicked;
  TestWindow& k = *keyed.window;
  TestWindow& c = *clicked.window;
  QLineEdit* call = FieldOf(k, Field::Edithiscall);
  QTest::keyClicks(call, "k1abc");
  QTest::keyClicks(FieldOf(c, Field::Edithiscall), "k1abc");
  for (const ui::KeyBinding& binding : ui::KeyBindings()) {
    if (binding.action != ui::KeyAction::Press) continue;
    if (binding.button == Button::ToolButtonautocq) continue;  // starts the timer: below
    QTest::keyClick(call, binding.key, binding.modifier);
    QTest::mouseClick(c.Panel3()->ButtonOf(binding.button), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY2(OutcomeOf(k) == OutcomeOf(c), binding.keyText);
  }
  QVERIFY(k.game().Lines(MemoId::Memo3).size() >= 5);  // the keys did send
  QCOMPARE(k.game().busy, 0);
}

void KeyMapTest::enterTakesTheNextStepFromAFieldOrATextWindow() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QTest::keyClick(FieldOf(w, Field::EditSection), Qt::Key_Return);
  QVERIFY(!g.Lines(MemoId::Memo3).empty());
  QCOMPARE(g.Lines(MemoId::Memo3).back(), std::string("Tovk de Q1AAA SS"));

  // In contact, exchange not sent: Send Msg, from the read-only incoming window
  // and with the keypad's Enter.
  g.StationState = ssCalledMe;
  g.Hiscall = "K1ABC";
  g.PartReceived[2] = true;
  QTest::keyClick(w.Memo(MemoId::Memo1), Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(g.Lines(MemoId::Memo3).back(), std::string("K1ABC UR 1 A Q1AAA Check 68 MDC"));
  QVERIFY(g.ExchangeSent);
  QCOMPARE(FieldOf(w, Field::EditSection)->text(), QString());
  QCOMPARE(g.busy, 0);
}

void KeyMapTest::disabledAndHeldKeysDoNothingMore() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  Perform(g, [&] { EnableOperatingControls(g, false); });
  const int sent = LineCount(g, MemoId::Memo3);
  QLineEdit* number = FieldOf(w, Field::Editnumber);
  const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {{Qt::Key_F1, Qt::NoModifier},
                                                           {Qt::Key_Return, Qt::NoModifier},
                                                           {Qt::Key_L, Qt::ControlModifier},
                                                           {Qt::Key_N, Qt::AltModifier}};
  for (const auto& [key, modifier] : keys) QTest::keyClick(number, key, modifier);
  QCOMPARE(LineCount(g, MemoId::Memo3), sent);
  QVERIFY(w.messages.empty());
  QCOMPARE(g.ErrorCount, 0);
  QCOMPARE(number->text(), QString());

  // A key held down acts once: its repeats do nothing.
  Perform(g, [&] { EnableOperatingControls(g, true); });
  QTest::keyClick(number, Qt::Key_F1);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(number, &repeat);
  QCOMPARE(LineCount(g, MemoId::Memo3), sent + 1);
}

void KeyMapTest::spaceAndTabMoveBetweenFieldsWithoutBlanks() {
  WindowFixture f;
  TestWindow& w = *f.window;
  const auto focusAfter = [&](QWidget* from, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(from, key, modifiers);
    return w.focusWidget();
  };
  QLineEdit* number = FieldOf(w, Field::Editnumber);
  QLineEdit* prec = FieldOf(w, Field::EditPrc);
  QLineEdit* call = FieldOf(w, Field::Edithiscall);
  QLineEdit* check = FieldOf(w, Field::Editcheck);
  QLineEdit* section = FieldOf(w, Field::EditSection);
  QVERIFY(focusAfter(number, Qt::Key_Space, Qt::NoModifier) == prec);
  QVERIFY(focusAfter(prec, Qt::Key_Tab, Qt::NoModifier) == call);
  QTest::keyClicks(call, "k1 abc");  // the blank moves on instead of typing
  QCOMPARE(call->text(), QStringLiteral("K1ABC"));
  QVERIFY(focusAfter(check, Qt::Key_Space, Qt::ShiftModifier) == section);
  QVERIFY(focusAfter(section, Qt::Key_Tab, Qt::NoModifier) == number);  // round again
  QVERIFY(focusAfter(number, Qt::Key_Backtab, Qt::ShiftModifier) == section);
  QVERIFY(focusAfter(prec, Qt::Key_Backtab, Qt::ShiftModifier) == number);
  // From outside the fields: forward to the number, back to the section.
  QVERIFY(focusAfter(w.Memo(MemoId::Memo1), Qt::Key_Space, Qt::NoModifier) == number);
  QVERIFY(focusAfter(w.Panel4()->BandBox(), Qt::Key_Backtab, Qt::ShiftModifier) == section);
  for (Field field : {Field::Editnumber, Field::EditPrc, Field::Editcheck, Field::EditSection})
    QCOMPARE(FieldOf(w, field)->text(), QString());
}

void KeyMapTest::escStopsAutoCqAndPageKeysStepThroughTheBands() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QLineEdit* call = FieldOf(w, Field::Edithiscall);
  QTest::keyClick(call, Qt::Key_F1, Qt::ShiftModifier);
  QVERIFY(g.Timer1);
  QVERIFY(g.AutoCQ);
  const int sent = LineCount(g, MemoId::Memo3);
  QTest::keyClick(call, Qt::Key_Escape);
  QVERIFY(!g.Timer1);
  QVERIFY(!w.Timer1().isActive());
  QVERIFY(g.AutoCQ);  // only the timer stops
  QCOMPARE(LineCount(g, MemoId::Memo3), sent);

  // The band box runs 80, 40, 20, 15, 10; up is toward 10 m.
  QCOMPARE(g.Band.str(), std::string("40"));
  QComboBox* band = w.Panel4()->BandBox();
  const std::pair<Qt::Key, const char*> steps[] = {
      {Qt::Key_PageUp, "20"},   {Qt::Key_PageUp, "15"},   {Qt::Key_PageUp, "10"},
      {Qt::Key_PageUp, "10"},   {Qt::Key_PageDown, "15"}, {Qt::Key_PageDown, "20"},
      {Qt::Key_PageDown, "40"}, {Qt::Key_PageDown, "80"}, {Qt::Key_PageDown, "80"},
  };
  for (const auto& [key, expected] : steps) {
    QTest::keyClick(band, key);
    QCOMPARE(g.Band.str(), std::string(expected));
    QCOMPARE(band->currentText(), QString::fromLatin1(expected));
  }
  QCOMPARE(ui::NextBand("", true), std::string("80"));
  QCOMPARE(ui::NextBand("", false), std::string("10"));
}

void KeyMapTest::hintsAndKeyListNameTheKeys() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QCOMPARE(w.Panel3()->ButtonOf(Button::ToolButtonCallCQ)->toolTip(),
           QStringLiteral("Call CQ (F1)"));
  QCOMPARE(w.Panel3()->ButtonOf(Button::ToolButtonlog)->toolTip(),
           QStringLiteral("Enter the contact into the logbook (Ctrl+L)"));
  QCOMPARE(w.Panel3()->ButtonOf(Button::ToolButtonQRT)->toolTip(),
           QStringLiteral("Shut down the program"));

  QAction* keys = nullptr;
  for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
    if (menu->title() != QStringLiteral("Help")) continue;
    for (QAction* entry : menu->actions()) {
      if (entry->text() == QStringLiteral("Keys")) keys = entry;
    }
  }
  QVERIFY(keys);
  keys->trigger();
  auto* list = w.findChild<QDialog*>(QStringLiteral("KeyList"));
  QVERIFY(list && list->isVisible());
  const QString text = list->findChild<QLabel*>(QStringLiteral("KeyListText"))->text();
  for (const ui::KeyBinding& binding : ui::KeyBindings())
    QVERIFY2(text.contains(QString::fromLatin1(binding.keyText)), binding.keyText);

  // The key list is a window of its own: its keys do not play the game.
  const int sent = LineCount(w.game(), MemoId::Memo3);
  QTest::keyClick(list, Qt::Key_F1);
  QCOMPARE(LineCount(w.game(), MemoId::Memo3), sent);
}

}  // namespace tovk::testing
