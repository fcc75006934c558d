// Saving and restoring a big game (100,000 window lines, a full pool of 3200
// stations), each against writing and reading the same bytes with a plain
// file stream in the same run. Prints the two ratios at the end.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "persist/saved_game.h"
#include "world/game.h"
#include "world/null_screen.h"

namespace {

using namespace tovk;

// Shows nothing but a failed save's message, so the figures are the file work
// alone and a broken run does not go unnoticed.
class MessageScreen : public tovk::NullScreen {
 public:
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

constexpr int kWindowLines = 100000;

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("tovk-persist-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// A game played long: the three windows full, every station in the pool,
// a third of them worked.
void FillGame(Game& g) {
  g.folder = Folder();
  g.SavedGameFile = "big.sav";
  for (int i = 0; i < kWindowLines; ++i) {
    const std::string n = std::to_string(i);
    switch (i % 3) {
      case 0:
        g.Lines(MemoId::Incoming).push_back("Q1AAA UR " + n + " B K9XYZ CK 59 IL");
        break;
      case 1:
        g.Lines(MemoId::Log).push_back("1977/11/18|21:05  K9XYZ  " + n + " B 59 IL");
        break;
      default:
        g.Lines(MemoId::Outgoing).push_back("K9XYZ " + n + " A Q1AAA 68 MDC");
        break;
    }
  }
  g.StationMax = kPoolCapacity - 1;
  for (int i = 0; i < kPoolCapacity; ++i) {
    g.StationCall[i] = std::string("W").append(std::to_string(i)).append("XYZ");
    g.StationBand[i] = i % 3 == 0 ? "40" : "99";
    g.StationWorked[i] = i % 3 == 0 ? StationLogState::Worked : StationLogState::NotWorked;
  }
}

struct Fixture {
  MessageScreen screen;
  FirstDraw random;
  Game game{screen, random};
  std::string bytes;  // the saved game's text
  Fixture() {
    FillGame(game);
    std::ostringstream out;
    WriteSavedGameTo(game, out);
    bytes = out.str();
    WriteSavedGame(game);
  }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_SaveGame(benchmark::State& state) {
  Game& g = Shared().game;
  for (auto _ : state) benchmark::DoNotOptimize(WriteSavedGame(g));
}

void BM_PlainWrite(benchmark::State& state) {
  const std::string& bytes = Shared().bytes;
  const auto path = Folder() / "plain.sav";
  for (auto _ : state) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    benchmark::DoNotOptimize(out.good());
  }
}

// The same bytes made durable as the save makes them (the save syncs its
// file to disk before it replaces the old one): a second baseline.
void BM_PlainWriteSynced(benchmark::State& state) {
  const std::string& bytes = Shared().bytes;
  const std::string path = (Folder() / "synced.sav").string();
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
  }
}

void BM_RestoreGame(benchmark::State& state) {
  Fixture& shared = Shared();
  Game g{shared.screen, shared.random};
  g.folder = Folder();
  g.SavedGameFile = "big.sav";
  g.StationMax = kPoolCapacity - 1;
  for (auto _ : state) {
    state.PauseTiming();
    for (auto& lines : g.memo) lines.clear();
    state.ResumeTiming();
    benchmark::DoNotOptimize(ReadSavedGame(g));
  }
}

void BM_PlainRead(benchmark::State& state) {
  Shared();
  const auto path = Folder() / "big.sav";
  std::vector<std::string> lines;
  for (auto _ : state) {
    state.PauseTiming();
    lines.clear();
    state.ResumeTiming();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    benchmark::DoNotOptimize(lines.data());
  }
}

BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteSynced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0) {
        const auto n = static_cast<double>(run.iterations);
        seconds[run.benchmark_name()] = {run.real_accumulated_time / n,
                                         run.cpu_accumulated_time / n};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  struct Times {
    double real;
    double cpu;
  };
  std::map<std::string, Times> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char* game, const char* plain) {
    const auto a = reporter.seconds.find(game);
    const auto b = reporter.seconds.find(plain);
    if (a == reporter.seconds.end() || b == reporter.seconds.end()) return;
    if (b->second.real <= 0 || b->second.cpu <= 0) return;
    std::printf("%s / %s = %.2f elapsed, %.2f processor time (goal: at most 2)\n", game, plain,
                a->second.real / b->second.real, a->second.cpu / b->second.cpu);
  };
  ratio("BM_SaveGame", "BM_PlainWrite");
  ratio("BM_SaveGame", "BM_PlainWriteSynced");
  ratio("BM_RestoreGame", "BM_PlainRead");
  std::error_code error;
  std::filesystem::remove_all(Folder(), error);
  return 0;
}
