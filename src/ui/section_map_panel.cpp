// The section map's boxes and cells.
#include "ui/section_map_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "world/sections.h"

namespace tovk::ui {
namespace {

constexpr int kPanelWidth = 174;
constexpr int kMapHeight = 425;
constexpr int kAreaWidth = 170;
constexpr int kCellWidth = 33;
constexpr int kCellHeight = 13;
constexpr std::array<int, 5> kCellColumns{2, 35, 68, 101, 133};
constexpr std::array<int, 2> kCellRows{12, 25};
constexpr int kCaptionTop = 13;  // first area box below the caption "Sections"

QFont SmallFont(const QFont& base) {
  QFont font = base;
  font.setPixelSize(10);
  return font;
}

}  // namespace

CaptionBox::CaptionBox(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), background_(palette().color(QPalette::Button)) {
  setAccessibleName(caption);
}

void CaptionBox::SetBackground(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  update();
}

void CaptionBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.setFont(SmallFont(font()));
  const QFontMetrics metrics(painter.font());
  const int middle = metrics.height() / 2;
  const QRect frame = rect().adjusted(0, middle, -1, -1);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(frame);
  const QRect text(6, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
  painter.fillRect(text, background_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(text, Qt::AlignCenter, caption_);
}

SectionCell::SectionCell(const QString& name, QWidget* parent) : QLabel(name, parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setFont(SmallFont(font()));
  setAccessibleName(name);
  setCursor(Qt::PointingHandCursor);
}

void SectionCell::SetBackground(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  QPalette cellPalette = palette();
  cellPalette.setColor(QPalette::Window, colour);
  cellPalette.setColor(QPalette::WindowText, Qt::black);
  setPalette(cellPalette);
}

void SectionCell::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

SectionMapPanel::SectionMapPanel(const std::array<QString, kSectionCount>& names, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("Panel2"));
  setFixedWidth(kPanelWidth);
  setMinimumHeight(kMapHeight);
  auto* map = new CaptionBox(QStringLiteral("Sections"), this);
  map->setObjectName(QStringLiteral("GroupBox1"));
  map->setGeometry(0, 0, kPanelWidth, kMapHeight);
  int top = kCaptionTop;
  for (int area = 0; area < kAreaCount; ++area) {
    const CallArea& callArea = kCallAreas[area];
    const QString caption = QString::fromLatin1(callArea.caption);
    const int count = callArea.last - callArea.first + 1;
    const int height = count > 5 ? 42 : 29;
    auto* box = new CaptionBox(caption, map);
    box->setObjectName(QStringLiteral("GroupBox") + caption);
    box->setGeometry(2, top, kAreaWidth, height);
    box->setToolTip(area == kAreaCount - 1
                        ? QStringLiteral("Sections in the VE call areas")
                        : QStringLiteral("Sections in the %1 call area").arg(caption));
    box->setAccessibleDescription(box->toolTip());
    for (int section = callArea.first; section <= callArea.last; ++section) {
      const int slot = section - callArea.first;
      auto* cell = new SectionCell(names[section], box);
      cell->setObjectName(QStringLiteral("Label%1").arg(section + 1));
      cell->setGeometry(kCellColumns[slot % 5], kCellRows[slot / 5], kCellWidth, kCellHeight);
      connect(cell, &SectionCell::clicked, this, [this, section] { emit cellClicked(section); });
      cells_[section] = cell;
    }
    areas_[area] = box;
    top += height;
  }
}

void SectionMapPanel::PaintCell(int section, const QColor& colour) {
  if (section < 0 || section >= kSectionCount) return;
  cells_[section]->SetBackground(colour);
}

void SectionMapPanel::PaintArea(int area, const QColor& colour) {
  if (area < 0 || area >= kAreaCount) return;
  areas_[area]->SetBackground(colour);
}

}  // namespace tovk::ui
