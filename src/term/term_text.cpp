// Text helpers of the terminal front-end's line protocol.
#include "term/term_text.h"
#include "world/text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <sstream>

namespace tovk::term {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool IsBreak(char c) {
  return c == '\n' || c == '\r';
}

}  // namespace

std::vector<std::string> SplitMessageLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!IsBreak(c)) {
      lines.back() += c;
      continue;
    }
    // LF CR and CR LF make one break; LF LF or CR CR are two.
    if (i + 1 < text.size() && IsBreak(text[i + 1]) && text[i + 1] != c) ++i;
    if (i + 1 < text.size()) lines.emplace_back();
  }
  return lines;
}

std::string OneLine(std::string_view text) {
  std::string result(text);
  std::replace_if(result.begin(), result.end(), IsBreak, ' ');
  return result;
}

bool IsYes(std::string_view answer) {
  const std::string word = ToLower(Trim(answer));
  return word == "y" || word == "yes";
}

int SpinValue(std::string_view text, int low, int high) {
  const std::string word(Trim(text));
  std::int64_t value = 0;
  const char* begin = word.data();
  const char* end = word.data() + word.size();
  if (begin != end && *begin == '+') ++begin;  // from_chars takes no plus sign
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (stop != end || begin == end) return std::clamp(0, low, high);
  if (error == std::errc::result_out_of_range) return word.front() == '-' ? low : high;
  if (error != std::errc()) return std::clamp(0, low, high);
  return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

std::optional<std::pair<int, int>> ParseTimeoutAnswer(std::string_view answer) {
  std::istringstream words{std::string(answer)};
  std::string hours;
  std::string minutes;
  if (!(words >> hours)) return std::nullopt;
  words >> minutes;
  return std::pair{SpinValue(hours, 0, 60), SpinValue(minutes, 0, 59)};
}

}  // namespace tovk::term
