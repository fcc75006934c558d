// Band noise, speech, the receiver filter and the volume, sample by sample.
#include "audio/band_mixer.h"

#include <algorithm>
#include <cmath>

namespace tovk::audio {
namespace {

// Noise level 100 gives this much noise (RMS, full scale 1.0) before the
// filter; the level goes by its square, so the low levels where weak
// stations are still copied get most of the scale.
constexpr float kLoudestNoise = 0.18f;

float NoiseAmplitude(int level) {
  const float share = std::clamp(level, 0, 100) / 100.0f;
  // Two uniform draws summed have an RMS of sqrt(2/3).
  return kLoudestNoise * share * share / std::sqrt(2.0f / 3.0f);
}

}  // namespace

BandMixer::BandMixer(const BandSettings& settings, std::uint64_t seed)
    : settings_(settings), filter_(kSampleRate, settings.filter), random_(seed) {}

void BandMixer::SetSettings(const BandSettings& settings) {
  std::lock_guard lock(mutex_);
  if (settings.filter != settings_.filter) filter_ = ReceiverFilter(kSampleRate, settings.filter);
  settings_ = settings;
}

void BandMixer::Queue(const std::vector<float>& signal) {
  std::lock_guard lock(mutex_);
  if (played_ > 0 && played_ >= speech_.size() / 2) {
    speech_.erase(speech_.begin(), speech_.begin() + static_cast<std::ptrdiff_t>(played_));
    played_ = 0;
  }
  speech_.insert(speech_.end(), signal.begin(), signal.end());
}

void BandMixer::StopSpeech() {
  std::lock_guard lock(mutex_);
  speech_.clear();
  played_ = 0;
}

std::size_t BandMixer::SpeechPending() const {
  std::lock_guard lock(mutex_);
  return speech_.size() - played_;
}

void BandMixer::Fill(std::int16_t* out, std::size_t count) {
  std::lock_guard lock(mutex_);
  const std::size_t speech = std::min(count, speech_.size() - played_);
  Mix(speech_.data() + played_, speech, out, count);
  played_ += speech;
}

void BandMixer::FillOver(const std::vector<float>& signal, std::int16_t* out) {
  std::lock_guard lock(mutex_);
  Mix(signal.data(), signal.size(), out, signal.size());
}

void BandMixer::Mix(const float* speech, std::size_t speechCount, std::int16_t* out,
                    std::size_t count) {
  const float noise = NoiseAmplitude(settings_.noise);
  const float volume = std::clamp(settings_.volume, 0, 100) / 100.0f * 32767.0f;
  for (std::size_t i = 0; i < count; ++i) {
    const auto [a, b] = random_.SignedPair();
    float sample = (a + b) * noise;
    if (i < speechCount) sample += speech[i];
    const float heard = std::clamp(filter_.Process(sample) * volume, -32768.0f, 32767.0f);
    out[i] = static_cast<std::int16_t>(std::lrint(heard));
  }
}

std::vector<std::int16_t> MixLine(const std::vector<float>& signal, const BandSettings& settings,
                                  std::uint64_t seed) {
  BandMixer mixer(settings, seed);
  std::vector<std::int16_t> pcm(signal.size());
  mixer.FillOver(signal, pcm.data());
  return pcm;
}

}  // namespace tovk::audio
