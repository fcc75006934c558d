// The sound of the band as the game goes: each line another station says is
// taken apart, given its speaker's voice and strength from the game state at
// the moment it is appended, and made into sound. The sound's randomness is
// its own, seeded from the game's seed, so a seeded game sounds the same
// every time.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "audio/band_settings.h"
#include "audio/heard_line.h"
#include "audio/line_renderer.h"
#include "audio/speech_engine.h"
#include "audio/voices.h"
#include "world/game_state.h"

namespace tovk::audio {

// A line ready to be made into sound: what is said, who says it (the second
// voice for a QRM line) and the seed of its own randomness.
struct PlannedLine {
  HeardLine heard;
  Speaker first;
  Speaker second;
  std::uint64_t seed = 0;
};

// Plans `line` as the game appends it to the incoming window; nothing for a
// line that is not speech.
std::optional<PlannedLine> PlanLine(std::string_view line, const GameState& g,
                                    SpeakerBook& speakers, std::uint64_t seed);
// Plans a line the player transmits, in the player's own voice.
std::optional<PlannedLine> PlanOwnLine(std::string_view line, const GameState& g,
                                       std::uint64_t seed);

// Makes a planned line into sound.
RenderedLine RenderLine(LineRenderer& renderer, const PlannedLine& line);

class BandSound {
 public:
  BandSound(SpeechEngine& engine, std::uint64_t gameSeed)
      : engine_(engine), renderer_(engine, settings), gameSeed_(gameSeed) {}
  BandSound(const BandSound&) = delete;
  BandSound& operator=(const BandSound&) = delete;

  BandSettings settings;

  // The sound of `line` as the game appends it to the incoming window, or
  // nothing for a line that is not speech or when there is no speech engine.
  std::optional<RenderedLine> Hear(std::string_view line, const GameState& g);
  // The sound of a line the player transmits, in the player's own voice.
  std::optional<RenderedLine> HearOwn(std::string_view line, const GameState& g);

  // The whole sound of the line heard last, band noise included, as its file keeps it.
  std::vector<std::int16_t> MixLastLine(const RenderedLine& line) const;

 private:
  std::uint64_t LineSeed(std::uint64_t salt) const;

  SpeechEngine& engine_;
  LineRenderer renderer_;
  SpeakerBook speakers_;
  std::uint64_t gameSeed_;
  std::uint64_t linesHeard_ = 0;
};

}  // namespace tovk::audio
