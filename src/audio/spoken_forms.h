// How phone operators say what the incoming window shows: the phonetic
// alphabet for callsigns, digits one by one for serial numbers and checks,
// the sections by the names used on the air, and the procedure words. One
// table for all of it, so a test can read what each text becomes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "world/game_state.h"

namespace tovk::audio {

// "Alpha" .. "Zulu", by letter.
extern const std::array<const char*, 26> kPhoneticAlphabet;
// "zero" .. "nine", by digit.
extern const std::array<const char*, 10> kDigitWords;
// The name of each section on the air, by section index ("Connecticut").
extern const std::array<const char*, kSectionCount> kSectionOnAir;
// Procedure words and other shorthand, as said ("TU": "thank you").
extern const std::array<std::pair<const char*, const char*>, 33> kProcedureWords;

// A callsign letter by letter: "K1ABC" gives "Kilo One Alpha Bravo Charlie"
// (digits capitalised like the letters' words, "/" as "stroke").
std::string SpokenCallsign(std::string_view call);

// Digits one by one ("123": "one two three"); letters as in a callsign.
std::string SpokenDigits(std::string_view text);

// The precedence as its phonetic word ("A": "Alpha").
std::string SpokenPrecedence(std::string_view precedence);

// A section by its on-air name. `text` is as sent ("CT", "YU"); where two
// sections share a name ("LA", "SD") the one at `likelyIndex` is said when
// its name is `text`.
std::string SpokenSection(std::string_view text, int likelyIndex = -1);

// The spoken form of a procedure word, or nothing when `word` is not one.
std::optional<std::string> SpokenProcedureWord(std::string_view word);

// True for a text shaped like a callsign: letters and digits (and "/"),
// at least one of each, three characters or more.
bool LooksLikeCallsign(std::string_view word);

// Any other word, as espeak-ng reads it best: in lower case.
std::string SpokenPlainWord(std::string_view word);

}  // namespace tovk::audio
