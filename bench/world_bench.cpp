// Speed of the contest world, each figure as a ratio against a baseline
// measured in the same run: loading the station list against reading its
// lines with std::getline alone, and choosing a station and making its
// exchange against the same number of bare random draws.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "world/game.h"
#include "world/null_screen.h"
#include "world/random.h"
#include "world/station_pool.h"

namespace {

using tovk::NullScreen;

// A random source that counts the draws it gives.
class CountingRandom final : public tovk::RandomSource {
 public:
  int Draw(int n) override {
    ++draws;
    return source.Draw(n);
  }
  tovk::SeededRandom source{12345};
  long long draws = 0;
};

const std::string& StationListText() {
  static const std::string text = [] {
    std::ifstream in(TOVK_STATION_LIST, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }();
  return text;
}

void BM_ReadStationListLines(benchmark::State& state) {
  const std::string& text = StationListText();
  for (auto _ : state) {
    std::istringstream in(text);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReadStationListLines);

void BM_LoadStationList(benchmark::State& state) {
  const std::string& text = StationListText();
  NullScreen screen;
  tovk::SeededRandom random;
  auto g = std::make_unique<tovk::Game>(screen, random);
  for (auto _ : state) {
    std::istringstream in(text);
    benchmark::DoNotOptimize(tovk::LoadStationPool(*g, in));
  }
  if (g->StationMax != tovk::kPoolCapacity - 1) state.SkipWithError("station list not loaded");
}
BENCHMARK(BM_LoadStationList);

// Draws a select-and-exchange takes on average, found by a first pass.
double DrawsPerContact() {
  static const double draws = [] {
    NullScreen screen;
    CountingRandom random;
    auto g = std::make_unique<tovk::Game>(screen, random);
    std::istringstream in(StationListText());
    tovk::LoadStationPool(*g, in);
    const int rounds = 100000;
    static const char* kBands[] = {"80", "40", "20", "15", "10"};
    for (int i = 0; i < rounds; ++i) {
      g->Hour = i % 24;
      g->Band = kBands[i % 5];
      tovk::SelectStation(*g, true);
      tovk::MakeExchange(*g);
    }
    return static_cast<double>(random.draws) / rounds;
  }();
  return draws;
}

void BM_SelectStationAndMakeExchange(benchmark::State& state) {
  NullScreen screen;
  tovk::SeededRandom random(12345);
  auto g = std::make_unique<tovk::Game>(screen, random);
  std::istringstream in(StationListText());
  tovk::LoadStationPool(*g, in);
  g->ElapsedMinutes = 600;
  g->Mynumber = 250;
  static const char* kBands[] = {"80", "40", "20", "15", "10"};
  int i = 0;
  for (auto _ : state) {
    g->Hour = i % 24;
    g->Band = kBands[i % 5];
    ++i;
    tovk::SelectStation(*g, true);
    tovk::MakeExchange(*g);
    benchmark::DoNotOptimize(g->Hischeck);
  }
  state.counters["draws"] = DrawsPerContact();
}
BENCHMARK(BM_SelectStationAndMakeExchange);

// The baseline: as many bare draws as one select-and-exchange takes.
void BM_BareRandomDraws(benchmark::State& state) {
  tovk::SeededRandom random(12345);
  tovk::RandomSource& source = random;
  const double perContact = DrawsPerContact();
  double owed = 0;
  for (auto _ : state) {
    owed += perContact;
    for (; owed >= 1; owed -= 1) benchmark::DoNotOptimize(source.Draw(10));
  }
}
BENCHMARK(BM_BareRandomDraws);

// Keeps each benchmark's time per iteration so the ratios can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration)
        times[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
  }
  std::map<std::string, double> times;
};

void PrintRatio(const RatioReporter& reporter, const char* what, const char* subject,
                const char* baseline) {
  const auto s = reporter.times.find(subject);
  const auto b = reporter.times.find(baseline);
  if (s == reporter.times.end() || b == reporter.times.end() || b->second <= 0) return;
  std::printf("%s ratio: %.2f (%s %.1f ns, %s %.1f ns)\n", what, s->second / b->second, subject,
              s->second, baseline, b->second);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatio(reporter, "station list load vs getline", "BM_LoadStationList",
             "BM_ReadStationListLines");
  PrintRatio(reporter, "select+exchange vs bare draws", "BM_SelectStationAndMakeExchange",
             "BM_BareRandomDraws");
  benchmark::Shutdown();
  return 0;
}
