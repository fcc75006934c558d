// Helpers shared by the readers of the game's text files: lines of bounded
// length, UTF-8 with a Latin-1 fallback for files from older 8-bit systems,
// and strict 32-bit numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "world/text.h"  // IsValidUtf8, ToUtf8

namespace tovk {

// Longest line a reader keeps; the rest of a longer line is skipped, so a
// damaged file cannot make the game hold an unbounded line.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Reads a stream line by line (LF or CR LF ends a line), keeping at most
// kMaxLineBytes of a line, converted to UTF-8. Takes the stream in large
// chunks, so it owns the stream's position.
class TextLineReader {
 public:
  explicit TextLineReader(std::istream& in);
  // The next line, or false at the end of the input.
  bool Next(std::string& line);

 private:
  bool Fill();

  std::istream& in_;
  std::string buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

// A signed 32-bit number: optional blanks, an optional sign and decimal
// digits, or "$" / "0x" and at most eight hexadecimal digits (the 32-bit
// pattern, so "$FF000008" is a system colour). Anything else, or a value
// that does not fit in 32 bits, is none.
std::optional<std::int32_t> ParseInt32(std::string_view text);

}  // namespace tovk
