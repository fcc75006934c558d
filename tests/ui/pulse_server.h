// A PulseAudio server of the test's own: started with null sinks in a
// runtime folder of its own, the process pointed at it through PULSE_SERVER,
// the sinks' monitors recorded with parec, and everything stopped again, so
// nothing is left running. Used by the window's playback test and the sound
// benchmark, which also has pacat play beside the window for reference.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <vector>

namespace tovk::testing {

// A recording of one sink's monitor: 16-bit mono samples at the band's rate.
class Recording {
 public:
  explicit Recording(QProcess& recorder) : recorder_(recorder) {}
  // Takes in what the recorder has sent so far, and returns every sample
  // recorded since it started.
  const std::vector<std::int16_t>& Samples();

 private:
  QProcess& recorder_;
  QByteArray pending_;
  std::vector<std::int16_t> samples_;
};

class PulseServer {
 public:
  // The sink the window plays on (the server's default), and one for a
  // reference client to play on beside it.
  static constexpr const char* kSink = "tovk_band";
  static constexpr const char* kReferenceSink = "tovk_reference";

  PulseServer() = default;
  ~PulseServer();
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;

  // True when pulseaudio and its tools (pactl, parec, pacat) are installed.
  static bool Available();

  // Starts the server and points this process at it; false (with Problem())
  // when it does not come up.
  bool Start();
  // Records the monitor of `sink`; null (with Problem()) when parec fails.
  Recording* Record(const char* sink = kSink);
  // pacat plays random samples on the reference sink, `latencyMs` ahead, as
  // a well-known client does under the same load.
  bool PlayReference(int latencyMs);
  // Stops every process started; true when all have ended.
  bool Stop();

  QString Problem() const { return problem_; }

 private:
  QProcess& Started(QProcess& process);

  QTemporaryDir dir_;
  QProcess server_;
  std::vector<std::unique_ptr<QProcess>> clients_;
  std::vector<std::unique_ptr<Recording>> recordings_;
  QString problem_;
};

// The RMS of samples [first, first + count) of `samples`.
double Rms(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count);

}  // namespace tovk::testing
