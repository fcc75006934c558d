// The button groups and their buttons.
#include "ui/button_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "ui/button_pictures.h"
#include "ui/measured_group_box.h"

namespace tovk::ui {
namespace {

struct GroupLayout {
  const char* name;
  const char* caption;
  int width;
};

constexpr std::array<GroupLayout, kButtonGroupCount> kGroups{{
    {"GroupBoxradio", "Radio", 89},
    {"GroupBoxmacro", "Macro keys", 257},
    {"GroupBoxdata", "Data functions", 89},
    {"GroupBoxmisc", "Misc", 174},
}};

constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 24;

// A button group's box. Besides its caption's width it keeps its drawn frame
// and caption for as long as its look stays the same: Qt draws the frame at
// every paint, which the tool buttons over it cause often.
class ButtonGroupBox : public MeasuredGroupBox {
 public:
  using MeasuredGroupBox::MeasuredGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const Look look{size(),  devicePixelRatioF(), option.state, palette().cacheKey(), font(),
                    title(), autoFillBackground()};
    if (!(look == drawnLook_)) {
      QPixmap picture(size() * look.ratio);
      picture.setDevicePixelRatio(look.ratio);
      // Over its own background the box is opaque, and its caption's
      // smoothing the same as drawn on the window.
      picture.fill(look.filled ? palette().color(backgroundRole()) : QColor(Qt::transparent));
      QPainter painter(&picture);
      painter.setFont(font());
      painter.setPen(palette().color(QPalette::WindowText));
      style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
      picture_ = picture;
      drawnLook_ = look;
    }
    QPainter(this).drawPixmap(0, 0, picture_);
  }

 private:
  struct Look {
    QSize size;
    qreal ratio = 0;
    QStyle::State state;
    qint64 palette = 0;
    QFont font;
    QString title;
    bool filled = false;
    bool operator==(const Look&) const = default;
  };

  Look drawnLook_;
  QPixmap picture_;
};

}  // namespace

void PaintGroupBox(QGroupBox* box, const QColor& colour) {
  QPalette boxPalette = box->palette();
  boxPalette.setColor(QPalette::Window, colour);
  boxPalette.setColor(QPalette::Button, colour);
  box->setPalette(boxPalette);
  box->setAutoFillBackground(true);
}

ButtonPanel::ButtonPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Buttons"));
  setFixedHeight(96);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  std::array<QGridLayout*, kButtonGroupCount> grids{};
  for (int i = 0; i < kButtonGroupCount; ++i) {
    auto* box = new ButtonGroupBox(QString::fromLatin1(kGroups[i].caption), this);
    box->setObjectName(QString::fromLatin1(kGroups[i].name));
    box->setFixedWidth(kGroups[i].width);
    box->setAccessibleName(box->title());
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(3, 2, 3, 3);
    grid->setSpacing(0);
    grids[i] = grid;
    groups_[i] = box;
    row->addWidget(box);
  }
  groups_[static_cast<int>(ButtonGroup::Radio)]->setWhatsThis(QStringLiteral("Radio panel"));
  row->addStretch(1);

  for (const CommandRow& row : CommandRows()) {
    if (!row.group) continue;
    QGroupBox* box = groups_[static_cast<int>(*row.group)];
    auto* button = new QToolButton(box);
    button->setObjectName(QString::fromLatin1(row.name));
    button->setText(QString::fromLatin1(row.caption));
    const QString hint = QString::fromStdString(HintWithKey(row));
    button->setToolTip(hint);
    button->setAccessibleName(button->text());
    button->setAccessibleDescription(hint);
    button->setIcon(ButtonPicture(row.picture));
    button->setIconSize(QSize(kButtonPictureSize, kButtonPictureSize));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::TabFocus);
    const Command command = row.command;
    connect(button, &QToolButton::clicked, this, [this, command] { emit pressed(command); });
    grids[static_cast<int>(*row.group)]->addWidget(button, row.row, row.column);
    buttons_[static_cast<int>(command)] = button;
  }
}

}  // namespace tovk::ui
