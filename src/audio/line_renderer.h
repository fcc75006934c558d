// A heard line made into sound: the stations' speech at their strength,
// with slow fading, and crashes of static where parts are lost, laid out in
// time with one cue per part. Band noise and the receiver filter are added
// by the mixer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/band_settings.h"
#include "audio/heard_line.h"
#include "audio/sound_random.h"
#include "audio/speech_engine.h"
#include "audio/voices.h"

namespace tovk::audio {

// A part of the line and where it sits in the line's sound.
struct Cue {
  double start = 0;  // seconds from the start of the line's sound
  double end = 0;
  std::string text;  // as the incoming window shows it
};

struct RenderedLine {
  std::vector<float> signal;  // speech and static, full scale 1.0, no band noise
  std::vector<Cue> cues;      // in the order said
  bool ok = true;             // false when the speech engine failed
};

// How long `words` would take to say at `rate` words per minute: syllables
// counted from the spelling, at the pace espeak-ng keeps.
double SpokenSeconds(const std::string& words, int rate);

class LineRenderer {
 public:
  LineRenderer(SpeechEngine& engine, const BandSettings& settings)
      : engine_(engine), settings_(settings) {}

  // `first` speaks the line; `second` is the other voice of a QRM line.
  RenderedLine Render(const HeardLine& line, const Speaker& first, const Speaker& second,
                      SoundRandom& random);

 private:
  Voice AtRate(Voice voice) const;
  std::vector<float> Speak(const std::string& words, const Voice& voice, bool& ok);
  // Adds `words` said in `voice` to `track` from sample `at`; returns their length.
  std::size_t SpeakInto(std::vector<float>& track, std::size_t at, const std::string& words,
                        const Voice& voice, bool& ok);
  RenderedLine RenderSpeech(const HeardLine& line, const Speaker& speaker, SoundRandom& random);
  RenderedLine RenderQrm(const HeardLine& line, const Speaker& first, const Speaker& second,
                         SoundRandom& random);

  SpeechEngine& engine_;
  const BandSettings& settings_;
  std::vector<std::int16_t> said_;  // the engine's samples, kept to save allocations
};

}  // namespace tovk::audio
