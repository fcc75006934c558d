// The status bar at the top of the main window: 19 panels of fixed width,
// labels without a bevel and values in sunken frames, counts right-aligned.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "world/screen.h"

namespace tovk::ui {

class StatusBar : public QWidget {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent = nullptr);

  void SetPanel(int index, const QString& text);
  QString PanelText(int index) const;
  QLabel* Panel(int index) const { return panels_[index]; }

 private:
  std::array<QLabel*, kStatusPanelCount> panels_{};
};

}  // namespace tovk::ui
