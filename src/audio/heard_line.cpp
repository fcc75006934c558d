// Taking an incoming line apart: the exchange a station sends, and every
// other line word by word.
#include "audio/heard_line.h"

#include <cctype>

#include "audio/spoken_forms.h"
#include "world/on_the_air.h"
#include "world/sections.h"

namespace tovk::audio {
namespace {

constexpr std::string_view kNoiseCharacters = "!@#$%&*";
constexpr std::string_view kQrmLine = "#$%&*  QRM  ##@$%&*";

bool IsNoise(char c) {
  return kNoiseCharacters.find(c) != std::string_view::npos;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// Splits a run of noise into the exchange's lost parts ("!@$%&*@$" is a lost
// number and a lost precedence); a run of any other shape stays whole.
void AddNoiseRun(std::string_view run, std::vector<std::string>& tokens) {
  std::vector<std::string> pieces;
  std::string_view rest = run;
  while (!rest.empty()) {
    if (rest.starts_with(kLostPart)) {
      pieces.emplace_back(kLostPart);
      rest.remove_prefix(kLostPart.size());
      continue;
    }
    if (rest.starts_with(kLostPrecedence)) {
      pieces.emplace_back(kLostPrecedence);
      rest.remove_prefix(kLostPrecedence.size());
      continue;
    }
    tokens.emplace_back(run);
    return;
  }
  tokens.insert(tokens.end(), pieces.begin(), pieces.end());
}

// Words and runs of noise, in order. Noise glued to a word is a part of its
// own; noise runs with single blanks between them ("#@$ %&*") are one part.
std::vector<std::string> Tokens(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    if (IsNoise(line[i])) {
      while (i < line.size() &&
             (IsNoise(line[i]) || (line[i] == ' ' && i + 1 < line.size() && IsNoise(line[i + 1]))))
        ++i;
      AddNoiseRun(line.substr(start, i - start), tokens);
      continue;
    }
    while (i < line.size() && line[i] != ' ' && !IsNoise(line[i])) ++i;
    tokens.emplace_back(line.substr(start, i - start));
  }
  return tokens;
}

bool IsLost(std::string_view token) {
  return !token.empty() && IsNoise(token[0]);
}

int SectionInHand(const GameState& g) {
  if (g.StationIndex < 0 || g.StationIndex >= kPoolSize) return -1;
  return g.StationSection[g.StationIndex];
}

// The words of exchange part `index` (0 number .. 5 section) of `text`.
std::string ExchangeWords(int index, std::string_view text, const GameState& g) {
  switch (index) {
    case 0:
    case 4:
      return SpokenDigits(text);
    case 1:
      return SpokenPrecedence(text);
    case 2:
      return SpokenCallsign(text);
    case 3:
      return "check";
    default:
      return SpokenSection(text, SectionInHand(g));
  }
}

// Mycall + " UR" and the six parts of the exchange, each sent or lost.
bool HearExchange(const std::vector<std::string>& tokens, const GameState& g, HeardLine& heard) {
  if (tokens.size() != 8 || tokens[0] != g.Mycall.str() || tokens[1] != "UR") return false;
  heard.parts.push_back({tokens[0], SpokenCallsign(tokens[0]), false});
  heard.parts.push_back({tokens[1], *SpokenProcedureWord("UR"), false});
  for (int part = 0; part < 6; ++part) {
    const std::string& token = tokens[2 + part];
    if (!IsLost(token)) {
      heard.parts.push_back({token, ExchangeWords(part, token, g), false});
      continue;
    }
    const std::string sent = Trimmed(g.PartText[static_cast<Part>(part)].str());
    heard.parts.push_back({token, ExchangeWords(part, sent, g), true});
  }
  return true;
}

// What a lost part of any other line would have said: the station's own
// callsign when the line does not name it, else the middle of its exchange.
std::string LostWords(const std::vector<std::string>& tokens, const GameState& g) {
  for (const std::string& token : tokens) {
    if (token == g.Hiscall.str()) {
      return SpokenDigits(Trimmed(g.Hisnumber.str())) + " " + SpokenPrecedence(g.Hisprec.str()) +
             " check " + SpokenDigits(g.Hischeck.str());
    }
  }
  return SpokenCallsign(g.Hiscall.str());
}

std::string WordOf(std::string_view token, bool afterNoise, const GameState& g) {
  if (afterNoise && token == g.Hissection.str()) return SpokenSection(token, SectionInHand(g));
  if (const auto procedure = SpokenProcedureWord(token)) return *procedure;
  if (LooksLikeCallsign(token)) return SpokenCallsign(token);
  return SpokenPlainWord(token);
}

}  // namespace

HeardLine HearIncomingLine(std::string_view line, const GameState& g) {
  HeardLine heard;
  if (!IsSaidOnTheAir(line)) return heard;
  const std::vector<std::string> tokens = Tokens(line);
  if (line == kQrmLine) {
    heard.sound = LineSound::Qrm;
    for (const std::string& token : tokens) heard.parts.push_back({token, {}, true});
    return heard;
  }
  heard.sound = LineSound::Speech;
  if (HearExchange(tokens, g, heard)) return heard;
  bool afterNoise = false;
  for (const std::string& token : tokens) {
    if (IsLost(token)) {
      heard.parts.push_back({token, LostWords(tokens, g), true});
      afterNoise = true;
      continue;
    }
    heard.parts.push_back({token, WordOf(token, afterNoise, g), false});
    afterNoise = false;
  }
  return heard;
}

}  // namespace tovk::audio
