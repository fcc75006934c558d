// The key table, the key map that runs it, the keys in the hints and the key list.
#include "ui/key_map.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "engine/actions.h"
#include "engine/next_step.h"
#include "ui/button_panel.h"
#include "ui/entry_panel.h"
#include "ui/main_window.h"

namespace tovk::ui {
namespace {

constexpr std::array<KeyBinding, 22> kBindings{{
    {Qt::Key_Return, Qt::NoModifier, KeyAction::NextStep, Button::ToolButtonCallCQ, "Enter",
     "the next step of the contact"},
    {Qt::Key_F1, Qt::NoModifier, KeyAction::Press, Button::ToolButtonCallCQ, "F1", "Call CQ"},
    {Qt::Key_F1, Qt::ShiftModifier, KeyAction::Press, Button::ToolButtonautocq, "Shift+F1",
     "Auto CQ"},
    {Qt::Key_Escape, Qt::NoModifier, KeyAction::StopAutoCq, Button::ToolButtonautocq, "Esc",
     "stops a running Auto CQ"},
    {Qt::Key_F2, Qt::NoModifier, KeyAction::Press, Button::ToolButtonSend, "F2", "Send Msg"},
    {Qt::Key_F3, Qt::NoModifier, KeyAction::Press, Button::ToolButtonQSL, "F3", "Send QSL"},
    {Qt::Key_F4, Qt::NoModifier, KeyAction::Press, Button::ToolbuttonCallhim, "F4",
     "the call button (QRZ / Call Stn / QRZ + section)"},
    {Qt::Key_F6, Qt::NoModifier, KeyAction::Press, Button::ToolButtonDuplicate, "F6", "Send Dup"},
    {Qt::Key_F7, Qt::NoModifier, KeyAction::Press, Button::ToolButtonRepeat, "F7", "Repeat"},
    {Qt::Key_F8, Qt::NoModifier, KeyAction::Press, Button::ToolButtonchecklog, "F8", "Check log"},
    {Qt::Key_F9, Qt::NoModifier, KeyAction::Press, Button::ToolButtontune, "F9", "Tune band"},
    {Qt::Key_F11, Qt::NoModifier, KeyAction::Press, Button::ToolButtonclearqso, "F11", "Clr Xchg"},
    {Qt::Key_N, Qt::AltModifier, KeyAction::Press, Button::ToolButtonsendnumber, "Alt+N",
     "Send Nr (your number alone)"},
    {Qt::Key_P, Qt::AltModifier, KeyAction::Press, Button::ToolButtonsendprec, "Alt+P",
     "Send Prec (your precedence alone)"},
    {Qt::Key_C, Qt::AltModifier, KeyAction::Press, Button::ToolButtonsendcheck, "Alt+C",
     "Send Chck (your check alone)"},
    {Qt::Key_S, Qt::AltModifier, KeyAction::Press, Button::ToolButtonsendsection, "Alt+S",
     "Send Sct (your section alone)"},
    {Qt::Key_L, Qt::ControlModifier, KeyAction::Press, Button::ToolButtonlog, "Ctrl+L", "Log QSO"},
    {Qt::Key_PageUp, Qt::NoModifier, KeyAction::BandUp, Button::ToolButtonCallCQ, "PgUp",
     "next band up (80, 40, 20, 15, 10)"},
    {Qt::Key_PageDown, Qt::NoModifier, KeyAction::BandDown, Button::ToolButtonCallCQ, "PgDn",
     "next band down (10, 15, 20, 40, 80)"},
    {Qt::Key_Space, Qt::NoModifier, KeyAction::NextField, Button::ToolButtonCallCQ, "Space",
     "next entry field (Number, Prec, Callsign, Check, Section)"},
    {Qt::Key_Tab, Qt::NoModifier, KeyAction::NextField, Button::ToolButtonCallCQ, "Tab",
     "next entry field"},
    {Qt::Key_Backtab, Qt::NoModifier, KeyAction::PreviousField, Button::ToolButtonCallCQ,
     "Shift+Tab", "previous entry field"},
}};

constexpr std::array<const char*, 5> kBands{"80", "40", "20", "15", "10"};

bool MovesBetweenFields(KeyAction action) {
  return action == KeyAction::NextField || action == KeyAction::PreviousField;
}

QString KeyListHtml() {
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
  for (const KeyBinding& binding : kBindings) {
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(QString::fromLatin1(binding.keyText), QString::fromLatin1(binding.does));
  }
  html += QStringLiteral(
      "</table><p><b>Enter</b> does whatever comes next in the contact:<br>"
      "nothing in hand: Call CQ;<br>"
      "a station heard, not in contact with you: call it;<br>"
      "in contact, your exchange not yet sent: Send Msg;<br>"
      "exchange sent, parts still missing: Repeat;<br>"
      "everything received: Send QSL, then Log QSO.</p>"
      "<p>A key whose button is disabled does nothing.</p>");
  return html;
}

}  // namespace

std::span<const KeyBinding> KeyBindings() {
  return kBindings;
}

const KeyBinding* FindBinding(int key, Qt::KeyboardModifiers modifiers) {
  modifiers.setFlag(Qt::KeypadModifier, false);
  if (key == Qt::Key_Enter) key = Qt::Key_Return;
  if (key == Qt::Key_Backtab || key == Qt::Key_Space) modifiers.setFlag(Qt::ShiftModifier, false);
  for (const KeyBinding& binding : kBindings) {
    if (binding.key == key && modifiers == Qt::KeyboardModifiers(binding.modifier)) return &binding;
  }
  return nullptr;
}

QString KeyTextOf(Button button) {
  for (const KeyBinding& binding : kBindings) {
    if (binding.action == KeyAction::Press && binding.button == button)
      return QString::fromLatin1(binding.keyText);
  }
  return {};
}

std::string NextBand(const std::string& band, bool up) {
  const int count = static_cast<int>(kBands.size());
  int index = -1;
  for (int i = 0; i < count; ++i) {
    if (band == kBands[i]) index = i;
  }
  if (index < 0) return up ? kBands.front() : kBands.back();
  const int next = up ? index + 1 : index - 1;
  if (next < 0 || next >= count) return {};
  return kBands[next];
}

KeyMap::KeyMap(TFormMain& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("KeyMap"));
  qApp->installEventFilter(this);
}

