// The window plays the band: Call CQ pressed, the sink's monitor recorded,
// the answer heard above the band noise, and a transmission cutting it off.
// Skipped only where pulseaudio is not installed.
#include "sound_playback_test.h"

#include <QElapsedTimer>
#include <QTest>
#include <QToolButton>

#include "pulse_server.h"
#include "test_window.h"
#include "ui/sound_output.h"

namespace tovk::testing {
namespace {

constexpr std::size_t kRate = 22050;
constexpr std::size_t kWindow = kRate / 20;  // 50 ms

// Runs the event loop until `samples` recorded samples are in, or 10 s pass.
const std::vector<std::int16_t>& RecordUntil(Recording& recording, std::size_t samples) {
  QElapsedTimer waited;
  waited.start();
  while (recording.Samples().size() < samples && waited.elapsed() < 10000) QTest::qWait(10);
  return recording.Samples();
}

// The loudest 50 ms of recording in [from, to).
double Loudest(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  double loudest = 0;
  for (std::size_t at = from; at + kWindow <= to; at += kWindow / 2)
    loudest = std::max(loudest, Rms(samples, at, kWindow));
  return loudest;
}

void Press(ui::MainWindow& w, Command command) {
  QTest::mouseClick(w.Buttons()->ButtonOf(command), Qt::LeftButton);
}

}  // namespace

SoundPlaybackTest::SoundPlaybackTest() = default;
SoundPlaybackTest::~SoundPlaybackTest() = default;

void SoundPlaybackTest::initTestCase() {
  if (!PulseServer::Available()) QSKIP("pulseaudio or its tools are not installed");
  server_ = std::make_unique<PulseServer>();
  QVERIFY2(server_->Start(), qPrintable(server_->Problem()));
}

void SoundPlaybackTest::cleanupTestCase() {
  if (server_) QVERIFY(server_->Stop());
}

void SoundPlaybackTest::callCqIsHeardOverTheNoiseBedAndATransmissionCutsItOff() {
  // Slow speech, so the line is still going when the player transmits.
  WindowFixture f("[Sound]\nNoise=10\nSpeech rate=50\n", true);
  TestWindow& w = *f.window;
  QVERIFY(w.Sound() != nullptr);
  Recording* recording = server_->Record();
  QVERIFY2(recording != nullptr, qPrintable(server_->Problem()));

  // The band noise alone first.
  const std::size_t bedStart = RecordUntil(*recording, kRate / 2).size();
  const std::vector<std::int16_t>& bed = RecordUntil(*recording, bedStart + kRate / 2);
  const double noise = Rms(bed, bedStart, kRate / 2);
  QVERIFY2(noise > 2, qPrintable(QStringLiteral("no band noise: RMS %1").arg(noise)));
  QVERIFY2(w.SoundProblem().isEmpty(), qPrintable(w.SoundProblem()));

  // Call CQ: the band answers that the frequency is in use.
  Press(w, Command::CallCq);
  QCOMPARE(w.game().Lines(MemoId::Incoming).back(), std::string("FREQUENCY IS IN USE OM"));
  const std::size_t pressed = recording->Samples().size();
  std::size_t heard = 0;
  QElapsedTimer waited;
  waited.start();
  while (heard == 0 && waited.elapsed() < 5000) {
    const std::vector<std::int16_t>& samples =
        RecordUntil(*recording, recording->Samples().size() + kWindow);
    for (std::size_t at = pressed; heard == 0 && at + kWindow <= samples.size(); at += kWindow / 2)
      if (Rms(samples, at, kWindow) > 6 * noise) heard = at;
  }
  QVERIFY2(heard > 0, "the answer was never heard above the noise bed");

  // Half a second into the answer the player calls: the answer stops, and
  // the band noise goes on.
  const std::vector<std::int16_t>& speaking = RecordUntil(*recording, heard + kRate / 2);
  const double answer = Loudest(speaking, heard + kRate / 4, heard + kRate / 2);
  QVERIFY(answer > 6 * noise);
  const std::size_t transmitted = recording->Samples().size();
  Press(w, Command::CallStation);
  QCOMPARE(w.game().Lines(MemoId::Outgoing).back().rfind("QRZ DE ", 0), std::size_t{0});
  const std::vector<std::int16_t>& after = RecordUntil(*recording, transmitted + 2 * kRate);
  const double cut = Loudest(after, transmitted + kRate / 2, transmitted + 2 * kRate);
  QVERIFY2(
      cut < 3 * noise,
      qPrintable(
          QStringLiteral("still heard after the call: %1 against noise %2").arg(cut).arg(noise)));
  QVERIFY(Rms(after, transmitted + kRate, kRate) > noise / 2);
  qInfo("noise bed RMS %.0f, answer %.0f, after the call %.0f", noise, answer, cut);
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::SoundPlaybackTest)
