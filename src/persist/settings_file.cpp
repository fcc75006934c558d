// Reading and writing the settings file, key by key in the order of the
// table below, through the SimpleIni library (which keeps a file's order,
// its comments and the keys the game does not know).
#include "persist/settings_file.h"

// The file is UTF-8 (older 8-bit lines are converted before parsing), so the
// library needs no converter of its own.
#define SI_NO_CONVERSION
// Used header-only: the library's code is compiled here.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "persist/atomic_file.h"
#include "persist/file_text.h"
#include "world/text.h"

namespace tovk {
namespace {

// A settings file larger than this is not a settings file; only this much
// of it is read.
constexpr std::size_t kMaxSettingsBytes = std::size_t{128} << 20;

// How a key's value is read into the game and written from it. A reader gets
// the key's text (null when the key is missing) and returns false only when
// reading must stop at this key (a section-map colour that is no colour).
struct SettingsKey {
  const char* section;
  const char* key;
  bool (*read)(GameState& s, const char* value);
  std::string (*write)(const GameState& s);
};

std::string Number(int value) {
  return std::to_string(value);
}
std::string Flag(bool value) {
  return value ? "1" : "0";
}
std::string StyleFlag(const FontLook& f) {
  return Flag(f.bold && !f.italic && !f.underline && !f.strikeOut);
}

// Integers and booleans that are missing or not a number keep the value in force.
void ReadInt(const char* value, int& target) {
  if (value == nullptr) return;
  if (auto number = ParseInt32(value)) target = *number;
}
void ReadFlag(const char* value, bool& target) {
  if (value == nullptr) return;
  if (auto number = ParseInt32(value)) target = *number != 0;
}
// Only a style of exactly 1 makes the font bold; anything else leaves it.
void ReadStyle(const char* value, FontLook& font) {
  if (value == nullptr) return;
  if (ParseInt32(value) == 1) font.bold = true;
}
template <class T>
void ReadText(const char* value, T& target) {
  if (value != nullptr) target = std::string_view(value);
}
bool ReadColourText(const char* value, Colour& target) {
  if (value == nullptr) return true;
  auto colour = TextToColour(value);
  if (!colour) return false;
  target = *colour;
  return true;
}

// A number of the sound kept inside its range: 0..100, or 50..200 for the
// speech rate.
void ReadInRange(const char* value, int& target, int lowest, int highest) {
  if (value == nullptr) return;
  if (auto number = ParseInt32(value)) target = std::clamp(*number, lowest, highest);
}
// Only a filter width the receiver has.
void ReadFilter(const char* value, std::string& target) {
  if (value == nullptr) return;
  const std::string_view width = Trim(value, kBlanksAndTabs);
  for (const char* known : {"2.4", "2.7", "3.0", "off"}) {
    if (width == known) target = known;
  }
}

#define TOVK_INT_KEY(section, key, member)                  \
  {                                                         \
    section, key,                                           \
        [](GameState& s, const char* v) {                   \
          ReadInt(v, s.member);                             \
          return true;                                      \
        },                                                  \
        [](const GameState& s) { return Number(s.member); } \
  }
#define TOVK_FLAG_KEY(section, key, member)               \
  {                                                       \
    section, key,                                         \
        [](GameState& s, const char* v) {                 \
          ReadFlag(v, s.member);                          \
          return true;                                    \
        },                                                \
        [](const GameState& s) { return Flag(s.member); } \
  }
#define TOVK_TEXT_KEY(section, key, member)                      \
  {                                                              \
    section, key,                                                \
        [](GameState& s, const char* v) {                        \
          ReadText(v, s.member);                                 \
          return true;                                           \
        },                                                       \
        [](const GameState& s) { return std::string(s.member); } \
  }
#define TOVK_STYLE_KEY(section, key, member)                   \
  {                                                            \
    section, key,                                              \
        [](GameState& s, const char* v) {                      \
          ReadStyle(v, s.member);                              \
          return true;                                         \
        },                                                     \
        [](const GameState& s) { return StyleFlag(s.member); } \
  }
#define TOVK_COLOUR_TEXT_KEY(section, key, member)                                         \
  {                                                                                        \
    section, key, [](GameState& s, const char* v) { return ReadColourText(v, s.member); }, \
        [](const GameState& s) { return ColourToText(s.member); }                          \
  }

// Every key, in the order in which both operations handle it.
const SettingsKey kKeys[] = {
    TOVK_INT_KEY("Forms", "Terminal width", Look.width),
    TOVK_INT_KEY("Forms", "Terminal height", Look.height),
    TOVK_INT_KEY("Forms", "Terminal top", Look.top),
    TOVK_INT_KEY("Forms", "Terminal left", Look.left),
    TOVK_INT_KEY("Forms", "Incoming color", Look.incomingColour),
    TOVK_TEXT_KEY("Forms", "Incoming Font.name", Look.incomingFont.name),
    TOVK_INT_KEY("Forms", "Incoming Font.color", Look.incomingFont.colour),
    TOVK_INT_KEY("Forms", "Incoming Font.height", Look.incomingFont.height),
    TOVK_FLAG_KEY("Forms", "Incoming Wordwrap", Look.incomingWordwrap),
    TOVK_INT_KEY("Forms", "Logbook color", Look.logColour),
    TOVK_TEXT_KEY("Forms", "Logbook Font.name", Look.logFont.name),
    TOVK_INT_KEY("Forms", "Logbook Font.color", Look.logFont.colour),
    TOVK_INT_KEY("Forms", "Logbook  Font.height", Look.logFont.height),
    TOVK_INT_KEY("Forms", "Outgoing color", Look.outgoingColour),
    TOVK_TEXT_KEY("Forms", "Outgoing Font.name", Look.outgoingFont.name),
    TOVK_INT_KEY("Forms", "Outgoing Font.color", Look.outgoingFont.colour),
    TOVK_INT_KEY("Forms", "Outgoing Font.height", Look.outgoingFont.height),
    TOVK_STYLE_KEY("Forms", "Incoming Font.Style", Look.incomingFont),
    TOVK_STYLE_KEY("Forms", "Outgoing Font.Style", Look.outgoingFont),
    TOVK_FLAG_KEY("Controls", "Debug", Debug),
    TOVK_FLAG_KEY("Controls", "Silent mode", SilentMode),
    TOVK_INT_KEY("Panels", "Radio color", Look.radioColour),
    TOVK_INT_KEY("Panels", "Macros color", Look.macrosColour),
    TOVK_INT_KEY("Panels", "Data color", Look.dataColour),
    TOVK_INT_KEY("Panels", "Misc color", Look.miscColour),
    // The band box and the QSO number box take the colours of their groups
    // right after the side of the section map, whether or not it was present.
    {"Panels", "Section Position",
     [](GameState& s, const char* v) {
       ReadText(v, s.SectionPosition);
       s.Look.bandColour = s.Look.radioColour;
       s.Look.qsoNumberColour = s.Look.dataColour;
       return true;
     },
     [](const GameState& s) { return std::string(s.SectionPosition); }},
    TOVK_FLAG_KEY("Controls", "AutoClear", AutoClear),
    TOVK_FLAG_KEY("Controls", "AutoDetect", AutoDetect),
    TOVK_FLAG_KEY("Controls", "Assist", Assist),
    TOVK_FLAG_KEY("Controls", "AutoSave", AutoSave),
    TOVK_TEXT_KEY("Calls", "Mycall", Mycall),
    TOVK_TEXT_KEY("Calls", "Myprec", Myprec),
    TOVK_TEXT_KEY("Calls", "Mycheck", Mycheck),
    TOVK_COLOUR_TEXT_KEY("Colours", "Needed", NeededColour),
    TOVK_COLOUR_TEXT_KEY("Colours", "Heard", HeardColour),
    TOVK_COLOUR_TEXT_KEY("Colours", "Worked", WorkedColour),
    TOVK_INT_KEY("Colours", "Sections", SectionsColour),
    TOVK_TEXT_KEY("Files", "Saved game", SavedGameFile),
};

#define TOVK_RANGE_KEY(section, key, member, lowest, highest) \
  {                                                           \
    section, key,                                             \
        [](GameState& s, const char* v) {                     \
          ReadInRange(v, s.member, lowest, highest);          \
          return true;                                        \
        },                                                    \
        [](const GameState& s) { return Number(s.member); }   \
  }

// The sound's own section; a file without it keeps the defaults (sound on,
// copy by ear off).
const SettingsKey kSoundKeys[] = {
    TOVK_FLAG_KEY("Sound", "Sound", Sound.on),
    TOVK_RANGE_KEY("Sound", "Volume", Sound.volume, 0, 100),
    TOVK_RANGE_KEY("Sound", "Noise", Sound.noise, 0, 100),
    {"Sound", "Filter",
     [](GameState& s, const char* v) {
       ReadFilter(v, s.Sound.filter);
       return true;
     },
     [](const GameState& s) { return s.Sound.filter; }},
    TOVK_RANGE_KEY("Sound", "Speech rate", Sound.speechRate, 50, 200),
    TOVK_FLAG_KEY("Sound", "Copy by ear", Sound.copyByEar),
    TOVK_FLAG_KEY("Sound", "Monitor", Sound.monitor),
};

#undef TOVK_RANGE_KEY
#undef TOVK_INT_KEY
#undef TOVK_FLAG_KEY
#undef TOVK_TEXT_KEY
#undef TOVK_STYLE_KEY
#undef TOVK_COLOUR_TEXT_KEY

// The file's text as the library should see it: every line as UTF-8 (a line
// from an 8-bit system is read as Latin-1), LF line ends, and a section line
// without its "]" closed where it ends (the library would otherwise take the
// following lines into the section's name).
std::string NormalisedLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string line = ToUtf8(text.substr(0, end));
    const std::string_view bare = Trim(line, kBlanksAndTabs);
    if (!bare.empty() && bare.front() == '[' && bare.find(']') == std::string_view::npos) {
      line += ']';
    }
    out += line;
    if (end == std::string_view::npos) break;
    out.push_back('\n');
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return out;
}

// The comment lines after the file's last key or section: SimpleIni keeps a
// comment only with the entry that follows it, so these are carried over by
// hand.
std::string TrailingComments(std::string_view text) {
  std::size_t end = text.size();
  std::size_t keep = text.size();
  bool anyComment = false;
  while (end > 0) {
    std::size_t start = text.rfind('\n', end - 1);
    start = start == std::string_view::npos ? 0 : start + 1;
    const std::string_view line = Trim(text.substr(start, end - start), kBlanksAndTabs);
    const std::string_view bare =
        !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
    if (!bare.empty() && bare.front() != ';' && bare.front() != '#') {
      if (!anyComment) return {};
      std::string tail(text.substr(keep));
      while (!tail.empty() && (tail.front() == '\n' || tail.front() == '\r')) tail.erase(0, 1);
      return tail;
    }
    if (!bare.empty()) {
      anyComment = true;
      keep = start;
    }
    if (start == 0) break;
    end = start - 1;
  }
  return {};  // only comments: SimpleIni keeps them as the file's comment
}

// The library leaves two blank lines before each section; one is enough.
std::string OneBlankLineBetweenSections(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  int newlines = 0;
  for (char c : text) {
    newlines = c == '\n' ? newlines + 1 : 0;
    if (newlines <= 2) out.push_back(c);
  }
  return out;
}

bool ReadWholeFile(const std::filesystem::path& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  text.clear();
  char chunk[1 << 16];
  while (text.size() < kMaxSettingsBytes) {
    in.read(chunk, sizeof chunk);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    text.append(chunk, std::min(got, kMaxSettingsBytes - text.size()));
  }
  return !in.bad();
}

}  // namespace

