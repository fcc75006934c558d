// An incoming line taken apart into what is said, in the order it is said:
// each part with its text as the incoming window shows it, its spoken words
// and whether it is lost in noise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "world/game_state.h"

namespace tovk::audio {

// What a line sounds like.
enum class LineSound {
  Silence,  // not speech ("*** No response", a blank line): band noise only
  Speech,   // one station speaking, lost parts as crashes of static
  Qrm,      // two stations over each other under noise
};

struct LinePart {
  std::string text;   // exactly as the incoming window shows it
  std::string words;  // as said; for a lost part, what would have been said
  bool lost = false;  // lost in noise: heard as static, never spoken
};

struct HeardLine {
  LineSound sound = LineSound::Silence;
  std::vector<LinePart> parts;
};

// The noise texts that stand for a part lost in noise.
constexpr std::string_view kLostPart = "!@$%&*";
constexpr std::string_view kLostPrecedence = "@$";

// Takes `line`, as the game appends it to the incoming window, apart. The
// game state at that moment gives the parts' spoken forms: which section a
// shared name means, and how long a lost part would have taken to say.
HeardLine HearIncomingLine(std::string_view line, const GameState& g);

}  // namespace tovk::audio
