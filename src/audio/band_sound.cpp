// From an incoming line to its sound.
#include "audio/band_sound.h"

#include "audio/band_mixer.h"
#include "audio/heard_line.h"
#include "audio/sound_random.h"

namespace tovk::audio {

std::uint64_t BandSound::LineSeed(std::uint64_t salt) const {
  std::uint64_t state = gameSeed_ ^ Fnv1a("line sound");
  state += linesHeard_ * 0x2545f4914f6cdd1dull + salt;
  return SplitMix64(state);
}

std::optional<RenderedLine> BandSound::Hear(std::string_view line, const GameState& g) {
  const HeardLine heard = HearIncomingLine(line, g);
  if (heard.sound == LineSound::Silence || !engine_.Ready()) return std::nullopt;
  ++linesHeard_;
  const Speaker first = speakers_.SpeakerOf(line, g);
  const Speaker second = speakers_.OtherStation(first, g);
  SoundRandom random(LineSeed(1));
  return renderer_.Render(heard, first, second, random);
}

std::vector<std::int16_t> BandSound::MixLastLine(const RenderedLine& line) const {
  return MixLine(line.signal, settings, LineSeed(2));
}

}  // namespace tovk::audio
