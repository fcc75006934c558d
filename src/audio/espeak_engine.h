// The speech engine on espeak-ng, called in-process through its C API with
// synchronous synthesis into memory. espeak-ng keeps global state, so the
// program has one engine at most: a second one reports itself not ready.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/speech_engine.h"

namespace tovk::audio {

struct EspeakLibrary;

class EspeakEngine final : public SpeechEngine {
 public:
  // `dataPath` empty: espeak-ng's own data folder.
  explicit EspeakEngine(const std::string& dataPath = {});
  ~EspeakEngine() override;
  EspeakEngine(const EspeakEngine&) = delete;
  EspeakEngine& operator=(const EspeakEngine&) = delete;

  bool Ready() const override { return ready_; }
  std::string Problem() const override { return problem_; }
  int SampleRate() const override { return sampleRate_; }
  bool Say(const std::string& words, const Voice& voice,
           std::vector<std::int16_t>& samples) override;

 private:
  bool UseVoice(const Voice& voice);

  bool ready_ = false;
  bool owner_ = false;  // this object started espeak-ng and terminates it
  const EspeakLibrary* espeak_ = nullptr;
  std::string problem_;
  int sampleRate_ = 22050;
  std::string voiceName_;  // the voice espeak-ng has loaded
};

}  // namespace tovk::audio
