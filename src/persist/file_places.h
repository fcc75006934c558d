// Where the program keeps its files. Run from a folder of its own (the build
// folder, an unpacked copy) it keeps everything beside the executable; run
// from an installed tree it keeps the player's files in the desktop's
// per-user folders and reads the station list and help from share/tovk/.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tovk {

inline constexpr const char* kSettingsFileName = "tovk.ini";
inline constexpr const char* kStationListName = "TOVK.SS";
inline constexpr const char* kHelpFileName = "tovk-help.html";

struct FilePlaces {
  // Everything beside the executable (true), or the per-user folders (false).
  bool portable = true;
  std::filesystem::path settingsFile;
  // The game's folder (Game::folder): saved games named without a folder.
  std::filesystem::path dataFolder;
  std::filesystem::path stationList;  // absolute; for GameState::StationFile
  std::filesystem::path helpFile;
  std::filesystem::path historyFile;   // the practice history
  std::filesystem::path recoveryFile;  // the recovery copy, beside the settings file
};

// The value of an environment variable, nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
// Whether the program may create files in a folder.
using WritablePredicate = std::function<bool(const std::filesystem::path& folder)>;

// The places for a program whose executable lies in `programFolder` (an
// absolute path). The portable layout holds when that folder is writable and
// is not the bin/ folder of an installed tree (no station list beside the
// executable, one in ../share/tovk/): an administrator running the installed
// program must not fill a system folder either. Otherwise the settings file
// goes to $XDG_CONFIG_HOME/tovk/ (~/.config/tovk/), saved games and the
// practice history to $XDG_DATA_HOME/tovk/ (~/.local/share/tovk/), under the
// same names. `settingsName` is the settings file's name.
FilePlaces FindFilePlaces(const std::filesystem::path& programFolder,
                          const EnvironmentLookup& environment, const WritablePredicate& writable,
                          const std::string& settingsName = kSettingsFileName);

// Creates the per-user folders the places need (none in the portable
// layout). False when one could not be made.
bool MakeFilePlaces(const FilePlaces& places);

// The process environment; HOME falls back to the user's entry in the
// password database.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// True when a file can really be created and removed in `folder`: the
// permission bits alone do not tell, since the administrator ignores them.
bool FolderIsWritable(const std::filesystem::path& folder);

}  // namespace tovk
