// Drawing the chart of contacts per contest hour.
#include "ui/rate_chart.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "ui/accessible_roles.h"

namespace tovk::ui {
namespace {

constexpr int kLeft = 36;  // room for the scale's numbers
constexpr int kRight = 10;
constexpr int kTop = 22;     // room for the title
constexpr int kBottom = 34;  // room for the hour labels, two lines
constexpr int kLabelEvery = 6;
const QColor kBarColour(0x2f, 0x5f, 0xb3);
const QColor kGridColour(0xd0, 0xd0, 0xd0);

}  // namespace

int GridStep(int busiest) {
  for (int step = 1;; step *= 10) {
    for (int factor : {1, 2, 5}) {
      const int candidate = step * factor;
      if ((busiest + candidate - 1) / candidate <= 5) return candidate;
    }
  }
}

QString HourLabel(int hour) {
  const int fromDayStart = 21 + hour;
  return QStringLiteral("%1:00\nNov %2")
      .arg(fromDayStart % 24, 2, 10, QLatin1Char('0'))
      .arg(18 + fromDayStart / 24);
}

QString ContactsPerHourText(const RateChart::HourCounts& counts) {
  QStringList days;
  QString day;
  QStringList hours;
  const auto closeDay = [&] {
    if (!hours.isEmpty())
      days.append(day + QStringLiteral(": ") + hours.join(QStringLiteral(", ")));
    hours.clear();
  };
  bool allHours = true;
  for (int hour = 0; hour < kContestHours; ++hour) {
    const QStringList label = HourLabel(hour).split(u'\n');
    if (label[1] != day) {
      closeDay();
      day = label[1];
    }
    if (counts[hour] <= 0) {
      allHours = false;
      continue;
    }
    hours.append(label[0] + u' ' + QString::number(counts[hour]));
  }
  closeDay();
  if (days.isEmpty()) return QStringLiteral("No contacts logged.");
  QString text = days.join(QStringLiteral(". ")) + u'.';
  if (!allHours) text += QStringLiteral(" No contacts in the other hours.");
  return text;
}

RateChart::RateChart(QWidget* parent) : QWidget(parent) {
  InstallAccessibleRoles();
  setObjectName(QStringLiteral("RateChart"));
  setAccessibleName(QStringLiteral("Contacts per contest hour"));
  setAccessibleDescription(ContactsPerHourText(counts_));
}

void RateChart::SetCounts(const HourCounts& counts) {
  counts_ = counts;
  setAccessibleDescription(ContactsPerHourText(counts_));
  update();
}

int RateChart::ScaleTop() const {
  const int busiest = std::max(0, *std::max_element(counts_.begin(), counts_.end()));
  const int step = GridStep(busiest);
  return std::max(5, (busiest + step - 1) / step * step);
}

QSize RateChart::sizeHint() const {
  return {kLeft + kRight + 10 * kContestHours, 210};
}

QSize RateChart::minimumSizeHint() const {
  return {kLeft + kRight + 6 * kContestHours, 140};
}

void RateChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const QColor text = palette().color(QPalette::Text);
  const QRect plot(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
  if (plot.width() <= 0 || plot.height() <= 0) return;

  painter.setPen(text);
  painter.drawText(QRect(0, 2, width(), kTop - 4), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Contacts per contest hour (UTC)"));

  // The scale: a line at every grid step, its number on the left.
  const int top = ScaleTop();
  const int step = GridStep(top);
  auto yOf = [&](int count) { return plot.bottom() - count * plot.height() / top; };
  for (int value = 0; value <= top; value += step) {
    const int y = yOf(value);
    painter.setPen(kGridColour);
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(text);
    painter.drawText(QRect(0, y - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(value));
  }

  // One bar per hour, a pixel of air between bars when there is room.
  const double slot = double(plot.width()) / kContestHours;
  const int gap = slot >= 4 ? 1 : 0;
  for (int hour = 0; hour < kContestHours; ++hour) {
    const int left = plot.left() + int(hour * slot);
    const int right = plot.left() + int((hour + 1) * slot) - gap;
    if (hour % kLabelEvery == 0) {
      painter.setPen(kGridColour);
      painter.drawLine(left, plot.top(), left, plot.bottom() + 3);
      painter.setPen(text);
      painter.drawText(QRect(left - 30, plot.bottom() + 4, 60, kBottom - 4),
                       Qt::AlignHCenter | Qt::AlignTop, HourLabel(hour));
    }
    const int count = std::clamp(counts_[hour], 0, top);
    if (count == 0) continue;
    const int y = yOf(count);
    painter.fillRect(QRect(QPoint(left, y), QPoint(std::max(left, right - 1), plot.bottom())),
                     kBarColour);
  }
  painter.setPen(text);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

}  // namespace tovk::ui
