// The four button groups at the bottom of the main window: "Radio",
// "Macro keys", "Data functions" and "Misc", every button with its caption,
// hint, key and picture from the command table. A press is reported with the
// button's command.
#pragma once

#include <QGroupBox>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "app/commands.h"

namespace tovk::ui {

class ButtonPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ButtonPanel(QWidget* parent = nullptr);

  QToolButton* ButtonOf(Command command) const {
    return buttons_[static_cast<int>(tovk::ButtonOf(command).value_or(Button::CallCq))];
  }
  QGroupBox* Group(ButtonGroup group) const { return groups_[static_cast<int>(group)]; }

 signals:
  void pressed(tovk::Command command);

 private:
  std::array<QToolButton*, kButtonCount> buttons_{};
  std::array<QGroupBox*, kButtonGroupCount> groups_{};
};

// Gives a group box a background colour of its own.
void PaintGroupBox(QGroupBox* box, const QColor& colour);

}  // namespace tovk::ui
