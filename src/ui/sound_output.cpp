// The sound device's side on its own thread, and the window's side that
// posts to it.
#include "ui/sound_output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <random>

#include "audio/band_settings.h"
#include "audio/espeak_engine.h"

namespace tovk::ui {
namespace {

// What the sink holds ahead of what is heard: long enough to ride out a busy
// moment of the machine, short enough that a transmission cuts a station off
// at once.
constexpr int kBufferMilliseconds = 100;

// The band as a device the sink reads from: it never runs dry.
class BandDevice final : public QIODevice {
 public:
  explicit BandDevice(audio::BandPlayer& player) : player_(player) {}
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const auto samples = static_cast<std::size_t>(maxSize / 2);
    player_.Fill(reinterpret_cast<std::int16_t*>(data), samples);
    return static_cast<qint64>(samples * 2);
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  audio::BandPlayer& player_;
};

}  // namespace

// Everything that touches Qt Multimedia, on the sound thread.
class SinkThreadSide : public QObject {
  Q_OBJECT

 public:
  explicit SinkThreadSide(audio::BandPlayer& player) : player_(player) {}

  void Start() {
    if (sink_) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
      emit failed(QStringLiteral("No sound: no sound device or sound server"));
      return;
    }
    QAudioFormat format;
    format.setSampleRate(audio::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    device_ = std::make_unique<BandDevice>(player_);
    device_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) Broke();
    });
    sink_->start(device_.get());
    if (sink_->error() != QAudio::NoError) Broke();
  }

  void Stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    device_.reset();
  }

 signals:
  void failed(const QString& text);

 private:
  void Broke() {
    Stop();
    emit failed(QStringLiteral("No sound: the sound server does not play"));
  }

  audio::BandPlayer& player_;
  std::unique_ptr<BandDevice> device_;
  std::unique_ptr<QAudioSink> sink_;
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
        [] { return std::make_unique<audio::EspeakEngine>(); }, seed(),
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
    sink_ = new SinkThreadSide(*player_);
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
