// The band through the desktop's sound server: the sound device (Qt
// Multimedia, in a module loaded on the sound thread) is topped up on a
// thread of its own with blocks pulled from the band player's mixer, which
// makes speech on a thread of its own too. The window only posts requests to
// these threads, so a slow, stalled or missing sound server never holds up a
// button. No sound device or server, no sound module, or no voice data: the
// game goes on silent, and `problem` says so once.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>

#include "audio/band_player.h"
#include "world/game_state.h"

namespace tovk::ui {

// How far ahead of what is heard the band is handed to the sink: far enough
// to ride out a busy moment of the machine, near enough that an answer is
// heard and a transmission cuts a station off at once. The sink's own buffer
// is kept small, so the sound server starts at once and asks little at a
// time; the sound thread keeps the lead itself.
constexpr int kSinkLeadMilliseconds = 150;
constexpr int kSinkBufferMilliseconds = 50;

class SinkThreadSide;

class SoundOutput : public QObject {
  Q_OBJECT

 public:
  explicit SoundOutput(QObject* parent = nullptr);
  ~SoundOutput() override;

  // The settings in force: the sound on or off, the band, Monitor.
  void SetSound(const SoundOptions& sound);

  // Another station says `line` now.
  void Hear(const std::string& line, const GameState& g);
  // The player transmits `line`: what is heard stops.
  void Transmit(const std::string& line, const GameState& g);

  // The player, once the sound has been on; for tests and benchmarks.
  audio::BandPlayer* Player() const { return player_.get(); }
  // The sound is playing (on, and nothing has gone wrong).
  bool Playing() const { return sound_.on && !failed_; }
  // How often the sink has run dry since it started.
  int SinkRunDry() const { return runDry_.load(); }

 signals:
  // Said once, on the window's thread: why the game is silent.
  void problem(const QString& text);

 private:
  friend class SinkThreadSide;  // says a failure on the sound thread through Fail
  void Fail(const QString& text);
  void StartSink();
  void StopSink();

  SoundOptions sound_;
  bool failed_ = false;
  bool sinkRunning_ = false;
  std::unique_ptr<audio::BandPlayer> player_;
  std::atomic<int> runDry_{0};  // counted on the sound thread
  QThread thread_;
  SinkThreadSide* sink_ = nullptr;  // lives on thread_, deleted there
};

}  // namespace tovk::ui