void ReadSettingsText(GameState& s, std::string_view text) {
  CSimpleIniA ini;  // section and key names match without regard to case
  const std::string utf8 = NormalisedLines(text);
  if (ini.LoadData(utf8.data(), utf8.size()) < 0) return;
  for (const SettingsKey& key : kSoundKeys)
    key.read(s, ini.GetValue(key.section, key.key, nullptr));
  for (const SettingsKey& key : kKeys) {
    if (!key.read(s, ini.GetValue(key.section, key.key, nullptr))) return;
  }
}

void ReadSettings(GameState& s, const std::filesystem::path& file) {
  std::string text;
  if (!ReadWholeFile(file, text)) return;
  ReadSettingsText(s, text);
}

std::string SettingsFileText(const GameState& s, std::string_view existing) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  const std::string utf8 = NormalisedLines(existing);
  ini.LoadData(utf8.data(), utf8.size());
  for (const SettingsKey& key : kKeys) {
    ini.SetValue(key.section, key.key, key.write(s).c_str());
  }
  for (const SettingsKey& key : kSoundKeys) {
    ini.SetValue(key.section, key.key, key.write(s).c_str());
  }
  std::string out;
  ini.Save(out);
  out = OneBlankLineBetweenSections(out);
  // Lines the library does not keep (neither key, section nor comment) may
  // leave blank lines at the top.
  const std::size_t first = out.find_first_not_of('\n');
  out.erase(0, first == std::string::npos ? out.size() : first);
  const std::string tail = TrailingComments(utf8);
  if (!tail.empty()) {
    if (!out.empty() && out.back() != '\n') out.push_back('\n');
    out += "\n" + tail;
  }
  return out;
}

bool WriteSettings(const GameState& s, const std::filesystem::path& file) {
  std::string existing;
  std::error_code error;
  if (std::filesystem::exists(file, error) && !ReadWholeFile(file, existing)) {
    return false;  // rather than lose what the file holds
  }
  return WriteFileAtomically(file, SettingsFileText(s, existing));
}

}  // namespace tovk
