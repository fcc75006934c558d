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

QLineEdit* FieldOf(ui::MainWindow& w, Field field) {
  return w.Entries()->FieldEdit(field);
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
          g.autoCqTimer};
}

// The Qt key press that gives a chord.
std::pair<Qt::Key, Qt::KeyboardModifiers> QtKeyOf(const KeyChord& chord) {
  Qt::KeyboardModifiers modifiers;
  modifiers.setFlag(Qt::ShiftModifier, chord.shift);
  modifiers.setFlag(Qt::ControlModifier, chord.control);
  modifiers.setFlag(Qt::AltModifier, chord.alt);
  if (chord.key == Key::Letter)
    return {static_cast<Qt::Key>(Qt::Key_A + (chord.letter - 'A')), modifiers};
  if (chord.key >= Key::F1 && chord.key <= Key::F12)
    return {static_cast<Qt::Key>(Qt::Key_F1 +
                                 (static_cast<int>(chord.key) - static_cast<int>(Key::F1))),
            modifiers};
  return {Qt::Key_unknown, modifiers};
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
  QLineEdit* call = FieldOf(k, Field::Call);
  QTest::keyClicks(call, "k1abc");
  QTest::keyClicks(FieldOf(c, Field::Call), "k1abc");
  for (const KeyRow& row : KeyRows()) {
    if (!ButtonOf(row.command)) continue;          // the keys of the buttons
    if (row.command == Command::AutoCq) continue;  // starts the timer: below
    const auto [key, modifiers] = QtKeyOf(row.chord);
    QTest::keyClick(call, key, modifiers);
    QTest::mouseClick(c.Buttons()->ButtonOf(row.command), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY2(OutcomeOf(k) == OutcomeOf(c), row.keyText);
  }
  QVERIFY(k.game().Lines(MemoId::Outgoing).size() >= 5);  // the keys did send
  QCOMPARE(k.game().busy, 0);
}

void KeyMapTest::enterTakesTheNextStepFromAFieldOrATextWindow() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QTest::keyClick(FieldOf(w, Field::Section), Qt::Key_Return);
  QVERIFY(!g.Lines(MemoId::Outgoing).empty());
  QCOMPARE(g.Lines(MemoId::Outgoing).back(), std::string("Tovk de Q1AAA SS"));

  // In contact, exchange not sent: Send Msg, from the read-only incoming window
  // and with the keypad's Enter.
  g.StationState = ssCalledMe;
  g.Hiscall = "K1ABC";
  g.PartReceived[Part::Call] = true;
  QTest::keyClick(w.Memo(MemoId::Incoming), Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(g.Lines(MemoId::Outgoing).back(), std::string("K1ABC UR 1 A Q1AAA Check 68 MDC"));
  QVERIFY(g.ExchangeSent);
  QCOMPARE(FieldOf(w, Field::Section)->text(), QString());
  QCOMPARE(g.busy, 0);
}

void KeyMapTest::disabledAndHeldKeysDoNothingMore() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  Perform(g, [&] { EnableOperatingControls(g, false); });
  const int sent = LineCount(g, MemoId::Outgoing);
  QLineEdit* number = FieldOf(w, Field::Number);
  const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {{Qt::Key_F1, Qt::NoModifier},
                                                           {Qt::Key_L, Qt::ControlModifier},
                                                           {Qt::Key_N, Qt::AltModifier}};
  for (const auto& [key, modifier] : keys) QTest::keyClick(number, key, modifier);
  QCOMPARE(LineCount(g, MemoId::Outgoing), sent);
  QVERIFY(w.messages.empty());
  QCOMPARE(g.ErrorCount, 0);
  QCOMPARE(number->text(), QString());
  // Enter's step with the buttons off is QRV: back on the air.
  QTest::keyClick(number, Qt::Key_Return);
  QVERIFY(g.IsEnabled(Button::CallCq));
  w.messages.clear();

  // A key held down acts once: its repeats do nothing.
  Perform(g, [&] { EnableOperatingControls(g, true); });
  QTest::keyClick(number, Qt::Key_F1);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(number, &repeat);
  QCOMPARE(LineCount(g, MemoId::Outgoing), sent + 1);
}

