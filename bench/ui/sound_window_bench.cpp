// The window's sound on a PulseAudio server of the bench's own (a null sink,
// recorded from its monitor). Latency: from a click on "Call CQ" to the first
// sample of the station's answer handed to the sound sink, against the click
// alone in a silent window; goal at most 50 ms. Underruns: 60 s of Auto CQ
// (restarted whenever a station answers) recorded, and every gap in the band
// noise counted (a run of digital silence of 5 ms or more), against pacat
// playing as far ahead on a sink beside it; goal none.
// Usage: sound_window_bench [SECONDS]   (default 60)
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "pulse_server.h"
#include "ui/main_window.h"
#include "ui/sound_output.h"
#include "world/on_the_air.h"
#include "world/random.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kRate = 22050;

class QuietWindow : public tovk::ui::MainWindow {
 public:
  using MainWindow::MainWindow;
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void EndProgram() override {}
};

struct Bench {
  explicit Bench(bool playSound) : random(1977) {
    const std::filesystem::path folder = dir.path().toStdString();
    std::filesystem::copy_file(TOVK_STATION_LIST, folder / "TOVK.SS");
    tovk::ui::WindowSetup setup;
    setup.folder = folder;
    setup.settingsFile = folder / "tovk.ini";
    setup.playSound = playSound;
    window = std::make_unique<QuietWindow>(setup, random);
    window->Create();
    window->show();
    // The sink starts, the band noise runs and the speech engine is ready.
    QElapsedTimer waited;
    waited.start();
    tovk::ui::SoundOutput* sound = window->Sound();
    while (playSound &&
           (!sound->Player() || !sound->Player()->EngineStarted() ||
            sound->Player()->SamplesHanded() < tovk::audio::kSampleRate / 2) &&
           waited.elapsed() < 10000)
      QTest::qWait(10);
    QTest::qWait(300);
  }
  QTemporaryDir dir;
  tovk::SeededRandom random;
  std::unique_ptr<QuietWindow> window;
};

// The value `share` of the way up the sorted values (0.5: the median).
double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  if (values.empty()) return 0;
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

double Median(const std::vector<double>& values) {
  return Percentile(values, 0.5);
}

// Call CQ until `rounds` answers were heard; the milliseconds from each
// click to the first sample of the answer handed to the sink.
std::vector<double> PressToFirstSample(Bench& bench, int rounds) {
  std::vector<double> millis;
  tovk::audio::BandPlayer* player = bench.window->Sound()->Player();
  for (int attempt = 0; attempt < rounds * 20 && static_cast<int>(millis.size()) < rounds;
       ++attempt) {
    tovk::Game& g = bench.window->game();
    g.Hour = 21;  // the evening's band, whatever the clock has come to
    const auto pressed = Clock::now();
    bench.window->RunCommand(tovk::Command::CallCq);
    const auto& lines = g.Lines(tovk::MemoId::Incoming);
    const bool answered = !lines.empty() && tovk::IsSaidOnTheAir(lines.back());
    QElapsedTimer waited;
    waited.start();
    while (answered && player->FirstSpeechHanded() < pressed && waited.elapsed() < 2000)
      QTest::qWait(1);
    if (answered && player->FirstSpeechHanded() >= pressed)
      millis.push_back(
          std::chrono::duration<double, std::milli>(player->FirstSpeechHanded() - pressed).count());
    QTest::qWait(50);
  }
  return millis;
}

// The click alone, in a window without sound.
std::vector<double> SilentPress(int rounds) {
  Bench bench(false);
  std::vector<double> millis;
  for (int i = 0; i < rounds; ++i) {
    bench.window->game().Hour = 21;
    const auto pressed = Clock::now();
    bench.window->RunCommand(tovk::Command::CallCq);
    QCoreApplication::processEvents();
    millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
  }
  return millis;
}

struct Gaps {
  int count = 0;
  double longestMs = 0;
};

