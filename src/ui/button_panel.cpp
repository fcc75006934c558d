// The button groups and their buttons.
#include "ui/button_panel.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionGroupBox>

// The button pictures live in the window library's resources, which a
// program linking the library statically must register.
static void RegisterButtonPictures() {
  Q_INIT_RESOURCE(icons);
}

namespace tovk::ui {
namespace {

struct ButtonLayout {
  Button button;
  ButtonGroup group;
  int column;
  int row;
  const char* caption;
  const char* hint;
  const char* picture;
};

constexpr std::array<ButtonLayout, kButtonCount> kButtons{{
    {Button::ToolButtonCallCQ, ButtonGroup::Radio, 0, 0, "Call CQ", "Call CQ", "callcq"},
    {Button::ToolButtontune, ButtonGroup::Radio, 0, 1, "Tune band", "Tune around the band", "tune"},
    {Button::ToolButtonautocq, ButtonGroup::Radio, 0, 2, "Auto CQ",
     "Turn on the automatic CQ caller", "autocq"},
    {Button::ToolbuttonCallhim, ButtonGroup::Macro, 0, 0, "QRZ", "Call the station heard",
     "callhim"},
    {Button::ToolButtonsendnumber, ButtonGroup::Macro, 0, 1, "Send Nr",
     "Transmit the contact number", "sendnumber"},
    {Button::ToolButtonsendprec, ButtonGroup::Macro, 0, 2, "Send Prec", "Transmit the Precedence",
     "sendprec"},
    {Button::ToolButtonSend, ButtonGroup::Macro, 1, 0, "Send Msg",
     "Transmit the entire contest exchange message", "send"},
    {Button::ToolButtonsendcheck, ButtonGroup::Macro, 1, 1, "Send Chck", "Transmit the Check",
     "sendcheck"},
    {Button::ToolButtonsendsection, ButtonGroup::Macro, 1, 2, "Send Sct", "Transmit the Section",
     "sendsection"},
    {Button::ToolButtonQSL, ButtonGroup::Macro, 2, 0, "Send QSL",
     "QSL receipt of the incoming message", "qsl"},
    {Button::ToolButtonRepeat, ButtonGroup::Macro, 2, 1, "Repeat",
     "Ask for a  repeat of the contest exchange", "repeat"},
    {Button::ToolButtonDuplicate, ButtonGroup::Macro, 2, 2, "Send Dup",
     "Tell the other station that you have worked before", "duplicate"},
    {Button::ToolButtonlog, ButtonGroup::Data, 0, 0, "Log QSO",
     "Enter the contact into the logbook", "log"},
    {Button::ToolButtonchecklog, ButtonGroup::Data, 0, 1, "Check log",
     "Check the log to see if the call or section has been worked", "checklog"},
    {Button::ToolButtonclearqso, ButtonGroup::Data, 0, 2, "Clr Xchg",
     "Clear the data out of the QSO Exchange panel", "clearqso"},
    {Button::ToolButtonQRT, ButtonGroup::Misc, 0, 0, "QRT", "Shut down the program", "qrt"},
    {Button::ToolButtonTimeout, ButtonGroup::Misc, 0, 1, "Timeout", "Take a timeout", "timeout"},
    {Button::SpeedButtonStartgame, ButtonGroup::Misc, 0, 2, "QRV", "Start the program", "qrv"},
    {Button::ToolButtonnew, ButtonGroup::Misc, 1, 0, "New", "Start a new game", "new"},
    {Button::ToolButtonsave, ButtonGroup::Misc, 1, 1, "Save", "Save the state of the game", "save"},
    {Button::ToolButtonrestore, ButtonGroup::Misc, 1, 2, "Restore", "Restore a saved game",
     "restore"},
}};

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

const char* ObjectName(Button button) {
  switch (button) {
    case Button::ToolButtonCallCQ:
      return "ToolButtonCallCQ";
    case Button::ToolButtontune:
      return "ToolButtontune";
    case Button::ToolButtonautocq:
      return "ToolButtonautocq";
    case Button::ToolbuttonCallhim:
      return "ToolbuttonCallhim";
    case Button::ToolButtonsendnumber:
      return "ToolButtonsendnumber";
    case Button::ToolButtonsendprec:
      return "ToolButtonsendprec";
    case Button::ToolButtonSend:
      return "ToolButtonSend";
    case Button::ToolButtonsendcheck:
      return "ToolButtonsendcheck";
    case Button::ToolButtonsendsection:
      return "ToolButtonsendsection";
    case Button::ToolButtonQSL:
      return "ToolButtonQSL";
    case Button::ToolButtonRepeat:
      return "ToolButtonRepeat";
    case Button::ToolButtonDuplicate:
      return "ToolButtonDuplicate";
    case Button::ToolButtonlog:
      return "ToolButtonlog";
    case Button::ToolButtonchecklog:
      return "ToolButtonchecklog";
    case Button::ToolButtonclearqso:
      return "ToolButtonclearqso";
    case Button::ToolButtonQRT:
      return "ToolButtonQRT";
    case Button::ToolButtonTimeout:
      return "ToolButtonTimeout";
    case Button::SpeedButtonStartgame:
      return "SpeedButtonStartgame";
    case Button::ToolButtonnew:
      return "ToolButtonnew";
    case Button::ToolButtonsave:
      return "ToolButtonsave";
    case Button::ToolButtonrestore:
      return "ToolButtonrestore";
  }
  return "";
}

constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 24;
constexpr int kPictureSize = 16;

// A button's picture drawn once at the size shown (and the screens' pixel
// ratio): an icon over the drawing itself would draw it again at every paint.
// The greyed picture of a disabled button is made from it when first needed.
QIcon ButtonPicture(const char* picture) {
  const QString file = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(picture));
  const qreal ratio = qGuiApp->devicePixelRatio();
  QImageReader reader(file, "svg");
  reader.setScaledSize(QSize(kPictureSize, kPictureSize) * ratio);
  QImage image = reader.read();
  if (image.isNull()) return QIcon(file);  // no reader for the drawings: the icon draws them
  image.setDevicePixelRatio(ratio);
  return QIcon(QPixmap::fromImage(std::move(image)));
}

// A button group's box. Qt measures its caption (shaping the text anew) at
// every layout pass and draws its frame at every paint, which the tool
// buttons over it cause often: the box keeps the caption's width, and its
// drawn frame and caption for as long as its look stays the same.
class ButtonGroupBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  QSize minimumSizeHint() const override {
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

  mutable QString measuredTitle_;
  mutable QFont measuredFont_;
  mutable int titleWidth_ = 0;
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
  RegisterButtonPictures();
  setObjectName(QStringLiteral("Panel3"));
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

  for (const ButtonLayout& layout : kButtons) {
    QGroupBox* box = groups_[static_cast<int>(layout.group)];
    auto* button = new QToolButton(box);
    button->setObjectName(QString::fromLatin1(ObjectName(layout.button)));
    button->setText(QString::fromLatin1(layout.caption));
    button->setToolTip(QString::fromLatin1(layout.hint));
    button->setAccessibleName(button->text());
    button->setAccessibleDescription(button->toolTip());
    button->setIcon(ButtonPicture(layout.picture));
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::TabFocus);
    const Button id = layout.button;
    connect(button, &QToolButton::clicked, this, [this, id] { emit pressed(id); });
    grids[static_cast<int>(layout.group)]->addWidget(button, layout.row, layout.column);
    buttons_[static_cast<int>(id)] = button;
  }
}

}  // namespace tovk::ui