void KeyMapTest::spaceAndTabMoveBetweenFieldsWithoutBlanks() {
  WindowFixture f;
  TestWindow& w = *f.window;
  const auto focusAfter = [&](QWidget* from, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(from, key, modifiers);
    return w.focusWidget();
  };
  QLineEdit* number = FieldOf(w, Field::Number);
  QLineEdit* prec = FieldOf(w, Field::Precedence);
  QLineEdit* call = FieldOf(w, Field::Call);
  QLineEdit* check = FieldOf(w, Field::Check);
  QLineEdit* section = FieldOf(w, Field::Section);
  QVERIFY(focusAfter(number, Qt::Key_Space, Qt::NoModifier) == prec);
  QVERIFY(focusAfter(prec, Qt::Key_Tab, Qt::NoModifier) == call);
  QTest::keyClicks(call, "k1 abc");  // the blank moves on instead of typing
  QCOMPARE(call->text(), QStringLiteral("K1ABC"));
  QVERIFY(focusAfter(check, Qt::Key_Space, Qt::ShiftModifier) == section);
  QVERIFY(focusAfter(section, Qt::Key_Tab, Qt::NoModifier) == number);  // round again
  QVERIFY(focusAfter(number, Qt::Key_Backtab, Qt::ShiftModifier) == section);
  QVERIFY(focusAfter(prec, Qt::Key_Backtab, Qt::ShiftModifier) == number);
  // From outside the fields: forward to the number, back to the section.
  QVERIFY(focusAfter(w.Memo(MemoId::Incoming), Qt::Key_Space, Qt::NoModifier) == number);
  QVERIFY(focusAfter(w.Entries()->BandBox(), Qt::Key_Backtab, Qt::ShiftModifier) == section);
  for (Field field : {Field::Number, Field::Precedence, Field::Check, Field::Section})
    QCOMPARE(FieldOf(w, field)->text(), QString());
}

void KeyMapTest::escStopsAutoCqAndPageKeysStepThroughTheBands() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QLineEdit* call = FieldOf(w, Field::Call);
  QTest::keyClick(call, Qt::Key_F1, Qt::ShiftModifier);
  QVERIFY(g.autoCqTimer);
  QVERIFY(g.AutoCQ);
  const int sent = LineCount(g, MemoId::Outgoing);
  QTest::keyClick(call, Qt::Key_Escape);
  QVERIFY(!g.autoCqTimer);
  QVERIFY(!w.AutoCqTimer().isActive());
  QVERIFY(g.AutoCQ);  // only the timer stops
  QCOMPARE(LineCount(g, MemoId::Outgoing), sent);

  // The band box runs 80, 40, 20, 15, 10; up is toward 10 m.
  QCOMPARE(g.Band.str(), std::string("40"));
  QComboBox* band = w.Entries()->BandBox();
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
  QCOMPARE(NextBand("", true), std::string("80"));
  QCOMPARE(NextBand("", false), std::string("10"));
}

void KeyMapTest::hintsAndKeyListNameTheKeys() {
  WindowFixture f;
  TestWindow& w = *f.window;
  QCOMPARE(w.Buttons()->ButtonOf(Command::CallCq)->toolTip(), QStringLiteral("Call CQ (F1)"));
  QCOMPARE(w.Buttons()->ButtonOf(Command::LogQso)->toolTip(),
           QStringLiteral("Enter the contact into the logbook (Ctrl+L)"));
  QCOMPARE(w.Buttons()->ButtonOf(Command::Qrt)->toolTip(), QStringLiteral("Shut down the program"));

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
  for (const KeyRow& row : KeyRows())
    QVERIFY2(text.contains(QString::fromLatin1(row.keyText)), row.keyText);

  // The key list is a window of its own: its keys do not play the game.
  const int sent = LineCount(w.game(), MemoId::Outgoing);
  QTest::keyClick(list, Qt::Key_F1);
  QCOMPARE(LineCount(w.game(), MemoId::Outgoing), sent);
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::KeyMapTest)
