// The band's settings from the game's sound settings.
#include "audio/band_settings.h"

namespace tovk::audio {

BandSettings BandSettingsOf(const SoundOptions& sound) {
  BandSettings settings;
  settings.noise = sound.noise;
  settings.filter = FilterWidthNamed(sound.filter).value_or(FilterWidth::Normal2700);
  settings.speechRate = sound.speechRate;
  settings.volume = sound.volume;
  return settings;
}

}  // namespace tovk::audio
