// A speech engine for tests: it records every text it is asked to say and
// answers with a tone, 50 ms a word, so lines have a length without espeak-ng.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/speech_engine.h"

namespace tovk::audio {

class RecordingEngine final : public SpeechEngine {
 public:
  bool Ready() const override { return ready; }
  std::string Problem() const override { return ready ? "" : "no speech engine"; }
  int SampleRate() const override { return 22050; }
  bool Say(const std::string& words, const Voice& voice,
           std::vector<std::int16_t>& samples) override {
    said.push_back(words);
    voices.push_back(voice);
    const int wordCount = 1 + static_cast<int>(std::count(words.begin(), words.end(), ' '));
    for (int i = 0; i < wordCount * 1102; ++i)
      samples.push_back(static_cast<std::int16_t>(8000 * std::sin(i * 0.1)));
    return true;
  }

  bool ready = true;
  std::vector<std::string> said;
  std::vector<Voice> voices;
};

}  // namespace tovk::audio
