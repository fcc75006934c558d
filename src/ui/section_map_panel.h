// The section map at the side of the main window: the box "Sections" with
// one framed box per call area and one coloured cell per section, five to a
// row. It shows the colours the game paints; a click on a cell is reported.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

#include "world/game_state.h"

namespace tovk::ui {

// A framed box with a small caption in its top edge and a background colour;
// its children are placed at fixed positions inside it.
class CaptionBox : public QWidget {
  Q_OBJECT

 public:
  CaptionBox(const QString& caption, QWidget* parent);
  void SetBackground(const QColor& colour);
  QColor Background() const { return background_; }
  QString Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor background_;
};

// One section's cell: its name centred on its colour, painted by itself
// (a plain widget paints far faster than a label).
class SectionCell : public QWidget {
  Q_OBJECT

 public:
  SectionCell(const QString& name, QWidget* parent);
  void SetBackground(const QColor& colour);
  QColor Background() const { return background_; }
  QString text() const { return name_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString name_;
  QColor background_;  // invalid until painted: the window's colour
};

class SectionMapPanel : public QWidget {
  Q_OBJECT

 public:
  // `names`: the section names by index, as the cells show them.
  SectionMapPanel(const std::array<QString, kSectionCount>& names, QWidget* parent = nullptr);

  // Paints a cell or an area box; `spokenName` is what a screen reader reads
  // for it ("CT worked", "W1, 3 of 7 worked").
  void PaintCell(int section, const QColor& colour, const QString& spokenName);
  void PaintArea(int area, const QColor& colour, const QString& spokenName);
  SectionCell* Cell(int section) const { return cells_[section]; }
  CaptionBox* Area(int area) const { return areas_[area]; }

 signals:
  // A click on any cell (`SectionMapClicked`).
  void cellClicked(int section);

 private:
  std::array<SectionCell*, kSectionCount> cells_{};
  std::array<CaptionBox*, kAreaCount> areas_{};
};

}  // namespace tovk::ui
