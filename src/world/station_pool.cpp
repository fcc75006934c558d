// Loading the station list into the pool: "#" comment lines and one
// "CALL, section" line per station, read in chunks so that no input, however
// long its lines or strange its bytes, can stop the game.
#include "world/station_pool.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

#include "world/text.h"

namespace tovk {
namespace {

constexpr std::string_view kFixedStation = "W3/Q3CCC";
constexpr int kFixedStationSection = 14;  // MDC

// Splits a stream into lines ended by LF, CR or CR LF (a CR LF gives an
// extra empty line, which the loader skips like any blank line).
class LineReader {
 public:
  explicit LineReader(std::istream& in)
      : buffer_(in.rdbuf()), chunk_(std::make_unique<char[]>(kChunk)) {}

  // The next line, without its end; it stays valid until the next call.
  // A line that lies within one chunk is not copied.
  bool Next(std::string_view& line) {
    carry_.clear();
    bool any = false;
    for (;;) {
      if (pos_ == size_ && !Refill()) {
        line = carry_;
        return any;
      }
      any = true;
      const char* start = chunk_.get() + pos_;
      const std::size_t left = size_ - pos_;
      const char* stop = EndOfLine(start, left);
      if (stop == nullptr) {
        carry_.append(start, left);
        pos_ = size_;
        continue;
      }
      pos_ = static_cast<std::size_t>(stop - chunk_.get()) + 1;
      if (carry_.empty()) {
        line = std::string_view(start, static_cast<std::size_t>(stop - start));
        return true;
      }
      carry_.append(start, stop);
      line = carry_;
      return true;
    }
  }

 private:
  static constexpr std::size_t kChunk = 1 << 15;

  // The first LF or CR in [start, start + size), or null.
  static const char* EndOfLine(const char* start, std::size_t size) {
    const void* lf = std::memchr(start, '\n', size);
    const std::size_t before =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : size;
    const void* cr = std::memchr(start, '\r', before);
    return static_cast<const char*>(cr ? cr : lf);
  }

  bool Refill() {
    if (buffer_ == nullptr) return false;
    const std::streamsize got = buffer_->sgetn(chunk_.get(), kChunk);
    pos_ = 0;
    size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return size_ > 0;
  }

  std::streambuf* buffer_;
  std::unique_ptr<char[]> chunk_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::string carry_;  // a line that runs across chunks
};

// A whole decimal number that fits the section index; anything else (no
// digits, trailing junk, too large) is no number.
bool ParseSection(std::string_view text, int& section) {
  if (text.size() > 1 && text.front() == '+' && text[1] >= '0' && text[1] <= '9') {
    text.remove_prefix(1);
  }
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, section);
  return error == std::errc() && stop == end;
}

struct Station {
  std::string_view call;
  int section = 0;
};

bool ParseStation(std::string_view line, Station& station) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return false;
  station.call = TrimControls(line.substr(0, comma));
  return ParseSection(TrimControls(line.substr(comma + 1)), station.section);
}

void ReportFailure(Game& g, int stored) {
  g.ShowMessage("Error reading file " + g.StationFile + " in line " + std::to_string(stored));
}

}  // namespace

PoolLoad LoadStationPool(Game& g, std::istream& in) {
  LineReader reader(in);
  std::string_view line;
  int n = 0;
  while (n < kPoolCapacity && reader.Next(line)) {
    if (!line.empty() && line.front() == '#') continue;
    if (TrimControls(line).empty()) continue;

    Station station;
    if (!ParseStation(line, station)) {
      ReportFailure(g, n);
      return PoolLoad::Failed;
    }
    // A list from an older 8-bit system reads as Latin-1, like the other files.
    g.StationCall[n] = ToUtf8(station.call);
    g.StationSection[n] = station.section;
    g.StationWorked[n] = StationLogState::NotWorked;
    // The player's own callsign is never in the pool: that entry becomes
    // the fixed station in the player's own section.
    if (g.StationCall[n] == g.Mycall) {
      g.StationCall[n] = kFixedStation;
      g.StationSection[n] = kFixedStationSection;
    }
    if (g.Debug) {
      g.AppendLine(MemoId::Incoming, std::to_string(n) + " | " + g.StationCall[n].str() + ", " +
                                         std::to_string(g.StationSection[n]));
    }
    ++n;
  }
  // An empty list leaves the pool as empty as no list at all: station 0,
  // which has no section.
  g.StationMax = std::max(n - 1, 0);
  return PoolLoad::Loaded;
}

PoolLoad LoadStationPool(Game& g) {
  const std::filesystem::path path = g.InFolder(g.StationFile);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return PoolLoad::Missing;
  std::ifstream in;
  if (!std::filesystem::is_directory(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    ReportFailure(g, 0);
    return PoolLoad::Failed;
  }
  return LoadStationPool(g, in);
}

}  // namespace tovk
