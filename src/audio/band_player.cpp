// The player's three sides: planning on the game's thread, making speech on
// the worker, and handing out blocks on the sound device's thread.
#include "audio/band_player.h"

namespace tovk::audio {

BandPlayer::BandPlayer(EngineMaker makeEngine, std::uint64_t seed, ProblemReport report)
    : makeEngine_(std::move(makeEngine)),
      report_(std::move(report)),
      seedState_(seed),
      mixer_(BandSettings{}, seed ^ Fnv1a("band noise")),
      worker_([this] { Work(); }) {}

BandPlayer::~BandPlayer() {
  {
    std::lock_guard lock(jobsMutex_);
    stopping_ = true;
  }
  jobsChanged_.notify_all();
  worker_.join();
}

void BandPlayer::SetSettings(const BandSettings& settings) {
  mixer_.SetSettings(settings);
  std::lock_guard lock(jobsMutex_);
  settings_ = settings;
}

std::uint64_t BandPlayer::NextSeed() {
  return SplitMix64(seedState_);
}

void BandPlayer::Hear(std::string_view line, const GameState& g) {
  if (auto planned = PlanLine(line, g, speakers_, NextSeed())) Enqueue(std::move(*planned));
}

void BandPlayer::Transmit(std::string_view line, const GameState& g, bool monitor) {
  {
    std::lock_guard lock(jobsMutex_);
    ++generation_;
    jobs_.clear();
    mixer_.StopSpeech();
    speechHanded_.store(0);
  }
  if (!monitor) return;
  if (auto planned = PlanOwnLine(line, g, NextSeed())) Enqueue(std::move(*planned));
}

void BandPlayer::Enqueue(PlannedLine line) {
  {
    std::lock_guard lock(jobsMutex_);
    jobs_.push_back({std::move(line), generation_, settings_});
  }
  jobsChanged_.notify_one();
}

bool BandPlayer::Making() const {
  std::lock_guard lock(jobsMutex_);
  return !jobs_.empty() || rendering_;
}

bool BandPlayer::Quiet() const {
  std::lock_guard lock(jobsMutex_);
  return jobs_.empty() && !rendering_ && mixer_.SpeechPending() == 0;
}

bool BandPlayer::StartEngine() {
  if (engine_ || silent_) return !silent_;
  engine_ = makeEngine_ ? makeEngine_() : nullptr;
  if (engine_ && engine_->Ready()) {
    renderer_.emplace(*engine_, renderSettings_);
    // The engine's first words take it far longer than any after: said here,
    // before any station needs them.
    std::vector<std::int16_t> warmUp;
    engine_->Say("ready", StationVoice("W1AW"), warmUp);
    return true;
  }
  silent_ = true;
  if (report_) report_(engine_ ? engine_->Problem() : std::string("no speech engine"));
  return false;
}

void BandPlayer::Work() {
  // The engine starts at once, so the first answer does not wait for it.
  StartEngine();
  engineStarted_.store(true);
  std::unique_lock lock(jobsMutex_);
  for (;;) {
    jobsChanged_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (stopping_) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    if (job.generation != generation_) continue;
    rendering_ = true;
    lock.unlock();

    std::optional<RenderedLine> sound;
    if (StartEngine()) {
      renderSettings_ = job.settings;
      sound = RenderLine(*renderer_, job.line);
    }

    lock.lock();
    rendering_ = false;
    // A transmission since the line was planned has cut it off.
    if (sound && job.generation == generation_) mixer_.Queue(sound->signal);
  }
}

void BandPlayer::Fill(std::int16_t* out, std::size_t count) {
  const bool speechWaiting = mixer_.SpeechPending() > 0;
  mixer_.Fill(out, count);
  samplesHanded_ += count;
  if (speechWaiting && speechHanded_.load() == 0)
    speechHanded_.store(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::chrono::steady_clock::time_point BandPlayer::FirstSpeechHanded() const {
  return std::chrono::steady_clock::time_point(
      std::chrono::steady_clock::duration(speechHanded_.load()));
}

}  // namespace tovk::audio
