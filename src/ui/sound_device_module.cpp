// The sound device module: everything that touches Qt Multimedia, on the
// window's sound thread. The sink is fed from the band by a timer, only as
// far ahead as the lead: a sink left to pull by itself reads far further
// ahead (here 370 ms at a time), and what it has read can no longer be cut
// off.
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "ui/sound_device.h"

namespace tovk::ui {
namespace {

// How often the sound thread tops the sink up.
constexpr int kTopUpMilliseconds = 10;

class QtSoundDevice final : public SoundDevice {
 public:
  explicit QtSoundDevice(SoundDeviceHooks hooks) : hooks_(std::move(hooks)) {
    topUp_.setTimerType(Qt::PreciseTimer);
    topUp_.setInterval(kTopUpMilliseconds);
    QObject::connect(&topUp_, &QTimer::timeout, [this] { TopUp(); });
  }
  ~QtSoundDevice() override { Stop(); }

  void Start() override {
    if (sink_) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
      hooks_.failed(QStringLiteral("No sound: no sound device or sound server"));
      return;
    }
    QAudioFormat format;
    format.setSampleRate(hooks_.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(hooks_.bufferMilliseconds * qint64{1000}));
    handed_ = 0;
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, [this](QAudio::State state) {
      if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) Broke();
      // Active again after idle: the server had nothing to play.
      if (state == QAudio::IdleState && handed_ > 0 && hooks_.runDry) ++*hooks_.runDry;
    });
    out_ = sink_->start();
    if (out_ == nullptr || sink_->error() != QAudio::NoError) {
      Broke();
      return;
    }
    TopUp();
    topUp_.start();
  }

  void Stop() override {
    topUp_.stop();
    if (sink_) sink_->stop();
    sink_.reset();
    out_ = nullptr;
  }

 private:
  // Hands the sink what keeps it the lead ahead of what the server has
  // played: each tick about as much as was played since the last.
  void TopUp() {
    if (!sink_ || out_ == nullptr) return;
    const qint64 handedUs = static_cast<qint64>(handed_) * 1000000 / hooks_.sampleRate;
    const qint64 aheadUs = handedUs - sink_->processedUSecs();
    const qint64 wantUs = hooks_.leadMilliseconds * qint64{1000} - aheadUs;
    const auto samples =
        static_cast<std::size_t>(std::max<qint64>(wantUs, 0) * hooks_.sampleRate / 1000000);
    if (samples == 0) return;
    block_.resize(samples);
    hooks_.fill(block_.data(), samples);
    out_->write(reinterpret_cast<const char*>(block_.data()),
                static_cast<qint64>(samples * sizeof(std::int16_t)));
    handed_ += samples;
  }

  void Broke() {
    Stop();
    hooks_.failed(QStringLiteral("No sound: the sound server does not play"));
  }

  SoundDeviceHooks hooks_;
  std::unique_ptr<QAudioSink> sink_;
  std::uint64_t handed_ = 0;  // samples handed to the sink since it started
  QIODevice* out_ = nullptr;  // the sink's, while it runs
  QTimer topUp_;
  std::vector<std::int16_t> block_;
};

}  // namespace
}  // namespace tovk::ui

extern "C" Q_DECL_EXPORT tovk::ui::SoundDevice* tovk_MakeSoundDevice(
    const tovk::ui::SoundDeviceHooks& hooks) {
  return new tovk::ui::QtSoundDevice(hooks);
}
