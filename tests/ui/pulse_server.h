// A PulseAudio server of the test's own: started with a null sink in a
// runtime folder of its own, the process pointed at it through PULSE_SERVER,
// the sink's monitor recorded with parec, and everything stopped again, so
// nothing is left running. Used by the window's playback test and the sound
// benchmarks.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace tovk::testing {

class PulseServer {
 public:
  PulseServer() = default;
  ~PulseServer();
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;

  // True when pulseaudio and parec are installed.
  static bool Available();

  // Starts the server and points this process at it; false (with Problem())
  // when it does not come up.
  bool Start();
  // Starts recording the null sink's monitor: 16-bit mono samples at the
  // band's rate.
  bool Record();
  // Takes in what the recorder has sent so far, and returns the samples
  // recorded since Record().
  const std::vector<std::int16_t>& Samples();
  // Stops the recorder and the server; true when both have ended.
  bool Stop();

  QString Problem() const { return problem_; }

 private:
  bool StopProcess(QProcess& process);

  QTemporaryDir dir_;
  QProcess server_;
  QProcess recorder_;
  QByteArray pending_;
  std::vector<std::int16_t> samples_;
  QString problem_;
};

// The RMS of samples [first, first + count) of `samples`.
double Rms(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count);

}  // namespace tovk::testing
