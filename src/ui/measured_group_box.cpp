// The group box's size from its caption's kept width, as Qt's group box
// works it out from the caption.
#include "ui/measured_group_box.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

namespace tovk::ui {

QSize MeasuredGroupBox::minimumSizeHint() const {
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  const QFontMetrics metrics = fontMetrics();
  if (title() != measuredTitle_ || font() != measuredFont_) {
    measuredTitle_ = title();
    measuredFont_ = font();
    titleWidth_ = metrics.horizontalAdvance(title()) + metrics.horizontalAdvance(u' ');
  }
  return style()
      ->sizeFromContents(QStyle::CT_GroupBox, &option, QSize(titleWidth_, metrics.height()), this)
      .expandedTo(QWidget::minimumSizeHint());
}

}  // namespace tovk::ui
