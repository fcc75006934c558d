// Laying out a line's sound: a moment of band before the first word, the
// parts one after the other with short pauses, and the band again after.
#include "audio/line_renderer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace tovk::audio {
namespace {

constexpr double kLeadIn = 0.25;  // band heard before the first word
constexpr double kPause = 0.09;   // between two parts
constexpr double kTail = 0.30;    // band heard after the last word
constexpr float kSpeechRms = 0.16f;
constexpr float kStaticRms = 0.22f;
constexpr std::int16_t kSilence = 250;  // below this the engine is pausing
// espeak-ng's pace: syllables per word of its rate, as measured on the
// phonetic alphabet and the digits.
constexpr double kSyllablesPerWord = 1.5;

// The two stations of a QRM line say nothing the game knows.
constexpr const char* kQrmFirst = "C Q sweepstakes, C Q sweepstakes";
constexpr const char* kQrmSecond = "Q R Z, Q R Z sweepstakes";

int Samples(double seconds) {
  return static_cast<int>(std::lround(seconds * kSampleRate));
}
double Seconds(std::size_t samples) {
  return static_cast<double>(samples) / kSampleRate;
}

float Decibels(double db) {
  return static_cast<float>(std::pow(10.0, db / 20.0));
}

int Syllables(std::string_view word) {
  int count = 0;
  bool inVowel = false;
  for (const char c : word) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool vowel = std::string_view("aeiouy").find(lower) != std::string_view::npos;
    if (vowel && !inVowel) ++count;
    inVowel = vowel;
  }
  if (count > 1 && (word.ends_with('e') || word.ends_with('E'))) --count;
  return std::max(count, 1);
}

// The stretch of `samples` without the engine's own silence before and
// after the words, keeping 10 ms of it.
std::pair<std::size_t, std::size_t> Spoken(const std::vector<std::int16_t>& samples) {
  const auto loud = [](std::int16_t s) { return std::abs(s) >= kSilence; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  if (first == samples.end()) return {0, 0};
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  const auto margin = static_cast<std::size_t>(Samples(0.01));
  const auto from = static_cast<std::size_t>(first - samples.begin());
  const auto to = static_cast<std::size_t>(last - samples.begin());
  return {from > margin ? from - margin : 0, std::min(samples.size(), to + margin)};
}

// Brings the speech in `track` to the speaker's strength and fades it
// slowly when the path is weak.
void Strengthen(std::vector<float>& track, const Speaker& speaker, SoundRandom& random) {
  double sum = 0;
  std::size_t voiced = 0;
  for (const float s : track) {
    if (std::abs(s) < 0.01f) continue;
    sum += static_cast<double>(s) * s;
    ++voiced;
  }
  if (voiced == 0) return;
  const float gain =
      kSpeechRms / static_cast<float>(std::sqrt(sum / voiced)) * Decibels(speaker.levelDb);
  const double period = 4.0 + random.Unit() * 6.0;
  const double phase = random.Unit() * 2.0 * std::numbers::pi;
  // The fading moves over seconds: one step of gain per 5 ms is smooth enough.
  constexpr std::size_t kStep = kSampleRate / 200;
  for (std::size_t from = 0; from < track.size(); from += kStep) {
    float fade = 1.0f;
    if (speaker.fadingDb > 0) {
      const double swing =
          (1.0 - std::cos(2.0 * std::numbers::pi * Seconds(from) / period + phase)) / 2;
      fade = Decibels(-speaker.fadingDb * swing);
    }
    const std::size_t to = std::min(track.size(), from + kStep);
    for (std::size_t i = from; i < to; ++i) track[i] *= gain * fade;
  }
}

// A crash of static over [start, start + length): a noise burst with a soft
// edge and a few clicks.
void AddStatic(std::vector<float>& track, int start, int length, SoundRandom& random) {
  const int edge = std::max(1, std::min(Samples(0.03), length / 4));
  float click = 0;
  for (int i = 0; i < length && start + i < static_cast<int>(track.size()); ++i) {
    const float envelope =
        std::min({1.0f, static_cast<float>(i) / edge, static_cast<float>(length - i) / edge});
    if (random.Below(600) == 0) click = random.Signed() * 0.9f;
    click *= 0.97f;
    track[start + i] += envelope * (random.Signed() * kStaticRms * 1.7f + click);
  }
}

void Place(std::vector<float>& track, int at, const std::vector<float>& sound) {
  if (track.size() < at + sound.size()) track.resize(at + sound.size(), 0.0f);
  for (std::size_t i = 0; i < sound.size(); ++i) track[at + i] += sound[i];
}

}  // namespace

