// Start-up as the player feels it: the whole process, from starting `tovk`
// to its first painted frame, against the same for a bare Qt Widgets program
// with one main window (bare_window), on the same platform plugin. Each run
// starts a fresh copy of the program in a folder of its own and waits for
// the "first frame" line it writes when TOVK_REPORT_FIRST_FRAME is set.
// Prints each run, the medians and the median of the runs' ratios; a third
// program, the bare window with a menu bar and a line of text, shows what
// any window that shows words pays.
//
// Usage: startup_bench [--runs N] [--platform offscreen|xcb] [--tovk PROGRAM]
// (xcb by default under a display, e.g. xvfb-run startup_bench; --tovk
// times another build of the game, e.g. a copy kept from before a change)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kGoal = 1.5;
constexpr int kTimeoutMs = 30000;

struct Options {
  int runs = 11;
  std::string platform = "offscreen";
  fs::path tovk = TOVK_PROGRAM;
};

// A folder of its own for one run under `parent`, removed with everything in it.
class RunFolder {
 public:
  explicit RunFolder(const fs::path& parent) {
    std::string pattern = (parent / "tovk-startup-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~RunFolder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Where a desktop session keeps its runtime files (the one-copy lock): in
// memory, as /run/user/UID is; the disk's write-back would time the disk.
fs::path RuntimeParent() {
  std::error_code error;
  if (fs::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return fs::temp_directory_path();
}

std::vector<std::string> Environment(const Options& options, const fs::path& runtime) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.starts_with("QT_QPA_PLATFORM=") || text.starts_with("XDG_RUNTIME_DIR=")) continue;
    result.push_back(text);
  }
  result.push_back("QT_QPA_PLATFORM=" + options.platform);
  // The one-copy lock lives here: a game the player has open does not count.
  result.push_back("XDG_RUNTIME_DIR=" + runtime.string());
  result.push_back("TOVK_REPORT_FIRST_FRAME=1");
  return result;
}

// Waits for the "first frame" line on `pipe`; false on end of output or time-out.
bool AwaitFirstFrame(int pipe) {
  std::string seen;
  const auto deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
  while (seen.find("first frame\n") == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd watch{pipe, POLLIN, 0};
    if (poll(&watch, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[256];
    const ssize_t got = read(pipe, buffer, sizeof buffer);
    if (got <= 0) return false;
    seen.append(buffer, static_cast<std::size_t>(got));
  }
  return true;
}

// One start: milliseconds from starting the program to its first painted
// frame, and the processor time it used until it was stopped right after.
struct Start {
  double wallMs = 0;
  double cpuMs = 0;
};

// How a program that never reported its first frame ended, from its wait status.
std::string HowItEnded(int status) {
  if (WIFEXITED(status)) return "ended with status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return "showed nothing in time";
  if (WIFSIGNALED(status)) return std::string("died of ") + strsignal(WTERMSIG(status));
  return "stopped";
}

double Milliseconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

// A program started in the race: its name in the report, the executable,
// its arguments and the files it finds beside it.
struct Contender {
  const char* name;
  fs::path program;
  std::vector<std::string> arguments;
  std::vector<fs::path> files;
};

// Starts a fresh copy of the contender's program and times it to its first
// painted frame; none when it never reports one.
std::optional<Start> TimeToFirstFrame(const Contender& contender, const Options& options) {
  const fs::path& program = contender.program;
  const std::vector<fs::path>& files = contender.files;
  RunFolder folder(fs::temp_directory_path());
  RunFolder runtime(RuntimeParent());
  if (folder.path().empty() || runtime.path().empty()) return std::nullopt;
  const fs::path copy = folder.path() / program.filename();
  std::error_code error;
  fs::copy_file(program, copy, error);
  for (const fs::path& file : files) fs::copy_file(file, folder.path() / file.filename(), error);
  if (error) return std::nullopt;

  std::vector<std::string> environment = Environment(options, runtime.path());
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string path = copy.string();
  std::vector<std::string> words = contender.arguments;
  std::vector<char*> argv{path.data()};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int pipes[2];
  if (pipe2(pipes, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipes[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());

  const auto start = Clock::now();
  pid_t child = 0;
  const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipes[1]);
  if (failed != 0) {
    close(pipes[0]);
    return std::nullopt;
  }
  const bool painted = AwaitFirstFrame(pipes[0]);
  const auto end = Clock::now();
  kill(child, SIGKILL);
  rusage usage{};
  int status = 0;
  wait4(child, &status, 0, &usage);
  close(pipes[0]);
  if (!painted) {
    std::fprintf(stderr, "%s %s before its first frame\n", contender.name,
                 HowItEnded(status).c_str());
    return std::nullopt;
  }
  return Start{std::chrono::duration<double, std::milli>(end - start).count(),
               Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::optional<Options> ReadOptions(int argc, char* argv[]) {
  Options options;
  // As the player sees it: on the X display when there is one, else drawn
  // into memory. QT_QPA_PLATFORM, then --platform, choose another.
  if (const char* display = std::getenv("DISPLAY"); display && *display) options.platform = "xcb";
  if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform) {
    options.platform = platform;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    if (word == "--runs") {
      options.runs = std::max(1, std::atoi(argv[++i]));
    } else if (word == "--platform") {
      options.platform = argv[++i];
    } else if (word == "--tovk") {
      options.tovk = argv[++i];
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr, "Usage: %s [--runs N] [--platform offscreen|xcb] [--tovk PROGRAM]\n",
                 argv[0]);
    return 2;
  }
  // The game first; the figure is its ratio to the bare window. The window
  // with a menu bar and a line of text shows how much of the difference
  // any window that shows words pays.
  const Contender contenders[] = {
      {"tovk", options->tovk, {}, {TOVK_STATION_LIST, TOVK_HELP_FILE}},
      {"bare window", BARE_WINDOW_PROGRAM, {}, {}},
      {"window with text", BARE_WINDOW_PROGRAM, {"--text"}, {}},
  };
  constexpr std::size_t kCount = std::size(contenders);

  // One start of each first, not counted: the files come into the cache.
  for (const Contender& contender : contenders) TimeToFirstFrame(contender, *options);

  std::vector<Start> starts[kCount];
  std::vector<double> ratios[kCount];
  std::printf("Start-up to the first painted frame, platform %s, %d runs (ms, processor ms)\n",
              options->platform.c_str(), options->runs);
  for (int run = 0; run < options->runs; ++run) {
    // Turn by turn each goes first, so none always meets a busier machine.
    Start times[kCount];
    for (std::size_t k = 0; k < kCount; ++k) {
      const std::size_t which = (k + static_cast<std::size_t>(run)) % kCount;
      const std::optional<Start> start = TimeToFirstFrame(contenders[which], *options);
      if (!start) {
        std::fprintf(stderr, "run %d: %s reported no first frame\n", run + 1,
                     contenders[which].name);
        return 1;
      }
      times[which] = *start;
    }
    std::printf("  run %2d:", run + 1);
    for (std::size_t k = 0; k < kCount; ++k) {
      starts[k].push_back(times[k]);
      ratios[k].push_back(times[0].wallMs / times[k].wallMs);
      std::printf("  %s %.1f (%.1f)", contenders[k].name, times[k].wallMs, times[k].cpuMs);
    }
    std::printf("\n");
  }
  std::printf("Median:");
  for (std::size_t k = 0; k < kCount; ++k) {
    std::vector<double> wall, cpu;
    for (const Start& start : starts[k]) {
      wall.push_back(start.wallMs);
      cpu.push_back(start.cpuMs);
    }
    std::printf("  %s %.1f ms (processor %.1f ms)", contenders[k].name, Median(wall), Median(cpu));
  }
  std::printf("\n");
  std::printf("tovk vs the window with a menu bar and a line of text: %.2fx\n", Median(ratios[2]));
  std::printf("Start-up of tovk vs a bare Qt window, whole process: %.2fx (goal at most %.1fx)\n",
              Median(ratios[1]), kGoal);
  return 0;
}
