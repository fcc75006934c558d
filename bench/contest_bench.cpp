// Whole contests played by the robot operator: contests per second and
// actions per second, and the cost of one action as a multiple of a bare
// AdvanceClock call measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/actions.h"
#include "support/robot.h"
#include "world/clock.h"

namespace {

using tovk::testing::Robot;
using tovk::testing::RobotScreen;

// The baseline: the cheapest thing every action does.
void BM_AdvanceClock(benchmark::State& state) {
  tovk::GameState s;
  for (auto _ : state) {
    tovk::AdvanceClock(s, 4, true);
    benchmark::DoNotOptimize(s.Second);
  }
}
BENCHMARK(BM_AdvanceClock)->Unit(benchmark::kNanosecond);

// One whole contest per iteration, a new seed each time; setting up the new
// game (reading the station list) is not timed.
void BM_WholeContest(benchmark::State& state) {
  const std::filesystem::path stations = TOVK_STATION_LIST;
  std::uint64_t seed = 0;
  double actions = 0;
  double contacts = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++seed;
    RobotScreen screen;
    tovk::SeededRandom random(seed);
    tovk::Game g(screen, random);
    tovk::testing::StartRobotContest(g, stations.parent_path(),
                                     tovk::testing::OptionsForSeed(seed));
    Robot robot(g, screen, seed);
    state.ResumeTiming();
    while (!robot.Done()) robot.Step();
    actions += static_cast<double>(robot.tally().actions);
    contacts += g.Mynumber - 1;
  }
  state.counters["contests/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["actions/s"] = benchmark::Counter(actions, benchmark::Counter::kIsRate);
  state.counters["actions/contest"] =
      benchmark::Counter(actions, benchmark::Counter::kAvgIterations);
  state.counters["QSOs/contest"] = benchmark::Counter(contacts, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeContest)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Shows the usual table and keeps the figures needed for the ratio. Both
// sides are CPU time (the rate counters are per CPU second), so a machine
// busy with other work does not skew the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      if (name.rfind("BM_AdvanceClock", 0) == 0) clockNs_ = run.GetAdjustedCPUTime();
      auto rate = run.counters.find("actions/s");
      if (rate != run.counters.end() && rate->second.value > 0) {
        actionNs_ = 1e9 / rate->second.value;
      }
    }
  }

  void PrintRatio() const {
    if (clockNs_ <= 0 || actionNs_ <= 0) return;
    std::printf("one action: %.0f ns CPU = %.0f x one AdvanceClock (%.2f ns CPU)\n", actionNs_,
                actionNs_ / clockNs_, clockNs_);
  }

 private:
  double clockNs_ = 0;
  double actionNs_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio();
  benchmark::Shutdown();
  return 0;
}
