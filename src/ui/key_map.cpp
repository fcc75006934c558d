// Reading Qt's key presses as the game's keys, and the key list.
#include "ui/key_map.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace tovk::ui {
namespace {

std::optional<Key> KeyOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Tab:
      return Key::Tab;
    case Qt::Key_Backtab:
      return Key::Backtab;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    default:
      break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return static_cast<Key>(static_cast<int>(Key::F1) + (key - Qt::Key_F1));
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return Key::Letter;
  return std::nullopt;
}

// Moving between the fields is the one action a key held down repeats.
bool Repeats(const KeyRow& row) {
  return row.command == Command::NextField || row.command == Command::PreviousField;
}

QString KeyListHtml() {
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
  for (const KeyRow& row : KeyRows()) {
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(QString::fromLatin1(row.keyText), QString::fromLatin1(row.does));
  }
  html += QStringLiteral("</table>");
  const auto lines = NextStepExplanation();
  // Enter's steps as one paragraph, the last line as a paragraph of its own.
  html += QStringLiteral("<p><b>Enter</b>");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    QString line = QString::fromLatin1(lines[i]);
    if (i == 0) line.remove(0, QStringLiteral("Enter").size());
    html += line + (i + 2 < lines.size() ? QStringLiteral("<br>") : QString());
  }
  html += QStringLiteral("</p><p>") + QString::fromLatin1(lines.back()) + QStringLiteral("</p>");
  return html;
}

}  // namespace

std::optional<KeyChord> ChordOf(int key, Qt::KeyboardModifiers modifiers) {
  const std::optional<Key> named = KeyOf(key);
  if (!named) return std::nullopt;
  KeyChord chord{*named};
  if (chord.key == Key::Letter) chord.letter = static_cast<char>('A' + (key - Qt::Key_A));
  // Shift+Tab is Backtab already; Shift+Space is a Space.
  const bool shiftCounts = chord.key != Key::Backtab && chord.key != Key::Space;
  chord.shift = shiftCounts && modifiers.testFlag(Qt::ShiftModifier);
  chord.control = modifiers.testFlag(Qt::ControlModifier);
  chord.alt = modifiers.testFlag(Qt::AltModifier);
  return chord;
}

KeyMap::KeyMap(MainWindow& window) : QObject(&window), window_(window) {
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
  const std::optional<KeyChord> chord = ChordOf(press->key(), press->modifiers());
  const KeyRow* row = chord ? FindKey(*chord) : nullptr;
  if (row == nullptr) return false;
  // A key held down acts once; only moving between fields repeats.
  if (press->isAutoRepeat() && !Repeats(*row)) return true;
  window_.PressKey(*chord, widget);
  return true;
}

QDialog* ShowKeyListDialog(QWidget* parent) {
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
