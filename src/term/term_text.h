// Text helpers of the terminal front-end's line protocol: splitting a
// message box's text into lines, and reading the numbers and answers the
// player types.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tovk::term {

// The lines of a message box's text. A line feed, a carriage return, or a
// pair of them in either order (LF CR, CR LF) is one break; one break at the
// very end closes the last line and opens no new one. An empty text is one
// empty line (the box still appears).
std::vector<std::string> SplitMessageLines(std::string_view text);

// `text` on one output line: every line break becomes a blank.
std::string OneLine(std::string_view text);

// A Yes/No answer: "y" or "yes" in any case, blanks around ignored, is Yes.
bool IsYes(std::string_view answer);

// A spin box's value as typed: a whole number, clamped to low..high; text
// that is not a whole number reads as 0 (then clamped).
int SpinValue(std::string_view text, int low, int high);

// The answer to the timeout dialog: "H M" is OK with hours and minutes
// (0..60, 0..59; a missing value reads as 0), an empty answer is Cancel.
std::optional<std::pair<int, int>> ParseTimeoutAnswer(std::string_view answer);

}  // namespace tovk::term
