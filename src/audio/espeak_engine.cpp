// espeak-ng in-process: synchronous synthesis, the samples collected by the
// synthesis callback into the caller's buffer.
#include "audio/espeak_engine.h"

#include <atomic>
#include <cstdlib>

#include "audio/espeak_library.h"
#include "audio/sound_random.h"

namespace tovk::audio {
namespace {

std::atomic<bool> engineTaken{false};

// About what espeak-ng makes of one character of text, to size the buffer once.
constexpr std::size_t kSamplesPerCharacter = 1500;

// The buffer the running synthesis fills; synthesis is synchronous, so it
// is only set for the length of one Say().
std::vector<std::int16_t>* collecting = nullptr;

int CollectSamples(short* wav, int count, espeak_EVENT*) {
  if (wav != nullptr && count > 0 && collecting != nullptr)
    collecting->insert(collecting->end(), wav, wav + count);
  return 0;
}

}  // namespace

EspeakEngine::EspeakEngine(const std::string& dataPath) {
  if (engineTaken.exchange(true)) {
    problem_ = "espeak-ng is already in use by another speech engine";
    return;
  }
  owner_ = true;
  espeak_ = LoadEspeakLibrary(problem_);
  if (espeak_ == nullptr) return;
  const int rate = espeak_->Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                       dataPath.empty() ? nullptr : dataPath.c_str(),
                                       espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) {
    problem_ = "espeak-ng or its voice data could not be started";
    return;
  }
  sampleRate_ = rate;
  espeak_->SetSynthCallback(CollectSamples);
  if (!UseVoice(Voice{})) {
    problem_ = "espeak-ng has no English voice";
    return;
  }
  ready_ = true;
}

EspeakEngine::~EspeakEngine() {
  if (!owner_) return;
  if (espeak_ != nullptr) espeak_->Terminate();
  engineTaken = false;
}

bool EspeakEngine::UseVoice(const Voice& voice) {
  if (voice.name != voiceName_) {
    if (espeak_->SetVoiceByName(voice.name.c_str()) != EE_OK) return false;
    voiceName_ = voice.name;
  }
  espeak_->SetParameter(espeakRATE, voice.rate, 0);
  espeak_->SetParameter(espeakPITCH, voice.pitch, 0);
  espeak_->SetParameter(espeakRANGE, voice.range, 0);
  return true;
}

bool EspeakEngine::Say(const std::string& words, const Voice& voice,
                       std::vector<std::int16_t>& samples) {
  if (!ready_ || !UseVoice(voice)) return false;
  // espeak-ng varies its voice with the C library's rand(), seeded here from
  // the words and voice. It also carries a little state from one synthesis
  // to the next, so the same lines in the same order (a game replayed with
  // its seed) give the same samples.
  std::srand(static_cast<unsigned>(Fnv1a(voice.name, Fnv1a(words))));
  samples.reserve(samples.size() + words.size() * kSamplesPerCharacter);
  collecting = &samples;
  const espeak_ERROR result = espeak_->Synth(words.c_str(), words.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
  const espeak_ERROR sync = espeak_->Synchronize();
  collecting = nullptr;
  return result == EE_OK && sync == EE_OK;
}

}  // namespace tovk::audio
