// Character counting and cutting for the bounded texts of the game state,
// trimming, ASCII case, and the UTF-8 check with its Latin-1 fallback for
// text read from files.
#include "world/text.h"

#include <cstdint>

namespace tovk {
namespace {

// Length in bytes of the UTF-8 sequence starting with `lead`; a stray or
// invalid byte counts as a character of its own.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Bytes of the character at `pos`: its sequence length, shortened where the
// text ends or a byte is not a continuation byte.
std::size_t CharacterBytes(std::string_view text, std::size_t pos) {
  const std::size_t wanted = SequenceLength(static_cast<unsigned char>(text[pos]));
  std::size_t len = 1;
  while (len < wanted && pos + len < text.size() &&
         (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80) {
    ++len;
  }
  return len;
}

}  // namespace

std::string CutToCharacters(std::string_view text, std::size_t limit) {
  // No more bytes than the limit: no more characters either, nothing to cut.
  if (text.size() <= limit) return std::string(text);
  std::size_t pos = 0;
  for (std::size_t count = 0; count < limit && pos < text.size(); ++count) {
    pos += CharacterBytes(text, pos);
  }
  return std::string(text.substr(0, pos));
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) pos += CharacterBytes(text, pos);
  return count;
}

std::string_view Trim(std::string_view text, std::string_view blanks) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::string ToUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string ToLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int follow = 0;
    std::uint32_t code = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      follow = 1;
      code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2;
      code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + follow >= n) return false;
    for (int k = 1; k <= follow; ++k) {
      const auto f = static_cast<unsigned char>(text[i + k]);
      if ((f & 0xC0) != 0x80) return false;
      code = (code << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and code points above U+10FFFF.
    if (follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) return false;
    if (follow == 3 && (code < 0x10000 || code > 0x10FFFF)) return false;
    i += follow + 1;
  }
  return true;
}

std::string ToUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
      continue;
    }
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

}  // namespace tovk
