// The colour text of the section-map colours: the platform's colour
// identifiers, or "$" and eight hexadecimal digits.
#include <array>
#include <cstdint>
#include <cstdio>

#include "persist/file_text.h"
#include "persist/settings_file.h"
#include "world/text.h"

namespace tovk {
namespace {

struct NamedColour {
  const char* name;
  Colour colour;
};

constexpr std::array<NamedColour, 45> kNamedColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", SystemColour(0)},
    {"clBackground", SystemColour(1)},
    {"clActiveCaption", SystemColour(2)},
    {"clInactiveCaption", SystemColour(3)},
    {"clMenu", SystemColour(4)},
    {"clWindow", SystemColour(5)},
    {"clWindowFrame", SystemColour(6)},
    {"clMenuText", SystemColour(7)},
    {"clWindowText", SystemColour(8)},
    {"clCaptionText", SystemColour(9)},
    {"clActiveBorder", SystemColour(10)},
    {"clInactiveBorder", SystemColour(11)},
    {"clAppWorkSpace", SystemColour(12)},
    {"clHighlight", SystemColour(13)},
    {"clHighlightText", SystemColour(14)},
    {"clBtnFace", SystemColour(15)},
    {"clBtnShadow", SystemColour(16)},
    {"clGrayText", SystemColour(17)},
    {"clBtnText", SystemColour(18)},
    {"clInactiveCaptionText", SystemColour(19)},
    {"clBtnHighlight", SystemColour(20)},
    {"cl3DDkShadow", SystemColour(21)},
    {"cl3DLight", SystemColour(22)},
    {"clInfoText", SystemColour(23)},
    {"clInfoBk", SystemColour(24)},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    const auto lx = (x >= 'A' && x <= 'Z') ? x + 32 : x;
    const auto ly = (y >= 'A' && y <= 'Z') ? y + 32 : y;
    if (lx != ly) return false;
  }
  return true;
}

}  // namespace

std::string ColourToText(Colour colour) {
  for (const auto& named : kNamedColours) {
    if (named.colour == colour) return named.name;
  }
  char text[16];
  std::snprintf(text, sizeof text, "$%08X",
                static_cast<unsigned>(static_cast<std::uint32_t>(colour)));
  return text;
}

std::optional<Colour> TextToColour(std::string_view text) {
  const std::string_view trimmed = Trim(text, kBlanksAndTabs);
  for (const auto& named : kNamedColours) {
    if (SameIgnoringCase(trimmed, named.name)) return named.colour;
  }
  return ParseInt32(trimmed);
}

}  // namespace tovk