// Runs of exact zeros of at least 5 ms: the band noise never has them.
Gaps SilentGaps(const std::vector<std::int16_t>& samples, std::size_t from) {
  Gaps gaps;
  std::size_t run = 0;
  const auto close = [&] {
    if (run >= kRate / 200) {
      ++gaps.count;
      gaps.longestMs = std::max(gaps.longestMs, 1000.0 * static_cast<double>(run) / kRate);
    }
    run = 0;
  };
  for (std::size_t i = from; i < samples.size(); ++i) {
    if (samples[i] == 0) {
      ++run;
      continue;
    }
    close();
  }
  close();
  return gaps;
}

// Auto CQ in the window while pacat plays on the reference sink as far ahead
// as the window's sink is kept: the gaps of each.
std::pair<Gaps, Gaps> AutoCq(Bench& bench, tovk::testing::PulseServer& server, int seconds) {
  using tovk::testing::PulseServer;
  tovk::testing::Recording* band = server.Record(PulseServer::kSink);
  tovk::testing::Recording* reference = server.Record(PulseServer::kReferenceSink);
  if (band == nullptr || reference == nullptr ||
      !server.PlayReference(tovk::ui::kSinkLeadMilliseconds))
    return {{-1, 0}, {-1, 0}};
  QTest::qWait(1000);  // the recorders and pacat settle
  const std::size_t bandStart = band->Samples().size();
  const std::size_t referenceStart = reference->Samples().size();
  QElapsedTimer running;
  running.start();
  while (running.elapsed() < seconds * 1000) {
    tovk::Game& g = bench.window->game();
    if (!g.autoCqTimer) {
      // A station answered (or a mishap stopped the timer): start again.
      g.Hour = 21;
      bench.window->RunCommand(tovk::Command::ClearContact);
      bench.window->RunCommand(tovk::Command::Qrv);
      bench.window->RunCommand(tovk::Command::AutoCq);
    }
    QTest::qWait(250);
    band->Samples();
    reference->Samples();
  }
  QTest::qWait(300);
  return {SilentGaps(band->Samples(), bandStart), SilentGaps(reference->Samples(), referenceStart)};
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  if (!tovk::testing::PulseServer::Available()) {
    std::printf("pulseaudio or parec is not installed\n");
    return 1;
  }
  tovk::testing::PulseServer server;
  if (!server.Start()) {
    std::printf("No sound server: %s\n", qPrintable(server.Problem()));
    return 1;
  }
  const std::vector<double> silent = SilentPress(40);
  Bench bench(true);
  if (!bench.window->SoundProblem().isEmpty()) {
    std::printf("%s\n", qPrintable(bench.window->SoundProblem()));
    return 1;
  }
  const std::vector<double> latency = PressToFirstSample(bench, 40);
  if (latency.empty()) {
    std::printf("No answer was ever heard\n");
    return 1;
  }
  const double worst = *std::max_element(latency.begin(), latency.end());
  std::printf(
      "Press to first sample handed to the sink: median %.1f ms, 90%% %.1f ms, worst %.1f ms over "
      "%zu answers (goal: at most 50 ms); the press alone in a silent window: median %.1f ms "
      "(%.1fx)\n",
      Median(latency), Percentile(latency, 0.9), worst, latency.size(), Median(silent),
      Median(latency) / Median(silent));

  const auto [gaps, reference] = AutoCq(bench, server, seconds);
  if (gaps.count < 0) {
    std::printf("The recorders or pacat do not start: %s\n", qPrintable(server.Problem()));
    return 1;
  }
  std::printf(
      "Auto CQ for %d s: %d gaps in the band noise, the longest %.1f ms (goal: none), the sink "
      "went idle %d times; pacat beside it %d ms ahead: %d gaps, the longest %.1f ms\n",
      seconds, gaps.count, gaps.longestMs, bench.window->Sound()->SinkRunDry(),
      tovk::ui::kSinkLeadMilliseconds, reference.count, reference.longestMs);
  bench.window.reset();
  server.Stop();
  return worst <= 50 && gaps.count == 0 ? 0 : 2;
}
