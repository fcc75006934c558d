// The terminal front-end's input: one line at a time, commands and the
// answers to the game's questions alike.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tovk::term {

// Thrown when the input ends while the game waits for an answer: the
// program then ends at once, as if it had been killed.
struct InputEnded {};

class LineInput {
 public:
  explicit LineInput(std::istream& in) : in_(in) {}

  // The next line without its line end (LF or CR LF); nullopt at the end.
  std::optional<std::string> Next() {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

  // The next line, or InputEnded thrown.
  std::string Answer() {
    auto line = Next();
    if (!line) throw InputEnded{};
    return *line;
  }

 private:
  std::istream& in_;
};

}  // namespace tovk::term
