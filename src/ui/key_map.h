// The main window's keys: Qt's key presses read as the game's keys, which
// the command table binds to their commands, and the key list of the Help
// menu made from the same table.
#pragma once

#include <QDialog>
#include <QObject>
#include <optional>

#include "app/commands.h"

namespace tovk::ui {

class MainWindow;

// The game's key for a Qt key press, or none. The keypad's Enter counts as
// Enter, Shift+Space as Space, and Shift+Tab arrives as Backtab.
std::optional<KeyChord> ChordOf(int key, Qt::KeyboardModifiers modifiers);

// Watches every key press that reaches the main window or any control in it
// (also an entry field or a text window) and gives the game's keys to the
// session. Installed on the application, so keys work wherever the focus is;
// other windows and open boxes keep their keys.
class KeyMap : public QObject {
  Q_OBJECT

 public:
  explicit KeyMap(MainWindow& window);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

// The key list of the Help menu: a small window beside the game, made on
// the first request and shown again after.
QDialog* ShowKeyListDialog(QWidget* parent);

}  // namespace tovk::ui
