// The section map's boxes and cells.
#include "ui/section_map_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/accessible_roles.h"
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

// The map's captions and cells are small: the family follows the window.
QFont SmallFont() {
  QFont font;
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
  const QFontMetrics metrics = fontMetrics();
  const int middle = metrics.height() / 2;
  // The frame's four edges, along the box's sides, as fills: the same
  // pixels as an outlined rectangle, drawn at a fraction of the cost.
  const QRect frame = rect().adjusted(0, middle, 0, 0);
  const QColor edge = palette().color(QPalette::Dark);
  painter.fillRect(frame.left(), frame.top(), frame.width(), 1, edge);
  painter.fillRect(frame.left(), frame.bottom(), frame.width(), 1, edge);
  painter.fillRect(frame.left(), frame.top(), 1, frame.height(), edge);
  painter.fillRect(frame.right(), frame.top(), 1, frame.height(), edge);
  const QRect text(6, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
  painter.fillRect(text, background_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(text, Qt::AlignCenter, caption_);
}

SectionCell::SectionCell(const QString& name, QWidget* parent) : QWidget(parent), name_(name) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(name);
  setCursor(Qt::PointingHandCursor);
}

void SectionCell::SetBackground(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  update();
}

void SectionCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A painted cell has black text; before its first colour it has the window's.
  if (background_.isValid()) {
    painter.fillRect(rect(), background_);
    painter.setPen(Qt::black);
  } else {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
  }
  painter.drawText(rect(), Qt::AlignCenter, name_);
}

void SectionCell::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    emit clicked();
    return;
  }
  QWidget::mousePressEvent(event);
}

SectionMapPanel::SectionMapPanel(const std::array<QString, kSectionCount>& names, QWidget* parent)
    : QWidget(parent) {
  InstallAccessibleRoles();
  setObjectName(QStringLiteral("SectionMap"));
  setFixedWidth(kPanelWidth);
  setMinimumHeight(kMapHeight);
  auto* map = new CaptionBox(QStringLiteral("Sections"), this);
  map->setObjectName(QStringLiteral("Sections"));
  // Set once here, the small font reaches every box and cell as it is made.
  map->setFont(SmallFont());
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

void SectionMapPanel::PaintCell(int section, const QColor& colour, const QString& spokenName) {
  if (section < 0 || section >= kSectionCount) return;
  cells_[section]->SetBackground(colour);
  // Set only on a change: each change is announced to a screen reader.
  if (cells_[section]->accessibleName() != spokenName)
    cells_[section]->setAccessibleName(spokenName);
}

void SectionMapPanel::PaintArea(int area, const QColor& colour, const QString& spokenName) {
  if (area < 0 || area >= kAreaCount) return;
  areas_[area]->SetBackground(colour);
  if (areas_[area]->accessibleName() != spokenName) areas_[area]->setAccessibleName(spokenName);
}

}  // namespace tovk::ui
