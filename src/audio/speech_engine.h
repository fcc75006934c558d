// The one small interface through which the sound reaches a speech
// synthesiser: words in a voice become samples in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/voices.h"

namespace tovk::audio {

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;

  // False when the engine or its voice data is missing or failed to start;
  // Problem() then says why.
  virtual bool Ready() const = 0;
  virtual std::string Problem() const = 0;

  // The rate of the samples Say() gives, per second.
  virtual int SampleRate() const = 0;

  // Appends `words` said in `voice` to `samples`. False when the engine fails.
  virtual bool Say(const std::string& words, const Voice& voice,
                   std::vector<std::int16_t>& samples) = 0;
};

}  // namespace tovk::audio
