// Writing and reading the saved game, line by line in a fixed order: the
// window sections ended by their marker lines, 28 values, 75 section lines,
// one line per pool station.
#include "persist/saved_game.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "engine/actions.h"
#include "persist/atomic_file.h"
#include "persist/ear_copied_lines.h"
#include "persist/file_text.h"
#include "world/section_map.h"
#include "world/text.h"

namespace tovk {
namespace {

// The saved game's markers, as every saved game has them.
constexpr const char* kIncomingMarker = "#Memo1";
constexpr const char* kLogMarker = "#Memo2";
constexpr const char* kOutgoingMarker = "#Memo3";
constexpr const char* kEndOfWindowsMarker = "# End of Memos";
constexpr const char* kMarkerEndOfSections = "# End of sections";
constexpr const char* kMarkerEndOfCallStates = "# End of call states";

// The band box's items; a restored band that is none of them leaves the box
// without a selection.
constexpr const char* kBands[] = {"80", "40", "20", "15", "10"};

// A value that holds a line break would shift every later line of the file.
bool HoldsLineBreak(std::string_view text) {
  return std::memchr(text.data(), '\n', text.size()) != nullptr ||
         std::memchr(text.data(), '\r', text.size()) != nullptr;
}
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

const char* Flag(bool value) {
  return value ? "T" : "F";
}

// A section's or station's state as one letter: needed (or not worked),
// heard, worked.
template <class State>
char StatusLetter(State status) {
  switch (static_cast<int>(status)) {
    case 0:
      return 'N';
    case 1:
      return 'H';
    case 2:
      return 'W';
    default:
      return 'X';
  }
}

// Highest pool index the file holds a line for.
int LastStation(const GameState& s) {
  return std::clamp(s.StationMax, -1, kPoolSize - 1);
}

// Puts lines to the sink, counting them, until one fails.
class LineWriter {
 public:
  explicit LineWriter(const LineSink& sink) : sink_(sink) {}
  bool Put(std::string_view line) {
    if (!count_.ok) return false;
    if (!sink_(line)) {
      count_.ok = false;
      return false;
    }
    ++count_.lines;
    return true;
  }
  bool PutText(std::string_view text) {
    return HoldsLineBreak(text) ? Put(OneLine(text)) : Put(text);
  }
  template <std::size_t N>
  bool PutText(const Text<N>& text) {
    return PutText(std::string_view(text.str()));
  }
  bool PutInt(int value) { return Put(std::to_string(value)); }
  LineCount count() const { return count_; }

 private:
  const LineSink& sink_;
  LineCount count_;
};

bool PutWindow(LineWriter& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (!out.PutText(line)) return false;
  }
  return true;
}

bool PutWindows(LineWriter& out, const Game& g) {
  return out.Put(kIncomingMarker) && PutWindow(out, g.Lines(MemoId::Incoming)) &&
         out.Put(kLogMarker) && PutWindow(out, g.Lines(MemoId::Log)) && out.Put(kOutgoingMarker) &&
         PutWindow(out, g.Lines(MemoId::Outgoing)) && out.Put(kEndOfWindowsMarker);
}

// The 28 values between the windows and the sections.
bool PutValues(LineWriter& out, const GameState& s) {
  if (!(out.PutText(s.Hisnumber) && out.PutText(s.Hisprec) && out.PutText(s.Hiscall) &&
        out.PutText(s.Hischeck) && out.PutText(s.Hissection) && out.Put(Flag(s.Operating)))) {
    return false;
  }
  for (int i = 0; i <= 6; ++i) {
    if (!out.Put(Flag(s.PartReceived.entries()[i]))) return false;
  }
  return out.PutInt(s.CallAttempts) && out.PutInt(s.Day) && out.PutInt(s.DupeCount) &&
         out.PutInt(s.ErrorCount) && out.PutInt(s.Second) && out.PutInt(s.OpHours) &&
         out.PutInt(s.OpMinutes) && out.PutInt(s.Hour) && out.PutInt(s.Minute) &&
         out.PutInt(s.Mynumber) && out.PutInt(s.TenMetreZone) && out.PutInt(s.StationState) &&
         out.PutInt(s.SectionsWorked) && out.PutText(s.Band) && out.PutInt(s.ElapsedMinutes);
}

bool PutSections(LineWriter& out, const GameState& s) {
  for (int i = 0; i < kSectionCount; ++i) {
    if (s.SectionName[i].empty()) continue;
    if (!out.PutText(s.SectionName[i] + "," + StatusLetter(s.SectionStatus[i]))) return false;
  }
  return out.Put(kMarkerEndOfSections);
}

bool PutStations(LineWriter& out, const GameState& s) {
  const int last = LastStation(s);
  std::string line;
  for (int i = 0; i <= last; ++i) {
    line = std::to_string(i);
    line += ',';
    line += s.StationCall[i].str();
    line += ',';
    line += s.StationBand[i].str();
    line += ',';
    line += StatusLetter(s.StationWorked[i]);
    if (!out.PutText(line)) return false;
  }
  return out.Put(kMarkerEndOfCallStates);
}

bool PutEarCopied(LineWriter& out, const GameState& s) {
  for (const std::string& line : EarCopiedLines(s)) {
    if (!out.PutText(line)) return false;
  }
  return true;
}

// --- Reading ---------------------------------------------------------------

// Reads lines and counts those taken; a value that does not hold what its
// place requires stops the read with the count of the lines before it.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : lines_(in) {}

