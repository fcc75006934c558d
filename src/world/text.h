// Bounded texts of the game state (a text[N] keeps at most N characters,
// counted as UTF-8 sequences, so a cut never splits one), and the game's one
// set of text helpers: trimming, ASCII case and reading text as UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tovk {

// The first `limit` characters of `text`, counting each UTF-8 sequence as one.
std::string CutToCharacters(std::string_view text, std::size_t limit);

// Number of characters in `text`, counting each UTF-8 sequence as one.
std::size_t CharacterCount(std::string_view text);

// Blanks, tabs and line breaks.
constexpr std::string_view kWhitespace = " \t\r\n";
constexpr std::string_view kBlanksAndTabs = " \t";

// `text` without any of `blanks` at either end.
std::string_view Trim(std::string_view text, std::string_view blanks = kWhitespace);

// `text` without blanks or control characters (any byte up to the blank) at
// either end: for lists written by hand in any editor. Inline: the station
// list's reader takes every line through it.
constexpr std::string_view TrimControls(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// ASCII letters to capitals / small letters; every other byte stays, so a
// UTF-8 text is never broken.
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

bool IsValidUtf8(std::string_view text);

// The text as UTF-8: unchanged when it is valid UTF-8, otherwise read as
// Latin-1, so no character is lost. Every reader of the game's text files
// (settings, saved game, station list) takes its lines through this.
std::string ToUtf8(std::string_view text);

template <std::size_t N>
class Text {
 public:
  static constexpr std::size_t kCapacity = N;

  Text() = default;
  Text(std::string_view text) : value_(CutToCharacters(text, N)) {}  // NOLINT: implicit on purpose
  Text(const char* text) : Text(std::string_view(text)) {}           // NOLINT
  Text(const std::string& text) : Text(std::string_view(text)) {}    // NOLINT

  Text& operator=(std::string_view text) {
    value_ = CutToCharacters(text, N);
    return *this;
  }
  Text& operator=(const char* text) { return *this = std::string_view(text); }
  Text& operator=(const std::string& text) { return *this = std::string_view(text); }

  const std::string& str() const { return value_; }
  operator const std::string&() const { return value_; }  // NOLINT: reads like a plain text
  const char* c_str() const { return value_.c_str(); }
  bool empty() const { return value_.empty(); }
  std::size_t size() const { return value_.size(); }

  friend bool operator==(const Text& a, const Text& b) { return a.value_ == b.value_; }
  friend bool operator==(const Text& a, std::string_view b) { return a.value_ == b; }
  friend bool operator==(const Text& a, const char* b) { return a.value_ == b; }
  friend std::string operator+(const Text& a, std::string_view b) {
    return a.value_ + std::string(b);
  }
  friend std::string operator+(std::string_view a, const Text& b) {
    return std::string(a) + b.value_;
  }
  friend std::string operator+(const char* a, const Text& b) { return std::string(a) + b.value_; }
  friend std::string operator+(const Text& a, const char* b) { return a.value_ + b; }
  friend std::string operator+(const std::string& a, const Text& b) { return a + b.value_; }
  friend std::string operator+(const Text& a, const std::string& b) { return a.value_ + b; }

 private:
  std::string value_;
};

}  // namespace tovk
