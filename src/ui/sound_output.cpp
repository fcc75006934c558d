// The sound device's side on its own thread, and the window's side that
// posts to it.
#include "ui/sound_output.h"

#include <sys/resource.h>
#include <unistd.h>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <random>
#include <vector>

#include "audio/band_settings.h"
#include "audio/espeak_engine.h"

namespace tovk::ui {
namespace {

// The sound thread (with the sound server's client thread it starts) and the
// speech thread keep the band going on a busy machine: a higher priority
// where the system allows it (nothing changes where it does not).
void RaisePriority() {
  constexpr int kNiceness = -10;
  (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNiceness);
}

// How often the sound thread tops the sink up.
constexpr int kTopUpMilliseconds = 10;

}  // namespace

// Everything that touches Qt Multimedia, on the sound thread. The sink is fed
// from the band player by a timer, only as far ahead as the lead: a sink left
// to pull by itself reads far further ahead (here 370 ms at a time), and what
// it has read can no longer be cut off.
class SinkThreadSide : public QObject {
  Q_OBJECT

 public:
  // The timer is the side's child, so it moves to the sound thread with it.
  SinkThreadSide(audio::BandPlayer& player, std::atomic<int>& runDry)
      : player_(player), runDry_(runDry), topUp_(this) {
    topUp_.setTimerType(Qt::PreciseTimer);
    topUp_.setInterval(kTopUpMilliseconds);
    connect(&topUp_, &QTimer::timeout, this, &SinkThreadSide::TopUp);
  }

  void Start() {
    if (sink_) return;
    RaisePriority();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
      emit failed(QStringLiteral("No sound: no sound device or sound server"));
      return;
    }
    QAudioFormat format;
    format.setSampleRate(audio::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kSinkBufferMilliseconds * 1000));
    handed_ = 0;
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) Broke();
      // Active again after idle: the server had nothing to play.
      if (state == QAudio::IdleState && handed_ > 0) ++runDry_;
    });
    out_ = sink_->start();
    if (out_ == nullptr || sink_->error() != QAudio::NoError) {
      Broke();
      return;
    }
    TopUp();
    topUp_.start();
  }

  void Stop() {
    topUp_.stop();
    if (sink_) sink_->stop();
    sink_.reset();
    out_ = nullptr;
  }

 signals:
  void failed(const QString& text);

 private:
  // Hands the sink what keeps it the lead ahead of what the server has
  // played: each tick about as much as was played since the last.
  void TopUp() {
    if (!sink_ || out_ == nullptr) return;
    const qint64 handedUs = static_cast<qint64>(handed_) * 1000000 / audio::kSampleRate;
    const qint64 aheadUs = handedUs - sink_->processedUSecs();
    const qint64 wantUs = kSinkLeadMilliseconds * 1000 - aheadUs;
    const auto samples =
        static_cast<std::size_t>(std::max<qint64>(wantUs, 0) * audio::kSampleRate / 1000000);
    if (samples == 0) return;
    block_.resize(samples);
    player_.Fill(block_.data(), samples);
    out_->write(reinterpret_cast<const char*>(block_.data()),
                static_cast<qint64>(samples * sizeof(std::int16_t)));
    handed_ += samples;
  }

  void Broke() {
    Stop();
    emit failed(QStringLiteral("No sound: the sound server does not play"));
  }

  audio::BandPlayer& player_;
  std::atomic<int>& runDry_;
  std::unique_ptr<QAudioSink> sink_;
  std::uint64_t handed_ = 0;  // samples handed to the sink since it started
  QIODevice* out_ = nullptr;  // the sink's, while it runs
  QTimer topUp_;
  std::vector<std::int16_t> block_;
};

SoundOutput::SoundOutput(QObject* parent) : QObject(parent) {
  thread_.setObjectName(QStringLiteral("Sound"));
}

SoundOutput::~SoundOutput() {
  if (!sink_) return;
  QMetaObject::invokeMethod(sink_, &SinkThreadSide::Stop, Qt::QueuedConnection);
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
    sink_ = new SinkThreadSide(*player_, runDry_);
    sink_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, sink_, &QObject::deleteLater);
    connect(sink_, &SinkThreadSide::failed, this, &SoundOutput::Fail, Qt::QueuedConnection);
    thread_.start();
  }
  sinkRunning_ = true;
  QMetaObject::invokeMethod(sink_, &SinkThreadSide::Start, Qt::QueuedConnection);
}

void SoundOutput::StopSink() {
  if (!sinkRunning_) return;
  sinkRunning_ = false;
  QMetaObject::invokeMethod(sink_, &SinkThreadSide::Stop, Qt::QueuedConnection);
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

#include "sound_output.moc"