  // The next line, or false at the end of the file.
  bool Next(std::string& line) { return lines_.Next(line); }
  void Took() { ++count_.lines; }
  LineCount Fail() {
    count_.ok = false;
    return count_;
  }
  LineCount count() const { return count_; }

  template <std::size_t N>
  bool Text(tovk::Text<N>& target) {
    if (!Next(line_)) return false;
    target = line_;
    Took();
    return true;
  }
  bool Flag(bool& target) {
    if (!Next(line_)) return false;
    target = line_ == "T";
    Took();
    return true;
  }
  bool Int(int& target) {
    if (!Next(line_)) return false;
    const auto value = ParseInt32(line_);
    if (!value) return false;
    target = *value;
    Took();
    return true;
  }

 private:
  TextLineReader lines_;
  LineCount count_;
  std::string line_;
};

// A window section ends only at its own marker line, so a window line that
// itself begins with "#" is read back as a window line.
bool ReadWindow(LineReader& in, Game& g, MemoId memo, std::string_view endMarker) {
  std::string line;
  for (;;) {
    if (!in.Next(line)) return false;
    in.Took();
    if (line == endMarker) return true;
    if (line == "*") continue;
    g.AppendLine(memo, std::move(line));
  }
}

bool ReadWindows(LineReader& in, Game& g) {
  std::string header;
  if (!in.Next(header)) return false;  // the incoming window's marker, not compared
  in.Took();
  return ReadWindow(in, g, MemoId::Incoming, kLogMarker) &&
         ReadWindow(in, g, MemoId::Log, kOutgoingMarker) &&
         ReadWindow(in, g, MemoId::Outgoing, kEndOfWindowsMarker);
}

bool ReadValues(LineReader& in, Game& g) {
  if (!(in.Text(g.Hisnumber) && in.Text(g.Hisprec) && in.Text(g.Hiscall) && in.Text(g.Hischeck) &&
        in.Text(g.Hissection) && in.Flag(g.Operating))) {
    return false;
  }
  for (int i = 0; i <= 6; ++i) {
    if (!in.Flag(g.PartReceived.entries()[i])) return false;
  }
  if (!(in.Int(g.CallAttempts) && in.Int(g.Day))) return false;
  g.DayText = std::to_string(g.Day);
  if (!(in.Int(g.DupeCount) && in.Int(g.ErrorCount) && in.Int(g.Second) && in.Int(g.OpHours) &&
        in.Int(g.OpMinutes) && in.Int(g.Hour) && in.Int(g.Minute) && in.Int(g.Mynumber) &&
        in.Int(g.TenMetreZone))) {
    return false;
  }
  int state = 0;
  if (!in.Int(state)) return false;
  if (state >= ssNone && state <= ssHeardSection) g.StationState = static_cast<std::uint8_t>(state);
  // The clock stays on its dial: a damaged file cannot put the hour, minute
  // or second outside the range the rest of the game indexes by.
  g.OpMinutes = std::clamp(g.OpMinutes, 0, 59);
  g.Minute = std::clamp(g.Minute, 0, 59);
  g.Second = std::clamp(g.Second, 0, 59);
  g.Hour = std::clamp(g.Hour, 0, 23);
  if (!(in.Int(g.SectionsWorked) && in.Text(g.Band))) return false;
  g.SetBandBox(g.Band);
  return in.Int(g.ElapsedMinutes);
}

bool ReadSections(LineReader& in, Game& g) {
  std::string line;
  for (int i = 0; i < kSectionCount; ++i) {
    if (!in.Next(line)) return false;
    const std::size_t comma = line.find(',');
    const std::string_view name =
        comma == std::string::npos ? std::string_view()
                                   : Trim(std::string_view(line).substr(0, comma), kBlanksAndTabs);
    const std::string_view letter = name == g.SectionName[i].str()
                                        ? std::string_view(line).substr(comma + 1)
                                        : std::string_view("X");
    g.SectionStatus[i] = letter == "N"   ? SectionState::Needed
                         : letter == "W" ? SectionState::Worked
                                         : SectionState::Heard;
    in.Took();
    UpdateSectionDisplay(g, i);
  }
  if (!in.Next(line)) return false;  // "# End of sections", not looked at
  in.Took();
  return true;
}

