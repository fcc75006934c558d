// The table of spoken forms and the functions that read it.
#include "audio/spoken_forms.h"

#include <algorithm>
#include <cctype>

#include "world/sections.h"

namespace tovk::audio {

const std::array<const char*, 26> kPhoneticAlphabet = {
    "Alpha",  "Bravo", "Charlie", "Delta",  "Echo",     "Foxtrot", "Golf",   "Hotel",  "India",
    "Juliet", "Kilo",  "Lima",    "Mike",   "November", "Oscar",   "Papa",   "Quebec", "Romeo",
    "Sierra", "Tango", "Uniform", "Victor", "Whiskey",  "X-ray",   "Yankee", "Zulu"};

const std::array<const char*, 10> kDigitWords = {"zero", "one", "two",   "three", "four",
                                                 "five", "six", "seven", "eight", "nine"};

const std::array<const char*, kSectionCount> kSectionOnAir = {
    // W1
    "Connecticut", "Eastern Massachusetts", "Maine", "New Hampshire", "Rhode Island", "Vermont",
    "Western Massachusetts",
    // W2
    "Eastern New York", "New York City Long Island", "Northern New Jersey", "Southern New Jersey",
    "Western New York",
    // W3
    "Delaware", "Eastern Pennsylvania", "Maryland D C", "Western Pennsylvania",
    // W4
    "Alabama", "Georgia", "Kentucky", "North Carolina", "Northern Florida", "South Carolina",
    "Southern Florida", "Tennessee", "Virginia", "West Indies",
    // W5
    "Arkansas", "Louisiana", "Mississippi", "New Mexico", "North Texas", "Oklahoma", "South Texas",
    "Canal Zone",
    // W6
    "East Bay", "Los Angeles", "Orange", "Santa Barbara", "Santa Clara Valley", "San Diego",
    "San Francisco", "San Joaquin Valley", "Sacramento Valley", "Pacific",
    // W7
    "Arizona", "Idaho", "Montana", "Nevada", "Oregon", "Utah", "Washington", "Alaska", "Wyoming",
    // W8
    "Michigan", "Ohio", "West Virginia",
    // W9
    "Illinois", "Indiana", "Wisconsin",
    // W0
    "Colorado", "Iowa", "Kansas", "Minnesota", "Missouri", "Nebraska", "North Dakota",
    "South Dakota",
    // VE
    "Maritime", "Quebec", "Ontario", "Manitoba", "Saskatchewan", "Alberta", "British Columbia",
    "Northwest Territories"};

const std::array<std::pair<const char*, const char*>, 33> kProcedureWords = {{
    {"QSL?", "Q S L?"},      {"QSL", "Q S L"},
    {"73", "seventy-three"}, {"CUL", "see you later"},
    {"TU", "thank you"},     {"QRZ", "Q R Z?"},
    {"QRZ?", "Q R Z?"},      {"SRI", "sorry"},
    {"AGN", "again"},        {"B4", "before"},
    {"DE", "this is"},       {"UR", "number"},
    {"CQ", "C Q"},           {"SS", "sweepstakes"},
    {"QRM", "Q R M"},        {"QRM,", "Q R M,"},
    {"RPT", "repeat"},       {"RPT?", "repeat?"},
    {"QSO", "Q S O"},        {"OM", "old man"},
    {"OM,", "old man,"},     {"SCT?", "section?"},
    {"SECT?", "section?"},   {"CHEK?", "check?"},
    {"CHECK?", "check?"},    {"PREC?", "precedence?"},
    {"NUMBER?", "number?"},  {"Check", "check"},
    {"DC", "D C"},           {"BBC", "B B C"},
    {"I'M", "I'm"},          {"...", ","},
    {"YU", "Yukon"},
}};

namespace {

void AddWord(std::string& out, std::string_view word) {
  if (word.empty()) return;
  if (!out.empty()) out += ' ';
  out += word;
}

// A digit's word with a capital, to match the letters' words in a callsign.
std::string CapitalDigit(char digit) {
  std::string word = kDigitWords[digit - '0'];
  word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
  return word;
}

// One character of a callsign or number; `capitalDigits` for callsigns.
std::string CharacterWord(char c, bool capitalDigits) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (std::isdigit(u)) return capitalDigits ? CapitalDigit(c) : kDigitWords[c - '0'];
  if (std::isalpha(u)) return kPhoneticAlphabet[std::toupper(u) - 'A'];
  if (c == '/') return "stroke";
  return {};
}

std::string SpellOut(std::string_view text, bool capitalDigits) {
  std::string out;
  for (const char c : text) AddWord(out, CharacterWord(c, capitalDigits));
  return out;
}

}  // namespace

std::string SpokenCallsign(std::string_view call) {
  return SpellOut(call, true);
}

std::string SpokenDigits(std::string_view text) {
  return SpellOut(text, false);
}

std::string SpokenPrecedence(std::string_view precedence) {
  return SpellOut(precedence, true);
}

std::string SpokenSection(std::string_view text, int likelyIndex) {
  if (likelyIndex >= 0 && likelyIndex < kSectionCount && text == kSectionNames[likelyIndex])
    return kSectionOnAir[likelyIndex];
  for (int i = 0; i < kSectionCount; ++i) {
    if (text == kSectionNames[i]) return kSectionOnAir[i];
  }
  if (const auto word = SpokenProcedureWord(text)) return *word;
  return SpokenPlainWord(text);
}

std::optional<std::string> SpokenProcedureWord(std::string_view word) {
  for (const auto& [text, spoken] : kProcedureWords) {
    if (word == text) return std::string(spoken);
  }
  return std::nullopt;
}

bool LooksLikeCallsign(std::string_view word) {
  if (word.size() < 3) return false;
  bool letter = false;
  bool digit = false;
  for (const char c : word) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isupper(u)) {
      letter = true;
    } else if (std::isdigit(u)) {
      digit = true;
    } else if (c != '/') {
      return false;
    }
  }
  return letter && digit;
}

std::string SpokenPlainWord(std::string_view word) {
  std::string out(word);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace tovk::audio
