// The four button groups at the bottom of the main window: "Radio",
// "Macro keys", "Data functions" and "Misc", every button with its caption,
// hint and picture. A press is reported with the button's identity.
#pragma once

#include <QGroupBox>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "world/screen.h"

namespace tovk::ui {

// The button groups, left to right; their colours come from the settings.
enum class ButtonGroup { Radio, Macro, Data, Misc };
constexpr int kButtonGroupCount = 4;

class ButtonPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ButtonPanel(QWidget* parent = nullptr);

  QToolButton* ButtonOf(Button button) const { return buttons_[static_cast<int>(button)]; }
  QGroupBox* Group(ButtonGroup group) const { return groups_[static_cast<int>(group)]; }

 signals:
  void pressed(tovk::Button button);

 private:
  std::array<QToolButton*, kButtonCount> buttons_{};
  std::array<QGroupBox*, kButtonGroupCount> groups_{};
};

// Gives a group box a background colour of its own.
void PaintGroupBox(QGroupBox* box, const QColor& colour);

}  // namespace tovk::ui
