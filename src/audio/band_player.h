// The band as a sound device plays it. Lines are planned on the game's
// thread, made into sound on a worker thread of the player's own and queued
// in the mixer, from which the sound device's thread pulls blocks. The player
// transmitting stops what is heard, lines still being made included. Nothing
// here ever waits for the sound device, and the game's thread never waits for
// speech to be made.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "audio/band_mixer.h"
#include "audio/band_settings.h"
#include "audio/band_sound.h"
#include "audio/speech_engine.h"
#include "audio/voices.h"
#include "world/game_state.h"

namespace tovk::audio {

class BandPlayer {
 public:
  // Makes the speech engine, on the worker thread when it starts.
  using EngineMaker = std::function<std::unique_ptr<SpeechEngine>()>;
  // Told once, from the worker thread, when the speech engine cannot speak.
  using ProblemReport = std::function<void(const std::string& problem)>;

  BandPlayer(EngineMaker makeEngine, std::uint64_t seed, ProblemReport report = {});
  ~BandPlayer();
  BandPlayer(const BandPlayer&) = delete;
  BandPlayer& operator=(const BandPlayer&) = delete;

  // Noise, filter and volume take effect at the next block; the speech rate
  // with the next line.
  void SetSettings(const BandSettings& settings);

  // --- The game's thread ---
  // Another station says `line` now: heard after what is being heard.
  void Hear(std::string_view line, const GameState& g);
  // The player transmits `line`: what is being heard stops; with `monitor`
  // the line is heard in the player's own voice.
  void Transmit(std::string_view line, const GameState& g, bool monitor);
  // Lines waiting to be made into sound or being made; for tests.
  bool Making() const;
  // Nothing being made, nothing left to hear.
  bool Quiet() const;
  // The speech engine has started (or found it cannot speak).
  bool EngineStarted() const { return engineStarted_.load(); }

  // --- The sound device's thread ---
  // The next `count` samples of the band.
  void Fill(std::int16_t* out, std::size_t count);
  // Samples Fill has handed out so far.
  std::uint64_t SamplesHanded() const { return samplesHanded_.load(); }
  // When Fill first handed out speech since the last transmission; the
  // clock's epoch while it has not.
  std::chrono::steady_clock::time_point FirstSpeechHanded() const;

 private:
  struct Job {
    PlannedLine line;
    std::uint64_t generation = 0;
    BandSettings settings;
  };

  void Enqueue(PlannedLine line);
  void Work();
  bool StartEngine();
  std::uint64_t NextSeed();

  EngineMaker makeEngine_;
  ProblemReport report_;

  // The game's thread only.
  SpeakerBook speakers_;
  std::uint64_t seedState_;

  BandMixer mixer_;

  // Shared by the game's thread and the worker.
  mutable std::mutex jobsMutex_;
  std::condition_variable jobsChanged_;
  std::deque<Job> jobs_;
  BandSettings settings_;
  std::uint64_t generation_ = 0;  // raised by every transmission
  bool rendering_ = false;
  bool stopping_ = false;

  // The worker only.
  std::unique_ptr<SpeechEngine> engine_;
  BandSettings renderSettings_;
  std::optional<LineRenderer> renderer_;
  bool silent_ = false;  // the engine cannot speak

  std::atomic<bool> engineStarted_{false};
  // Written by the sound device's thread, read by others.
  std::atomic<std::int64_t> speechHanded_{0};
  std::atomic<std::uint64_t> samplesHanded_{0};

  std::thread worker_;
};

}  // namespace tovk::audio