bool KeyMap::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &window_) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != &window_) return false;
  const auto* press = static_cast<QKeyEvent*>(event);
  const KeyBinding* binding = FindBinding(press->key(), press->modifiers());
  if (!binding) return false;
  // A key held down acts once; only moving between fields repeats.
  if (press->isAutoRepeat() && !MovesBetweenFields(binding->action)) return true;
  Run(*binding, widget);
  return true;
}

void KeyMap::Run(const KeyBinding& binding, QWidget* focus) {
  Game& g = window_.game();
  switch (binding.action) {
    case KeyAction::Press:
      if (!g.IsEnabled(binding.button)) return;
      return window_.ButtonPressed(binding.button);
    case KeyAction::NextStep:
      return window_.Act([&] { RunNextStep(g); });
    case KeyAction::StopAutoCq:
      if (!g.Timer1) return;
      return window_.Act([&] { g.SetTimer1(false); });
    case KeyAction::BandUp:
    case KeyAction::BandDown: {
      const std::string band = NextBand(g.bandBox, binding.action == KeyAction::BandUp);
      if (band.empty()) return;
      // The box shows the new band first, as when it is chosen with the mouse.
      return window_.Act([&] {
        g.SetBandBox(band);
        SelectBand(g, band);
      });
    }
    case KeyAction::NextField:
      return MoveToField(focus, 1);
    case KeyAction::PreviousField:
      return MoveToField(focus, -1);
  }
}

void KeyMap::MoveToField(QWidget* focus, int step) {
  const EntryPanel* entries = window_.Panel4();
  int current = -1;
  for (int i = 0; i < kFieldCount; ++i) {
    if (entries->FieldEdit(static_cast<Field>(i)) == focus) current = i;
  }
  // From outside the fields, forward starts at the number, back at the section.
  int next = step > 0 ? 0 : kFieldCount - 1;
  if (current >= 0) next = (current + step + kFieldCount) % kFieldCount;
  entries->FieldEdit(static_cast<Field>(next))->setFocus(Qt::TabFocusReason);
}

void ShowKeysInHints(ButtonPanel& panel) {
  for (const KeyBinding& binding : kBindings) {
    if (binding.action != KeyAction::Press) continue;
    QToolButton* button = panel.ButtonOf(binding.button);
    const QString hint =
        button->toolTip() + QStringLiteral(" (%1)").arg(QString::fromLatin1(binding.keyText));
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
  }
}

QDialog* ShowKeyList(QWidget* parent) {
  auto* dialog = parent->findChild<QDialog*>(QStringLiteral("KeyList"));
  if (!dialog) {
    dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("KeyList"));
    dialog->setWindowTitle(QStringLiteral("Keys"));
    auto* column = new QVBoxLayout(dialog);
    auto* list = new QLabel(KeyListHtml(), dialog);
    list->setObjectName(QStringLiteral("KeyListText"));
    list->setTextFormat(Qt::RichText);
    column->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::hide);
    column->addWidget(buttons);
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return dialog;
}

}  // namespace tovk::ui
