// Lines, encodings and numbers as the game's file readers take them.
#include "persist/file_text.h"
#include "world/text.h"

#include <algorithm>
#include <cstring>

namespace tovk {

namespace {
// Drops a cut-off UTF-8 sequence at the end of a line cut to its limit.
void DropPartialSequence(std::string& line) {
  std::size_t back = 0;
  while (back < 4 && back < line.size() &&
         (static_cast<unsigned char>(line[line.size() - 1 - back]) & 0xC0) == 0x80) {
    ++back;
  }
  if (back >= line.size()) return;
  const auto lead = static_cast<unsigned char>(line[line.size() - 1 - back]);
  if (lead < 0xC0) return;
  const std::size_t need = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  if (back < need) line.resize(line.size() - 1 - back);
}

// A line as the readers hand it on: without its CR, without a sequence cut
// at the length limit, as UTF-8.
void FinishLine(std::string& line, bool cut) {
  if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
  if (cut) DropPartialSequence(line);
  if (!IsValidUtf8(line)) line = ToUtf8(line);
}
}  // namespace

TextLineReader::TextLineReader(std::istream& in) : in_(in), buffer_(std::size_t{1} << 16, '\0') {}

bool TextLineReader::Fill() {
  pos_ = 0;
  end_ = 0;
  if (!in_.good()) return false;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool TextLineReader::Next(std::string& line) {
  line.clear();
  bool any = false;
  bool cut = false;
  for (;;) {
    if (pos_ == end_ && !Fill()) break;
    any = true;
    const char* start = buffer_.data() + pos_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
    const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : end_ - pos_;
    const std::size_t room = kMaxLineBytes - line.size();
    line.append(start, std::min(length, room));
    if (length > room) cut = true;
    pos_ += length;
    if (newline) {
      ++pos_;
      break;
    }
  }
  if (!any) return false;
  FinishLine(line, cut);
  return true;
}

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  return static_cast<std::int32_t>(value);
}
}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  text = Trim(text, kBlanksAndTabs);
  if (text.empty()) return std::nullopt;
  if (text.front() == '$') return ParseHex(text.substr(1));
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHex(text.substr(2));
  }
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{1} << 31) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace tovk