// Station lines are matched to stations by their order; a file that ends
// (or whose station lines end) before the last of them leaves the stations
// without a line as they were. Lines for stations beyond the pool are passed
// over up to the end marker.
void ReadStations(LineReader& in, GameState& s) {
  const int last = LastStation(s);
  std::string line;
  for (int i = 0; i <= last; ++i) {
    if (!in.Next(line) || Trim(line, kBlanksAndTabs) == kMarkerEndOfCallStates) return;
    std::string_view rest(line);
    const std::size_t first = rest.find(',');
    rest = first == std::string_view::npos ? std::string_view() : rest.substr(first + 1);
    const std::size_t second = rest.find(',');
    s.StationCall[i] = Trim(rest.substr(0, second), kBlanksAndTabs);
    rest = second == std::string_view::npos ? std::string_view() : rest.substr(second + 1);
    const std::size_t third = rest.find(',');
    s.StationBand[i] = Trim(rest.substr(0, third), kBlanksAndTabs);
    rest = third == std::string_view::npos ? std::string_view() : rest.substr(third + 1);
    s.StationWorked[i] = rest == "N"   ? StationLogState::NotWorked
                         : rest == "W" ? StationLogState::Worked
                                       : StationLogState::Heard;
    in.Took();
  }
  while (in.Next(line) && Trim(line, kBlanksAndTabs) != kMarkerEndOfCallStates) {
  }
}

// The contacts copied by ear, when the file has them; an older file has
// none, and its contacts get no log check.
void ReadEarCopied(LineReader& in, GameState& s) {
  s.KeptBack.clear();
  std::string line;
  if (!in.Next(line) || line != kEarCopiedMarker) return;
  while (in.Next(line) && line != kEndOfEarCopiedMarker) ReadEarCopiedLine(s, line);
}

// The window shows what was restored: QSO number, band box, area boxes, the
// operating buttons and the exchange parts received.
void RefreshWindow(Game& g) {
  g.SetQsoNumber(std::to_string(g.Mynumber));
  g.SetBandBox(g.Band);
  g.PaintAreaBox(0, kClBtnFace);
  UpdateAreaDisplay(g);
  const bool known = std::any_of(std::begin(kBands), std::end(kBands),
                                 [&](const char* band) { return g.Band == band; });
  g.SetBandBox(known ? g.Band.str() : std::string());
  EnableOperatingControls(g, true);
  // Copying by ear, the fields hold only what the player types.
  if (g.Sound.copyByEar) return;
  if (g.PartReceived[Part::Number]) SetFieldText(g, Field::Number, g.Hisnumber);
  if (g.PartReceived[Part::Precedence]) SetFieldText(g, Field::Precedence, g.Hisprec);
  if (g.PartReceived[Part::Call]) SetFieldText(g, Field::Call, g.Hiscall);
  if (g.PartReceived[Part::Check]) SetFieldText(g, Field::Check, g.Hischeck);
  if (g.PartReceived[Part::Section]) SetFieldText(g, Field::Section, g.Hissection);
}

void ShowWriteError(Game& g, int lines) {
  g.ShowMessage("Error writing file " + g.SavedGameFile + " in line " + std::to_string(lines));
}

}  // namespace

LineCount WriteSavedGameLines(const Game& g, const LineSink& sink) {
  LineWriter out(sink);
  PutWindows(out, g) && PutValues(out, g) && PutSections(out, g) && PutStations(out, g) &&
      PutEarCopied(out, g);
  return out.count();
}

LineCount WriteSavedGameTo(const Game& g, std::ostream& out) {
  return WriteSavedGameLines(g, [&out](std::string_view line) {
    out << line << "\r\n";
    return static_cast<bool>(out);
  });
}

LineCount ReadSavedGameFrom(Game& g, std::istream& in) {
  // Another contest: a restored game that is already over is reported again.
  g.contestEndHandled = false;
  g.contestEndPending = false;
  LineReader reader(in);
  if (!(ReadWindows(reader, g) && ReadValues(reader, g) && ReadSections(reader, g))) {
    return reader.Fail();
  }
  ReadStations(reader, g);
  // A file without the station in hand's real exchange has the values it
  // restored as the best guess.
  g.StationSent = {std::string(Trim(g.Hisnumber.str(), " ")), g.Hisprec.str(), g.Hiscall.str(),
                   g.Hischeck.str(), g.Hissection.str()};
  ReadEarCopied(reader, g);
  RefreshWindow(g);
  return reader.count();
}

bool WriteSavedGame(Game& g) {
  return WriteSavedGame(g, nullptr);
}

bool WriteSavedGame(Game& g, const std::function<bool(int linesWritten)>& failBefore) {
  AtomicFile file(g.InFolder(g.SavedGameFile));
  if (!file.IsOpen()) {
    ShowWriteError(g, 0);
    return false;
  }
  int written = 0;
  const LineCount count = WriteSavedGameLines(g, [&](std::string_view line) {
    if (failBefore && failBefore(written)) return false;
    if (!file.Write(line) || !file.Write("\r\n")) return false;
    ++written;
    return true;
  });
  if (!count.ok || !file.Commit()) {
    ShowWriteError(g, count.lines);
    return false;
  }
  return true;
}

bool ReadSavedGame(Game& g) {
  std::ifstream in(g.InFolder(g.SavedGameFile), std::ios::binary);
  const LineCount count = in ? ReadSavedGameFrom(g, in) : LineCount{false, 0};
  if (count.ok) return true;
  g.ShowMessage("Error Reading file " + g.SavedGameFile + " in line " +
                std::to_string(count.lines));
  return false;
}

}  // namespace tovk
