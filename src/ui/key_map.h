// The main window's keys, as contest operators play: function keys for the
// buttons, Enter for the next step of the contact, Esc to stop Auto CQ,
// PgUp / PgDn for the band, Space and Tab between the exchange fields. One
// table says which key does what; the key map, the buttons' hints and the
// key list all read it.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <span>
#include <string>

#include "world/screen.h"

namespace tovk::ui {

class ButtonPanel;
class TFormMain;

enum class KeyAction {
  Press,          // presses `button`
  NextStep,       // the next step of the contact
  StopAutoCq,     // stops the Auto CQ timer, nothing else
  BandUp,         // the next band up in the band box (toward 10 m)
  BandDown,       // the next band down (toward 80 m)
  NextField,      // number, precedence, callsign, check, section, round again
  PreviousField,  // the other way round
};

struct KeyBinding {
  Qt::Key key;
  Qt::KeyboardModifier modifier;
  KeyAction action;
  Button button;        // for Press
  const char* keyText;  // as the hints and the key list name the key: "Shift+F1"
  const char* does;     // what the key list says it does
};

// Every key of the window, in the order the key list shows them.
std::span<const KeyBinding> KeyBindings();

// The binding a key press matches, or nothing. The keypad's Enter counts as
// Enter, Shift+Space as Space, and Shift+Tab arrives as Backtab.
const KeyBinding* FindBinding(int key, Qt::KeyboardModifiers modifiers);

// The key that presses `button` ("F1"), or an empty text.
QString KeyTextOf(Button button);

// The band PgUp (`up`) or PgDn chooses after `band` in the band box order
// 80, 40, 20, 15, 10; up is toward 10 m. Empty at either end. With no band
// chosen, up starts at 80 and down at 10.
std::string NextBand(const std::string& band, bool up);

// Watches every key press that reaches the main window or any control in it
// (also an entry field or a text window) and runs the key's action through
// the path its button takes. Installed on the application, so keys work
// wherever the focus is; other windows and open boxes keep their keys.
class KeyMap : public QObject {
  Q_OBJECT

 public:
  explicit KeyMap(TFormMain& window);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(const KeyBinding& binding, QWidget* focus);
  void MoveToField(QWidget* focus, int step);

  TFormMain& window_;
};

// Adds each button's key to its hint: "Call CQ (F1)".
void ShowKeysInHints(ButtonPanel& panel);

// The key list of the Help menu: a small window beside the game, made on
// the first request and shown again after.
QDialog* ShowKeyList(QWidget* parent);

}  // namespace tovk::ui
