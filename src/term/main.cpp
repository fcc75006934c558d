// tovk-term: the game in a terminal, one command a line on standard input,
// one tagged line per event on standard output.
//   tovk-term [--dir DIR] [--seed N] [--wav DIR]
// DIR (the executable's folder without --dir) is the program's folder: the
// files are kept there when it is writable, in the per-user folders when not.
// With --wav, each line another station says is also written as a sound file
// in that folder, its name printed after the line.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/session.h"
#include "audio/band_settings.h"
#include "audio/espeak_engine.h"
#include "audio/sound_files.h"
#include "persist/file_places.h"
#include "term/command.h"
#include "term/command_runner.h"
#include "term/line_input.h"
#include "term/term_screen.h"
#include "world/random.h"

namespace {

constexpr std::string_view kUsage = "usage: tovk-term [--dir DIR] [--seed N] [--wav DIR]\n";

struct Options {
  std::filesystem::path folder;
  std::optional<std::uint64_t> seed;
  std::filesystem::path wavFolder;  // empty: no sound files
};

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  std::uint64_t seed = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (error != std::errc() || stop != text.data() + text.size() || text.empty())
    return std::nullopt;
  return seed;
}

// The folder of the running executable; the current folder when it cannot be found.
std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return exe.parent_path();
}

// The options, or nullopt after telling what is wrong on standard error.
std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--dir" && hasValue) {
      options.folder = argv[++i];
      continue;
    }
    if (argument == "--wav" && hasValue) {
      options.wavFolder = argv[++i];
      continue;
    }
    if (argument == "--seed" && hasValue) {
      options.seed = ParseSeed(argv[++i]);
      if (options.seed) continue;
      std::cerr << "tovk-term: --seed needs a whole number 0.." << UINT64_MAX << ": " << argv[i]
                << '\n';
      return std::nullopt;
    }
    std::cerr << "tovk-term: unknown or incomplete option: " << argument << '\n' << kUsage;
    return std::nullopt;
  }
  if (options.folder.empty()) options.folder = ExecutableFolder();
  std::error_code error;
  if (!std::filesystem::is_directory(options.folder, error)) {
    std::cerr << "tovk-term: no such folder: " << options.folder.string() << '\n';
    return std::nullopt;
  }
  options.folder = std::filesystem::absolute(options.folder, error);
  return options;
}

int Play(const Options& options) {
  tovk::term::LineInput input(std::cin);
  tovk::term::TermScreen screen(std::cout, input);
  tovk::SeededRandom random;

  const tovk::FilePlaces places = tovk::FindFilePlaces(
      options.folder, tovk::ProcessEnvironment, tovk::FolderIsWritable, tovk::kSettingsFileName);
  // A folder that cannot be made shows up as the first file that cannot be written.
  tovk::MakeFilePlaces(places);
  tovk::Session session(screen, random, tovk::SetupFor(places));
  screen.Attach(session);
  tovk::term::LayOutStatusBar(session.game());

  // The start-up of the window, without the window; a game restored at
  // start is shown, not heard.
  session.Start();
  const std::uint64_t seed = options.seed.value_or(tovk::ClockSeed());
  random.Seed(seed);
  session.Shown();
  session.OfferRecovery();

  std::optional<tovk::audio::EspeakEngine> speech;
  std::optional<tovk::audio::SoundFiles> soundFiles;
  if (!options.wavFolder.empty()) {
    speech.emplace();
    if (speech->Ready()) {
      soundFiles.emplace(options.wavFolder, *speech, seed);
      // With the sound off nothing is heard; the player's own lines only
      // with Monitor on.
      const auto hear = [&](const std::string& line, bool own) {
        const tovk::GameState& g = session.game();
        if (!g.Sound.on || (own && !g.Sound.monitor)) return;
        const auto written = soundFiles->Write(line, g, tovk::audio::BandSettingsOf(g.Sound), own);
        if (!written.name.empty()) screen.Print(tovk::term::tag::kWav, written.name);
        if (!written.error.empty()) screen.Print(tovk::term::tag::kError, written.error);
        if (!written.message.empty()) screen.Print(tovk::term::tag::kMessage, written.message);
      };
      screen.SetIncomingListener([hear](const std::string& line) { hear(line, false); });
      screen.SetOutgoingListener([hear](const std::string& line) { hear(line, true); });
    } else {
      screen.Print(tovk::term::tag::kMessage,
                   "No sound: " + speech->Problem() + "; the game goes on without sound");
    }
  }

  while (!session.Ended()) {
    // The end of the input leaves the recovery copy, as a killed program would.
    const auto line = input.Next();
    if (!line) return 0;
    tovk::term::RunCommand(session, screen, tovk::term::ParseCommand(*line));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << kUsage;
    return 0;
  }
  const auto options = ParseOptions(argc, argv);
  if (!options) return 2;
  try {
    return Play(*options);
  } catch (const tovk::term::InputEnded&) {
    // The input ended while the game waited for an answer: stop at once,
    // writing nothing, as a killed program would.
    return 0;
  }
}