double SpokenSeconds(const std::string& words, int rate) {
  int syllables = 0;
  std::size_t i = 0;
  while (i < words.size()) {
    const std::size_t end = std::min(words.find_first_of(" -", i), words.size());
    if (end > i) syllables += Syllables(std::string_view(words).substr(i, end - i));
    i = end + 1;
  }
  const double perSecond = std::max(rate, 40) / 60.0 * kSyllablesPerWord;
  return syllables / perSecond;
}

Voice LineRenderer::AtRate(Voice voice) const {
  voice.rate = std::clamp(voice.rate * settings_.speechRate / 100, 80, 450);
  return voice;
}

std::vector<float> LineRenderer::Speak(const std::string& words, const Voice& voice, bool& ok) {
  std::vector<float> sound;
  SpeakInto(sound, 0, words, voice, ok);
  return sound;
}

std::size_t LineRenderer::SpeakInto(std::vector<float>& track, std::size_t at,
                                    const std::string& words, const Voice& voice, bool& ok) {
  said_.clear();
  if (!engine_.Say(words, voice, said_)) ok = false;
  const auto [from, to] = Spoken(said_);
  if (track.size() < at + (to - from)) track.resize(at + (to - from), 0.0f);
  for (std::size_t i = from; i < to; ++i) track[at + i - from] += said_[i] / 32768.0f;
  return to - from;
}

RenderedLine LineRenderer::Render(const HeardLine& line, const Speaker& first,
                                  const Speaker& second, SoundRandom& random) {
  if (line.sound == LineSound::Qrm) return RenderQrm(line, first, second, random);
  return RenderSpeech(line, first, random);
}

RenderedLine LineRenderer::RenderSpeech(const HeardLine& line, const Speaker& speaker,
                                        SoundRandom& random) {
  RenderedLine rendered;
  const Voice voice = AtRate(speaker.voice);
  std::vector<float> speech(Samples(kLeadIn), 0.0f);
  double expected = kLeadIn + kTail;
  for (const LinePart& part : line.parts)
    expected += SpokenSeconds(part.words, voice.rate) + kPause;
  speech.reserve(Samples(expected * 1.5));
  std::vector<std::pair<int, int>> crashes;
  for (const LinePart& part : line.parts) {
    if (&part != &line.parts.front()) speech.resize(speech.size() + Samples(kPause), 0.0f);
    const int start = static_cast<int>(speech.size());
    if (part.lost) {
      const int length = std::max(Samples(0.15), Samples(SpokenSeconds(part.words, voice.rate)));
      speech.resize(speech.size() + length, 0.0f);
      crashes.emplace_back(start, length);
    } else {
      SpeakInto(speech, start, part.words, voice, rendered.ok);
    }
    rendered.cues.push_back({Seconds(start), Seconds(speech.size()), part.text});
  }
  speech.resize(speech.size() + Samples(kTail), 0.0f);
  Strengthen(speech, speaker, random);
  for (const auto& [start, length] : crashes) AddStatic(speech, start, length, random);
  rendered.signal = std::move(speech);
  return rendered;
}

// Two stations at once: the first starts, the second comes in over it and
// goes on after it; static crashes over both.
RenderedLine LineRenderer::RenderQrm(const HeardLine& line, const Speaker& first,
                                     const Speaker& second, SoundRandom& random) {
  RenderedLine rendered;
  std::vector<float> a = Speak(kQrmFirst, AtRate(first.voice), rendered.ok);
  std::vector<float> b = Speak(kQrmSecond, AtRate(second.voice), rendered.ok);
  Strengthen(a, first, random);
  Strengthen(b, second, random);
  const int lead = Samples(kLeadIn);
  const int secondStart = lead + static_cast<int>(a.size() * 2 / 5);
  std::vector<float> track(lead, 0.0f);
  Place(track, lead, a);
  Place(track, secondStart, b);
  const int firstEnd = lead + static_cast<int>(a.size());
  const int end = static_cast<int>(track.size());
  track.resize(track.size() + Samples(kTail), 0.0f);
  AddStatic(track, lead, Samples(0.2), random);
  AddStatic(track, std::max(firstEnd, secondStart), Samples(0.2), random);

  // The line's three parts: the first station, both at once, the second.
  const std::array<std::pair<int, int>, 3> spans = {{{lead, secondStart},
                                                     {secondStart, std::max(firstEnd, secondStart)},
                                                     {std::max(firstEnd, secondStart), end}}};
  for (std::size_t i = 0; i < line.parts.size(); ++i) {
    const auto [from, to] = spans[std::min<std::size_t>(i, 2)];
    rendered.cues.push_back({Seconds(from), Seconds(to), line.parts[i].text});
  }
  rendered.signal = std::move(track);
  return rendered;
}

}  // namespace tovk::audio
