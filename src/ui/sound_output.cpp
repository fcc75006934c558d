// The sound device's side on its own thread, and the window's side that
// posts to it.
#include "ui/sound_output.h"

#include <sys/resource.h>
#include <unistd.h>
#include <random>

#include "audio/band_settings.h"
#include "audio/espeak_engine.h"
#include "ui/sound_device.h"

namespace tovk::ui {
namespace {

// The sound thread (with the sound server's client thread it starts) and the
// speech thread keep the band going on a busy machine: a higher priority
// where the system allows it (nothing changes where it does not).
void RaisePriority() {
  constexpr int kNiceness = -10;
  (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNiceness);
}

}  // namespace

// The sound thread's side: the device, made there on the first start (which
// loads its module there, not on the window's thread), started and stopped
// there.
class SinkThreadSide : public QObject {
 public:
  SinkThreadSide(audio::BandPlayer& player, std::atomic<int>& runDry, SoundOutput& output)
      : player_(player), runDry_(runDry), output_(output) {}

  void Start() {
    if (!device_) {
      RaisePriority();
      SoundDeviceHooks hooks;
      hooks.fill = [&player = player_](std::int16_t* samples, std::size_t count) {
        player.Fill(samples, count);
      };
      hooks.failed = [this](const QString& why) { Failed(why); };
      hooks.runDry = &runDry_;
      hooks.sampleRate = audio::kSampleRate;
      hooks.leadMilliseconds = kSinkLeadMilliseconds;
      hooks.bufferMilliseconds = kSinkBufferMilliseconds;
      QString problem;
      device_ = MakeSoundDevice(hooks, problem);
      if (!device_) {
        Failed(problem);
        return;
      }
    }
    device_->Start();
  }

  void Stop() {
    if (device_) device_->Stop();
  }

 private:
  // To the window's thread, where the output says it once.
  void Failed(const QString& why) {
    QMetaObject::invokeMethod(
        &output_, [output = &output_, why] { output->Fail(why); }, Qt::QueuedConnection);
  }

  audio::BandPlayer& player_;
  std::atomic<int>& runDry_;
  SoundOutput& output_;
  std::unique_ptr<SoundDevice> device_;
};

SoundOutput::SoundOutput(QObject* parent) : QObject(parent) {
  thread_.setObjectName(QStringLiteral("Sound"));
}

SoundOutput::~SoundOutput() {
  if (!sink_) return;
  QMetaObject::invokeMethod(
      sink_, [sink = sink_] { sink->Stop(); }, Qt::QueuedConnection);
  thread_.quit();
  // A stalled sound server may keep the sound thread: the program ends
  // without it rather than wait, and the player it reads from stays.
  if (!thread_.wait(2000)) {
    (void)player_.release();
    return;
  }
}

void SoundOutput::SetSound(const SoundOptions& sound) {
  sound_ = sound;
  if (failed_) return;
  if (!sound_.on) {
    StopSink();
    return;
  }
  if (!player_) {
    std::random_device seed;
    player_ = std::make_unique<audio::BandPlayer>(
        [] {
          // Made on the player's speech thread, which an answer waits for too.
          RaisePriority();
          return std::make_unique<audio::EspeakEngine>();
        },
        seed(),
        [this](const std::string& why) {
          const QString text = QStringLiteral("No sound: ") + QString::fromStdString(why);
          QMetaObject::invokeMethod(
              this, [this, text] { Fail(text); }, Qt::QueuedConnection);
        });
  }
  player_->SetSettings(audio::BandSettingsOf(sound_));
  StartSink();
}

void SoundOutput::StartSink() {
  if (sinkRunning_) return;
  if (!sink_) {
    sink_ = new SinkThreadSide(*player_, runDry_, *this);
    sink_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, sink_, &QObject::deleteLater);
    thread_.start();
  }
  sinkRunning_ = true;
  QMetaObject::invokeMethod(
      sink_, [sink = sink_] { sink->Start(); }, Qt::QueuedConnection);
}

void SoundOutput::StopSink() {
  if (!sinkRunning_) return;
  sinkRunning_ = false;
  QMetaObject::invokeMethod(
      sink_, [sink = sink_] { sink->Stop(); }, Qt::QueuedConnection);
}

void SoundOutput::Hear(const std::string& line, const GameState& g) {
  if (Playing() && player_) player_->Hear(line, g);
}

void SoundOutput::Transmit(const std::string& line, const GameState& g) {
  if (Playing() && player_) player_->Transmit(line, g, sound_.monitor);
}

void SoundOutput::Fail(const QString& text) {
  if (failed_) return;
  failed_ = true;
  StopSink();
  emit problem(text);
}

}  // namespace tovk::ui
