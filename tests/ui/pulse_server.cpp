// Starting, recording and stopping the tests' own PulseAudio server.
#include "pulse_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cmath>

namespace tovk::testing {
namespace {

constexpr int kRate = 22050;

QString Socket(const QTemporaryDir& dir) {
  return dir.filePath(QStringLiteral("native"));
}

}  // namespace

PulseServer::~PulseServer() {
  Stop();
}

bool PulseServer::Available() {
  for (const char* program : {"pulseaudio", "pactl", "parec", "pacat"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) return false;
  }
  return true;
}

bool PulseServer::Start() {
  if (!dir_.isValid()) {
    problem_ = QStringLiteral("no temporary folder");
    return false;
  }
  // A runtime folder, state and home of its own: the server touches nothing
  // of the user's, and needs no cookie.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
  environment.insert(QStringLiteral("HOME"), dir_.path());
  environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.path());
  environment.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.path());
  server_.setProcessEnvironment(environment);
  server_.setStandardOutputFile(QProcess::nullDevice());
  server_.setStandardErrorFile(dir_.filePath(QStringLiteral("server.log")));
  server_.start(
      QStringLiteral("pulseaudio"),
      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
       QStringLiteral("--use-pid-file=false"), QStringLiteral("--exit-idle-time=-1"),
       // As a desktop's server runs, where the system allows it.
       QStringLiteral("--high-priority=yes"), QStringLiteral("--realtime=yes"),
       QStringLiteral("--log-target=stderr"), QStringLiteral("-L"),
       QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=1")
           .arg(QLatin1String(kSink))
           .arg(kRate),
       QStringLiteral("-L"),
       QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=1")
           .arg(QLatin1String(kReferenceSink))
           .arg(kRate),
       QStringLiteral("-L"),
       QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(Socket(dir_))});
  if (!server_.waitForStarted(5000)) {
    problem_ = QStringLiteral("pulseaudio does not start: ") + server_.errorString();
    return false;
  }
  QElapsedTimer waited;
  waited.start();
  while (!QFileInfo::exists(Socket(dir_))) {
    if (server_.state() != QProcess::Running || waited.elapsed() > 10000) {
      problem_ = QStringLiteral("pulseaudio did not come up");
      Stop();
      return false;
    }
    QThread::msleep(20);
  }
  // The window plays on the band's sink.
  QProcess pactl;
  pactl.start(QStringLiteral("pactl"),
              {QStringLiteral("--server=unix:") + Socket(dir_), QStringLiteral("set-default-sink"),
               QString::fromLatin1(kSink)});
  if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
    problem_ = QStringLiteral("pactl cannot choose the sink");
    Stop();
    return false;
  }
  qputenv("PULSE_SERVER", ("unix:" + Socket(dir_)).toLocal8Bit());
  return true;
}

Recording* PulseServer::Record(const char* sink) {
  auto& recorder = *clients_.emplace_back(std::make_unique<QProcess>());
  recorder.start(QStringLiteral("parec"),
                 {QStringLiteral("--server=unix:") + Socket(dir_),
                  QStringLiteral("--device=%1.monitor").arg(QLatin1String(sink)),
                  QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                  QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                  QStringLiteral("--latency-msec=20")});
  if (!recorder.waitForStarted(5000)) {
    problem_ = QStringLiteral("parec does not start: ") + recorder.errorString();
    return nullptr;
  }
  return recordings_.emplace_back(std::make_unique<Recording>(recorder)).get();
}

bool PulseServer::PlayReference(int latencyMs) {
  auto& player = *clients_.emplace_back(std::make_unique<QProcess>());
  player.setStandardInputFile(QStringLiteral("/dev/urandom"));
  player.setStandardOutputFile(QProcess::nullDevice());
  player.setStandardErrorFile(QProcess::nullDevice());
  player.start(QStringLiteral("pacat"),
               {QStringLiteral("--server=unix:") + Socket(dir_),
                QStringLiteral("--device=%1").arg(QLatin1String(kReferenceSink)),
                QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                QStringLiteral("--latency-msec=%1").arg(latencyMs)});
  if (player.waitForStarted(5000)) return true;
  problem_ = QStringLiteral("pacat does not start: ") + player.errorString();
  return false;
}

const std::vector<std::int16_t>& Recording::Samples() {
  pending_ += recorder_.readAllStandardOutput();
  const qsizetype whole = pending_.size() / 2 * 2;
  for (qsizetype i = 0; i < whole; i += 2) {
    const auto low = static_cast<std::uint8_t>(pending_[i]);
    const auto high = static_cast<std::uint8_t>(pending_[i + 1]);
    samples_.push_back(static_cast<std::int16_t>(low | (high << 8)));
  }
  pending_.remove(0, whole);
  return samples_;
}

namespace {

bool StopProcess(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return true;
  process.terminate();
  if (process.waitForFinished(5000)) return true;
  process.kill();
  return process.waitForFinished(5000);
}

}  // namespace

bool PulseServer::Stop() {
  bool ended = true;
  for (const auto& client : clients_) ended = StopProcess(*client) && ended;
  return StopProcess(server_) && ended;
}

double Rms(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count) {
  if (first >= samples.size()) return 0;
  count = std::min(count, samples.size() - first);
  if (count == 0) return 0;
  double sum = 0;
  for (std::size_t i = first; i < first + count; ++i)
    sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace tovk::testing
