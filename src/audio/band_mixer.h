// The pull-style mixer: a front-end asks for the next block of samples and
// gets the band-noise bed with any queued speech mixed in, through the
// receiver filter, as 16-bit mono PCM. The game thread queues lines while an
// audio thread pulls blocks; a mutex guards the short moments they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "audio/band_settings.h"
#include "audio/sound_random.h"

namespace tovk::audio {

class BandMixer {
 public:
  BandMixer(const BandSettings& settings, std::uint64_t seed);

  void SetSettings(const BandSettings& settings);

  // Plays `signal` after whatever speech is already queued.
  void Queue(const std::vector<float>& signal);
  // Stops what is being heard at once (the player transmits); noise goes on.
  void StopSpeech();
  // Samples of queued speech not yet pulled.
  std::size_t SpeechPending() const;

  // The next `count` samples of the band.
  void Fill(std::int16_t* out, std::size_t count);
  // The next signal.size() samples of the band with `signal` heard over
  // them instead of the queue: a whole line at once.
  void FillOver(const std::vector<float>& signal, std::int16_t* out);

 private:
  void Mix(const float* speech, std::size_t speechCount, std::int16_t* out, std::size_t count);

  mutable std::mutex mutex_;
  BandSettings settings_;
  ReceiverFilter filter_;
  SoundRandom random_;
  std::vector<float> speech_;
  std::size_t played_ = 0;  // samples of speech_ already pulled
};

// The whole sound of one line as a file holds it: `signal` over band noise,
// from a mixer of its own seeded with `seed`.
std::vector<std::int16_t> MixLine(const std::vector<float>& signal, const BandSettings& settings,
                                  std::uint64_t seed);

}  // namespace tovk::audio
