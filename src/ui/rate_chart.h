// The chart of contacts per contest hour in the results summary: one bar per
// hour of the contest's 54, hour 0 starting on day 18 at 21:00, with the
// day and hour marked every six hours, and the same counts as text for a
// screen reader.
#pragma once

#include <QWidget>
#include <array>

#include "persist/log_lines.h"

namespace tovk::ui {

class RateChart : public QWidget {
  Q_OBJECT

 public:
  using HourCounts = std::array<int, kContestHours>;

  explicit RateChart(QWidget* parent = nullptr);

  void SetCounts(const HourCounts& counts);
  const HourCounts& Counts() const { return counts_; }

  // The top of the scale: the busiest hour rounded up to a step of the
  // grid, at least 5.
  int ScaleTop() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HourCounts counts_{};
};

// The grid step for a scale up to `busiest` contacts: 1, 2, 5, 10, 20, 50...
// so that the scale has at most five lines.
int GridStep(int busiest);

// The label under contest hour `hour`, two lines: "21:00\nNov 18".
QString HourLabel(int hour);

// The chart as text, each day's hours that have contacts with their counts:
// "Nov 18: 21:00 12, 22:00 30. Nov 19: 00:00 4. No contacts in the other
// hours." or "No contacts logged."
QString ContactsPerHourText(const RateChart::HourCounts& counts);

}  // namespace tovk::ui
