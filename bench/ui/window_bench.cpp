// The window's speed where a long game makes it slow: a click on "Call CQ"
// with 100,000 lines in the incoming window against the same click in empty
// windows; restoring a game with 100,000 window lines against giving bare
// text windows the same text. Prints the two ratios at the end. Start-up is
// measured as a whole process by startup_bench.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "persist/saved_game.h"
#include "ui/main_window.h"
#include "world/random.h"

namespace {

constexpr int kLongWindow = 100000;

// The window with its boxes answered at once; Restore picks `restoreFile`.
class BenchWindow : public tovk::ui::MainWindow {
 public:
  using MainWindow::MainWindow;
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const tovk::FileRequest&) override { return restoreFile; }
  void EndProgram() override {}
  std::string restoreFile;
};

// A folder with the station list, and a window over it, created and shown.
struct Bench {
  Bench() : random(1977) {
    std::filesystem::copy_file(TOVK_STATION_LIST, Folder() / "TOVK.SS");
    tovk::ui::WindowSetup setup;
    setup.folder = Folder();
    setup.settingsFile = Folder() / "tovk.ini";
    setup.playSound = false;  // the window's own speed, without the sound
    window = std::make_unique<BenchWindow>(setup, random);
    window->Create();
    window->show();
    Paint();
  }
  std::filesystem::path Folder() const { return dir.path().toStdString(); }
  void Paint() {
    QCoreApplication::processEvents();
    window->repaint();
  }
  // Keeps the contest clock early, so that no click meets the contest's end.
  void RewindClock() {
    tovk::Game& g = window->game();
    g.Day = 18;
    g.Hour = 21;
    g.OpHours = 0;
  }

  QTemporaryDir dir;
  tovk::SeededRandom random;
  std::unique_ptr<BenchWindow> window;
};

std::string IncomingLine(int i) {
  return "Q1AAA UR " + std::to_string(i % 999 + 1) + " A W" + std::to_string(i % 10) + "ABC 68 CT";
}

void FillIncoming(tovk::Game& g, int lines) {
  for (int i = 0; i < lines; ++i) g.AppendLine(tovk::MemoId::Incoming, IncomingLine(i));
}

void CallCq(benchmark::State& state, int lines) {
  Bench bench;
  tovk::Game& g = bench.window->game();
  FillIncoming(g, lines);
  bench.Paint();
  for (auto _ : state) {
    if (lines == 0) {
      state.PauseTiming();
      g.ClearMemo(tovk::MemoId::Incoming);
      g.ClearMemo(tovk::MemoId::Outgoing);
      bench.Paint();
      state.ResumeTiming();
    }
    bench.RewindClock();
    bench.window->RunCommand(tovk::Command::CallCq);
    bench.Paint();
  }
}

void BM_CallCqEmptyWindows(benchmark::State& state) {
  CallCq(state, 0);
}
void BM_CallCqLongIncoming(benchmark::State& state) {
  CallCq(state, kLongWindow);
}

// A saved game whose windows hold 100,000 lines between them.
std::filesystem::path WriteLongGame(Bench& bench) {
  tovk::Game& g = bench.window->game();
  FillIncoming(g, kLongWindow * 8 / 10);
  for (int i = 0; i < kLongWindow / 10; ++i) {
    g.AppendLine(tovk::MemoId::Log, "1977/11/18|21:03|W1ABC     | 40|    1| A | 58| CT  |    1");
    g.AppendLine(tovk::MemoId::Outgoing, "W1ABC UR 6 A Q1AAA Check 68 MDC");
  }
  const std::filesystem::path file = bench.Folder() / "long.sav";
  g.SavedGameFile = file.string();
  tovk::WriteSavedGame(g);
  return file;
}

void BM_RestoreLongGame(benchmark::State& state) {
  Bench bench;
  bench.window->restoreFile = WriteLongGame(bench).string();
  for (auto _ : state) {
    bench.window->RunCommand(tovk::Command::RestoreGame);
    bench.Paint();
  }
}

// The same texts given to three bare text windows.
void BM_BareSetPlainText(benchmark::State& state) {
  Bench bench;
  WriteLongGame(bench);
  tovk::Game& g = bench.window->game();
  std::array<QString, tovk::kMemoCount> texts;
  for (int m = 0; m < tovk::kMemoCount; ++m) {
    QStringList lines;
    for (const std::string& line : g.memo[m]) lines.append(QString::fromStdString(line));
    texts[m] = lines.join(u'\n');
  }
  bench.window.reset();
  QMainWindow bare;
  auto* central = new QWidget(&bare);
  auto* column = new QVBoxLayout(central);
  std::array<QPlainTextEdit*, tovk::kMemoCount> edits{};
  for (auto& edit : edits) {
    edit = new QPlainTextEdit(central);
    column->addWidget(edit);
  }
  bare.setCentralWidget(central);
  bare.resize(621, 600);
  bare.show();
  for (auto _ : state) {
    for (int m = 0; m < tovk::kMemoCount; ++m) edits[m]->setPlainText(texts[m]);
    QCoreApplication::processEvents();
    bare.repaint();
  }
}

BENCHMARK(BM_CallCqEmptyWindows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CallCqLongIncoming)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestoreLongGame)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BareSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(5);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Ratio(const char* what, const std::string& measured, const std::string& baseline,
             double goal) {
    if (!times.count(measured) || !times.count(baseline) || times[baseline] <= 0) return;
    const double ratio = times[measured] / times[baseline];
    std::cout << what << ": " << ratio << "x (goal at most " << goal << "x)\n";
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Ratio("Call CQ with 100,000 incoming lines vs empty windows", "BM_CallCqLongIncoming",
                 "BM_CallCqEmptyWindows", 1.5);
  reporter.Ratio("Restore of 100,000 window lines vs bare setPlainText",
                 "BM_RestoreLongGame/iterations:5", "BM_BareSetPlainText/iterations:5", 1.5);
  benchmark::Shutdown();
  return 0;
}
