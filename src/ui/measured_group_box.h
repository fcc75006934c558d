// A group box that measures its caption once. Qt's group box measures its
// caption (shaping the text anew) at every layout pass, dozens of times
// before the window's first frame; this one keeps the caption's width for as
// long as the caption and the font stay the same.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QString>

namespace tovk::ui {

class MeasuredGroupBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  QSize minimumSizeHint() const override;

 private:
  mutable QString measuredTitle_;
  mutable QFont measuredFont_;
  mutable int titleWidth_ = 0;
};

}  // namespace tovk::ui
