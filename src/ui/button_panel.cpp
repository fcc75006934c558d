// The button groups and their buttons.
#include "ui/button_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>

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
    auto* box = new QGroupBox(QString::fromLatin1(kGroups[i].caption), this);
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
    button->setIcon(
        QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(layout.picture))));
    button->setIconSize(QSize(16, 16));
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
