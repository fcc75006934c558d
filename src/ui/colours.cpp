// Conversions between the game's colours and fonts and Qt's.
#include "ui/colours.h"

#include <QApplication>
#include <QPalette>
#include <cmath>
#include <cstdint>

namespace tovk::ui {
namespace {

// The desktop colours a system colour index stands for. Those with a palette
// role follow the running desktop; the rest keep the classic values.
QColor SystemQColor(int index) {
  const QPalette palette = QApplication::palette();
  switch (index) {
    case 0:  // scroll bar
      return palette.color(QPalette::Button);
    case 1:  // desktop
      return QColor(0, 128, 128);
    case 2:   // active caption
    case 13:  // highlight
      return palette.color(QPalette::Highlight);
    case 5:  // window background
      return palette.color(QPalette::Base);
    case 6:  // window frame
      return palette.color(QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
      return palette.color(QPalette::Text);
    case 9:   // caption text
    case 14:  // highlighted text
      return palette.color(QPalette::HighlightedText);
    case 10:  // active border
      return QColor(180, 180, 180);
    case 11:  // inactive border
      return QColor(244, 247, 252);
    case 15:  // button face
      return palette.color(QPalette::Button);
    case 16:  // button shadow
      return palette.color(QPalette::Dark);
    case 17:  // grey text
      return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:  // button text
      return palette.color(QPalette::ButtonText);
    case 20:  // button highlight
      return palette.color(QPalette::Light);
    case 23:  // tooltip text
      return palette.color(QPalette::ToolTipText);
    case 24:  // tooltip background
      return palette.color(QPalette::ToolTipBase);
    default:
      return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(Colour colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  if ((value & 0xFF000000u) == 0xFF000000u) return SystemQColor(static_cast<int>(value & 0xFFu));
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

Colour FromQColor(const QColor& colour) {
  return RgbColour(colour.red(), colour.green(), colour.blue());
}

QFont ToQFont(const FontLook& look) {
  QFont font(QString::fromStdString(look.name));
  font.setStyleHint(QFont::TypeWriter);
  // A positive height counts the internal leading as well; about a fifth.
  const int pixels = look.height < 0 ? -look.height : std::max(1, look.height * 4 / 5);
  font.setPixelSize(std::max(1, pixels));
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  font.setStrikeOut(look.strikeOut);
  return font;
}

FontLook ToFontLook(const QFont& font, Colour colour) {
  FontLook look;
  look.name = font.family().toStdString();
  look.colour = colour;
  int pixels = font.pixelSize();
  if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
  look.height = -pixels;
  look.bold = font.bold();
  look.italic = font.italic();
  look.underline = font.underline();
  look.strikeOut = font.strikeOut();
  return look;
}

}  // namespace tovk::ui
