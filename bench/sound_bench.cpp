// The sound's speed and latency. Speed: seconds of sound made per second of
// processor time for a typical exchange line with band noise, the receiver
// filter and fading, against espeak-ng saying the same words bare into
// memory in the same run, per voice. Latency: from a line to the first 20 ms
// block of its sound ready to play.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "audio/band_mixer.h"
#include "audio/band_sound.h"
#include "audio/espeak_engine.h"
#include "audio/heard_line.h"
#include "audio/voices.h"

namespace {

using namespace tovk::audio;

constexpr const char* kLine = "K1XYZ UR 123 A W1AW Check 68!@$%&*";
constexpr int kRounds = 40;

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// A contact with a weak station: 1 in 10 on 15 m late in the evening, so it
// fades; the station list's callsign is W1AW in Connecticut.
tovk::GameState WeakContact() {
  tovk::GameState g;
  g.Mycall = "K1XYZ";
  g.Hiscall = "W1AW";
  g.StationIndex = 1;
  g.StationSection[1] = 0;
  g.Band = "15";
  g.Hour = 23;
  const char* sent[] = {"123", "A", "W1AW", "Check", "68", "CT"};
  for (int i = 0; i < 6; ++i) g.PartText[static_cast<tovk::Part>(i)] = sent[i];
  return g;
}

// The words of the line as one text, as a bare synthesis says them.
std::string SpokenWords(const tovk::GameState& g) {
  std::string words;
  for (const LinePart& part : HearIncomingLine(kLine, g).parts) {
    if (part.lost) continue;
    words += (words.empty() ? "" : ", ") + part.words;
  }
  return words;
}

// The voice `call` gets, with the variant replaced by `variant`.
Voice WithVariant(const std::string& call, const std::string& variant) {
  Voice voice = StationVoice(call);
  voice.name = "en-us+" + variant;
  return voice;
}

// Plays the line through the whole pipeline with each station voice in turn:
// a speech engine that always answers in the given voice.
class OneVoiceEngine final : public SpeechEngine {
 public:
  OneVoiceEngine(SpeechEngine& engine, Voice voice) : engine_(engine), voice_(std::move(voice)) {}
  bool Ready() const override { return engine_.Ready(); }
  std::string Problem() const override { return engine_.Problem(); }
  int SampleRate() const override { return engine_.SampleRate(); }
  bool Say(const std::string& words, const Voice&, std::vector<std::int16_t>& samples) override {
    return engine_.Say(words, voice_, samples);
  }

 private:
  SpeechEngine& engine_;
  Voice voice_;
};

void Speed(EspeakEngine& espeak, const tovk::GameState& g) {
  std::printf("Speed: seconds of sound per CPU second, line \"%s\"\n", kLine);
  std::printf("%-10s %12s %12s %8s\n", "voice", "bare espeak", "pipeline", "ratio");
  const std::string words = SpokenWords(g);
  double worst = 0;
  for (const char* variant : kStationVariants) {
    const Voice voice = WithVariant("W1AW", variant);
    OneVoiceEngine engine(espeak, voice);
    BandSound sound(engine, 1);
    // Bare and pipeline take turns, so a machine busy with other work
    // slows both alike.
    double bareSound = 0;
    double bareCpu = 0;
    double pipelineSound = 0;
    double pipelineCpu = 0;
    for (int i = 0; i < kRounds; ++i) {
      const double bareStart = CpuSeconds();
      std::vector<std::int16_t> samples;
      espeak.Say(words, voice, samples);
      bareCpu += CpuSeconds() - bareStart;
      bareSound += static_cast<double>(samples.size()) / kSampleRate;

      const double pipelineStart = CpuSeconds();
      const auto line = sound.Hear(kLine, g);
      const auto pcm = sound.MixLastLine(*line);
      pipelineCpu += CpuSeconds() - pipelineStart;
      pipelineSound += static_cast<double>(pcm.size()) / kSampleRate;
    }
    const double bareRate = bareSound / bareCpu;
    const double pipelineRate = pipelineSound / pipelineCpu;
    worst = std::max(worst, bareRate / pipelineRate);
    std::printf("%-10s %12.0f %12.0f %7.2fx\n", variant, bareRate, pipelineRate,
                bareRate / pipelineRate);
  }
  std::printf("Pipeline at worst %.2fx slower than bare synthesis (goal: at most 2x)\n\n", worst);
}

void Latency(EspeakEngine& espeak, const tovk::GameState& g) {
  BandSound sound(espeak, 1);
  BandMixer mixer(sound.settings, 1);
  std::vector<double> millis;
  std::vector<std::int16_t> block(kSampleRate / 50);
  for (int i = 0; i < kRounds * 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const auto line = sound.Hear(kLine, g);
    mixer.StopSpeech();
    mixer.Queue(line->signal);
    mixer.Fill(block.data(), block.size());
    millis.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(millis.begin(), millis.end());
  std::printf(
      "Latency: line to first 20 ms block, median %.1f ms, worst %.1f ms (goal: at most 30 ms)\n",
      millis[millis.size() / 2], millis.back());
}

}  // namespace

int main() {
  EspeakEngine espeak;
  if (!espeak.Ready()) {
    std::printf("No speech engine: %s\n", espeak.Problem().c_str());
    return 1;
  }
  const tovk::GameState g = WeakContact();
  Speed(espeak, g);
  Latency(espeak, g);
  return 0;
}
