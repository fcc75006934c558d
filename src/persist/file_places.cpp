// Choosing between the portable layout and the per-user folders of the
// desktop, and finding the installed station list and help.
#include "persist/file_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include "persist/practice_history.h"

namespace tovk {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "tovk";

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// A variable that names a usable folder: set, not empty and absolute (the
// desktop's rules pass over relative paths).
std::optional<fs::path> AbsoluteFolder(const EnvironmentLookup& environment,
                                       const std::string& name) {
  const auto value = environment(name);
  if (!value || value->empty()) return std::nullopt;
  fs::path path(*value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

// $variable, or ~/fallback; nullopt when neither can be found.
std::optional<fs::path> UserFolder(const EnvironmentLookup& environment,
                                   const std::string& variable, const fs::path& fallback) {
  if (auto folder = AbsoluteFolder(environment, variable)) return *folder;
  if (auto home = AbsoluteFolder(environment, "HOME")) return *home / fallback;
  return std::nullopt;
}

// The folders an installed program's shared files may lie in, in the order
// they are tried: share/tovk/ of the tree the executable belongs to, then the
// desktop's shared data folders.
std::vector<fs::path> SharedFolders(const fs::path& programFolder,
                                    const EnvironmentLookup& environment) {
  std::vector<fs::path> folders{(programFolder / ".." / "share" / kFolderName).lexically_normal()};
  std::string list = environment("XDG_DATA_DIRS").value_or("");
  if (list.empty()) list = "/usr/local/share/:/usr/share/";
  std::string_view rest = list;
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const fs::path entry(std::string(rest.substr(0, colon)));
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    if (entry.is_absolute()) folders.push_back((entry / kFolderName).lexically_normal());
  }
  return folders;
}

// The first shared folder holding `name`; the installed tree's own when none does.
fs::path FindShared(const std::vector<fs::path>& folders, const std::string& name) {
  for (const auto& folder : folders) {
    if (IsFile(folder / name)) return folder / name;
  }
  return folders.front() / name;
}

bool IsInstalledTree(const fs::path& programFolder) {
  return !IsFile(programFolder / kStationListName) &&
         IsFile(programFolder / ".." / "share" / kFolderName / kStationListName);
}

// The recovery copy's name: "tovk.ini" gives "tovk-recovery.sav".
fs::path RecoveryName(const std::string& settingsName) {
  return fs::path(settingsName).stem().string() + "-recovery.sav";
}

}  // namespace

FilePlaces FindFilePlaces(const fs::path& programFolder, const EnvironmentLookup& environment,
                          const WritablePredicate& writable, const std::string& settingsName) {
  FilePlaces places;
  const fs::path historyName = PracticeHistoryPath(settingsName).filename();
  if (writable(programFolder) && !IsInstalledTree(programFolder)) {
    places.settingsFile = programFolder / settingsName;
    places.dataFolder = programFolder;
    places.stationList = programFolder / kStationListName;
    places.helpFile = programFolder / kHelpFileName;
    places.historyFile = programFolder / historyName;
    places.recoveryFile = programFolder / RecoveryName(settingsName);
    return places;
  }
  places.portable = false;
  // Without any home folder there is nowhere of the player's own: the
  // program's folder is kept, and writes there fail and are reported.
  const auto configHome = UserFolder(environment, "XDG_CONFIG_HOME", ".config");
  const auto dataHome = UserFolder(environment, "XDG_DATA_HOME", fs::path(".local") / "share");
  const fs::path configFolder = configHome ? *configHome / kFolderName : programFolder;
  const fs::path dataFolder = dataHome ? *dataHome / kFolderName : programFolder;
  const auto shared = SharedFolders(programFolder, environment);
  places.settingsFile = configFolder / settingsName;
  places.dataFolder = dataFolder;
  places.stationList = FindShared(shared, kStationListName);
  places.helpFile = FindShared(shared, kHelpFileName);
  places.historyFile = dataFolder / historyName;
  places.recoveryFile = configFolder / RecoveryName(settingsName);
  return places;
}

bool MakeFilePlaces(const FilePlaces& places) {
  if (places.portable) return true;
  bool made = true;
  for (const auto& folder : {places.settingsFile.parent_path(), places.dataFolder}) {
    std::error_code error;
    fs::create_directories(folder, error);
    made = made && !error && fs::is_directory(folder, error);
  }
  return made;
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  if (name != "HOME") return std::nullopt;
  const passwd* entry = ::getpwuid(::getuid());
  if (entry == nullptr || entry->pw_dir == nullptr) return std::nullopt;
  return std::string(entry->pw_dir);
}

bool FolderIsWritable(const fs::path& folder) {
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
  std::string pattern = (folder / ".tovk-write-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(name.data());
  return true;
}

}  // namespace tovk
