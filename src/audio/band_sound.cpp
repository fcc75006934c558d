// From an incoming line to its sound.
#include "audio/band_sound.h"

#include "audio/band_mixer.h"
#include "audio/sound_random.h"

namespace tovk::audio {

std::uint64_t BandSound::LineSeed(std::uint64_t salt) const {
  std::uint64_t state = gameSeed_ ^ Fnv1a("line sound");
  state += linesHeard_ * 0x2545f4914f6cdd1dull + salt;
  return SplitMix64(state);
}

std::optional<PlannedLine> PlanLine(std::string_view line, const GameState& g,
                                    SpeakerBook& speakers, std::uint64_t seed) {
  HeardLine heard = HearIncomingLine(line, g);
  if (heard.sound == LineSound::Silence) return std::nullopt;
  Speaker first = speakers.SpeakerOf(line, g);
  Speaker second = speakers.OtherStation(first, g);
  return PlannedLine{std::move(heard), std::move(first), std::move(second), seed};
}

std::optional<PlannedLine> PlanOwnLine(std::string_view line, const GameState& g,
                                       std::uint64_t seed) {
  HeardLine heard = HearIncomingLine(line, g);
  if (heard.sound == LineSound::Silence) return std::nullopt;
  // Nobody transmits over the player: a QRM-like line is said plainly.
  heard.sound = LineSound::Speech;
  const Speaker own = OwnSpeaker(g.Mycall.str());
  return PlannedLine{std::move(heard), own, own, seed};
}

RenderedLine RenderLine(LineRenderer& renderer, const PlannedLine& line) {
  SoundRandom random(line.seed);
  return renderer.Render(line.heard, line.first, line.second, random);
}

std::optional<RenderedLine> BandSound::Hear(std::string_view line, const GameState& g) {
  if (!engine_.Ready() || HearIncomingLine(line, g).sound == LineSound::Silence)
    return std::nullopt;
  ++linesHeard_;
  const auto planned = PlanLine(line, g, speakers_, LineSeed(1));
  return RenderLine(renderer_, *planned);
}

std::optional<RenderedLine> BandSound::HearOwn(std::string_view line, const GameState& g) {
  if (!engine_.Ready() || HearIncomingLine(line, g).sound == LineSound::Silence)
    return std::nullopt;
  ++linesHeard_;
  const auto planned = PlanOwnLine(line, g, LineSeed(1));
  return RenderLine(renderer_, *planned);
}

std::vector<std::int16_t> BandSound::MixLastLine(const RenderedLine& line) const {
  return MixLine(line.signal, settings, LineSeed(2));
}

}  // namespace tovk::audio
