// What the listener sets: band noise, the receiver filter, the speaking
// rate and the volume.
#pragma once

#include "audio/receiver_filter.h"
#include "world/game_state.h"

namespace tovk::audio {

struct BandSettings {
  int noise = 30;                                // band noise 0..100
  FilterWidth filter = FilterWidth::Normal2700;  // receiver filter
  int speechRate = 100;                          // percent of each voice's own rate, 50..200
  int volume = 80;                               // 0..100
};

// The band as the settings of the game set it.
BandSettings BandSettingsOf(const SoundOptions& sound);

// The sample rate of all sound: espeak-ng's own, so nothing is resampled.
constexpr int kSampleRate = 22050;

}  // namespace tovk::audio
