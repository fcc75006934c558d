// The window's playback recorded for real, on a PulseAudio server of the
// test's own.
#pragma once

#include <QObject>
#include <memory>

namespace tovk::testing {

class PulseServer;

class SoundPlaybackTest : public QObject {
  Q_OBJECT

 public:
  SoundPlaybackTest();
  ~SoundPlaybackTest() override;

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void callCqIsHeardOverTheNoiseBedAndATransmissionCutsItOff();

 private:
  std::unique_ptr<PulseServer> server_;
};

}  // namespace tovk::testing
