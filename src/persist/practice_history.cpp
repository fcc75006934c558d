// The practice history file: writing a run's line, reading the last runs.
#include "persist/practice_history.h"

#include <ctime>
#include <deque>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

#include "persist/atomic_file.h"
#include "persist/results.h"

namespace tovk {

const char* const kPracticeHistoryHeader =
    "run,call,power,contacts,sections,score,dupes,lids,operating time,accuracy,checked score";

namespace {

// A run without a log check has the first nine fields, as every run before
// the log check had.
constexpr std::size_t kFieldCount = 9;
constexpr std::size_t kCheckedFieldCount = 11;

// A field as CSV holds it: line breaks become blanks (every run is one line),
// and a field with a comma or a quote is quoted.
std::string QuotedIfNeeded(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// The fields of one CSV line; none when a quote is left open.
std::optional<std::vector<std::string>> SplitCsv(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  if (quoted) return std::nullopt;
  return fields;
}

std::optional<int> ParseCount(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsOperatingTime(const std::string& text) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos || text.size() - colon != 3) return false;
  return ParseCount(text.substr(0, colon)) && ParseCount(text.substr(colon + 1));
}

std::optional<PracticeRun> ParseRun(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  auto fields = SplitCsv(line);
  if (!fields || (fields->size() != kFieldCount && fields->size() != kCheckedFieldCount))
    return std::nullopt;
  const std::vector<std::string>& f = *fields;
  PracticeRun run;
  run.when = f[0];
  run.call = f[1];
  auto power = ParseCount(f[2]);
  auto contacts = ParseCount(f[3]);
  auto sections = ParseCount(f[4]);
  auto score = ParseCount(f[5]);
  auto dupes = ParseCount(f[6]);
  auto lids = ParseCount(f[7]);
  if (run.when.empty() || !power || !contacts || !sections || !score || !dupes || !lids ||
      !IsOperatingTime(f[8])) {
    return std::nullopt;
  }
  run.power = *power;
  run.contacts = *contacts;
  run.sections = *sections;
  run.score = *score;
  run.dupes = *dupes;
  run.lids = *lids;
  run.operatingTime = f[8];
  if (f.size() == kCheckedFieldCount) {
    run.accuracy = ParseCount(f[9]);
    run.checkedScore = ParseCount(f[10]);
    if (!run.accuracy || !run.checkedScore) return std::nullopt;
  }
  return run;
}

// The whole existing file; an empty text when it does not exist, none when it
// exists but cannot be read (a folder of that name, no permission).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (error || status.type() != std::filesystem::file_type::regular) return std::nullopt;
  try {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

// ",accuracy,checked score" for a run with a log check.
std::string CheckedFields(const PracticeRun& run) {
  if (!run.accuracy || !run.checkedScore) return {};
  return "," + std::to_string(*run.accuracy) + "," + std::to_string(*run.checkedScore);
}

}  // namespace

std::filesystem::path PracticeHistoryPath(const std::filesystem::path& settingsFile) {
  std::filesystem::path stem = settingsFile.stem();
  if (stem.empty()) stem = "tovk";
  return settingsFile.parent_path() / (stem.string() + "-history.csv");
}

PracticeRun PracticeRunOf(const Game& g, const std::string& when) {
  PracticeRun run;
  run.when = when;
  run.call = g.Mycall.str();
  run.power = g.Myprec == "B" ? 1000 : 100;
  run.contacts = g.Mynumber > 1 ? g.Mynumber - 1 : 0;
  run.sections = g.SectionsWorked;
  run.score = 2 * run.sections * run.contacts;
  run.dupes = g.DupeCount;
  run.lids = g.ErrorCount;
  run.operatingTime = FormatOperatingTime(g.OpHours, g.OpMinutes);
  return run;
}

std::string FormatPracticeRun(const PracticeRun& run) {
  return QuotedIfNeeded(run.when) + "," + QuotedIfNeeded(run.call) + "," +
         std::to_string(run.power) + "," + std::to_string(run.contacts) + "," +
         std::to_string(run.sections) + "," + std::to_string(run.score) + "," +
         std::to_string(run.dupes) + "," + std::to_string(run.lids) + "," +
         QuotedIfNeeded(run.operatingTime) + CheckedFields(run);
}

bool AppendPracticeHistory(const std::filesystem::path& file, const Game& g,
                           const std::string& when) {
  return AppendPracticeHistory(file, PracticeRunOf(g, when));
}

bool AppendPracticeHistory(const std::filesystem::path& file, const PracticeRun& run) {
  std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return false;
  if (text->empty()) *text = std::string(kPracticeHistoryHeader) + "\n";
  if (text->back() != '\n') *text += '\n';  // a damaged last line stays a line of its own
  *text += FormatPracticeRun(run) + "\n";

  return WriteFileAtomically(file, *text);
}

std::vector<PracticeRun> ReadPracticeHistory(std::istream& in, std::size_t lastN) {
  std::deque<PracticeRun> runs;
  if (lastN == 0) return {};
  std::string line;
  while (std::getline(in, line)) {
    std::optional<PracticeRun> run = ParseRun(line);
    if (!run) continue;
    runs.push_back(std::move(*run));
    if (runs.size() > lastN) runs.pop_front();
  }
  return {std::make_move_iterator(runs.begin()), std::make_move_iterator(runs.end())};
}

std::vector<PracticeRun> ReadPracticeHistory(const std::filesystem::path& file, std::size_t lastN) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  try {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    return ReadPracticeHistory(in, lastN);
  } catch (const std::ios_base::failure&) {
    return {};
  }
}

std::filesystem::path PracticeHistoryFile(const Game& g) {
  return g.historyFile.empty() ? PracticeHistoryPath(g.settingsFile) : g.historyFile;
}

std::string LocalIsoTimestamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return "";
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &local);
  return buffer;
}

}  // namespace tovk
