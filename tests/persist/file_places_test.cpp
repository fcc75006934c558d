// Where the program keeps its files: beside itself when its folder is its
// own, in the per-user folders when it is installed, and the shared station
// list and help of an installed tree.
#include "persist/file_places.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "persist/settings_file.h"
#include "persist/temp_folder.h"

namespace tovk {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

// An environment made of a few variables.
EnvironmentLookup Env(std::map<std::string, std::string> variables) {
  return [variables](const std::string& name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

WritablePredicate Writable(bool answer) {
  return [answer](const fs::path&) { return answer; };
}

// An installed tree in a temporary folder: bin/, share/tovk/ with the
// station list and the help, and a home folder.
class InstalledTree : public ::testing::Test {
 protected:
  InstalledTree() {
    fs::create_directories(bin());
    fs::create_directories(share());
    fs::create_directories(home());
    WriteBytes(share() / kStationListName, "K1ABC 0\r\n");
    WriteBytes(share() / kHelpFileName, "<html></html>");
  }
  fs::path bin() const { return tree / "usr" / "bin"; }
  fs::path share() const { return tree / "usr" / "share" / "tovk"; }
  fs::path home() const { return tree / "home" / "op"; }

  TempFolder tree;
};

TEST(FilePlacesTest, writableFolderKeepsEverythingBesideTheExecutable) {
  const FilePlaces places =
      FindFilePlaces("/games/tovk/bin", Env({{"HOME", "/home/op"}}), Writable(true));
  EXPECT_TRUE(places.portable);
  EXPECT_EQ(places.settingsFile, "/games/tovk/bin/tovk.ini");
  EXPECT_EQ(places.dataFolder, "/games/tovk/bin");
  EXPECT_EQ(places.stationList, "/games/tovk/bin/TOVK.SS");
  EXPECT_EQ(places.helpFile, "/games/tovk/bin/tovk-help.html");
  EXPECT_EQ(places.historyFile, "/games/tovk/bin/tovk-history.csv");
  EXPECT_EQ(places.recoveryFile, "/games/tovk/bin/tovk-recovery.sav");
  EXPECT_TRUE(MakeFilePlaces(places));  // creates nothing
}

TEST(FilePlacesTest, settingsNameGivesTheNamesBesideIt) {
  const FilePlaces places = FindFilePlaces("/p", Env({}), Writable(true), "tovk-term.ini");
  EXPECT_EQ(places.settingsFile, "/p/tovk-term.ini");
  EXPECT_EQ(places.historyFile, "/p/tovk-term-history.csv");
  EXPECT_EQ(places.recoveryFile, "/p/tovk-term-recovery.sav");
}

TEST(FilePlacesTest, readOnlyFolderUsesTheDesktopsPerUserFolders) {
  const FilePlaces places = FindFilePlaces(
      "/usr/bin",
      Env({{"HOME", "/home/op"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}}),
      Writable(false));
  EXPECT_FALSE(places.portable);
  EXPECT_EQ(places.settingsFile, "/cfg/tovk/tovk.ini");
  EXPECT_EQ(places.recoveryFile, "/cfg/tovk/tovk-recovery.sav");
  EXPECT_EQ(places.dataFolder, "/data/tovk");
  EXPECT_EQ(places.historyFile, "/data/tovk/tovk-history.csv");
}

TEST(FilePlacesTest, perUserFoldersDefaultUnderHomeAndPassOverRelativeValues) {
  for (const auto& env :
       {Env({{"HOME", "/home/op"}}),
        Env({{"HOME", "/home/op"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}}),
        Env({{"HOME", "/home/op"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "./data"}})}) {
    const FilePlaces places = FindFilePlaces("/usr/bin", env, Writable(false));
    EXPECT_EQ(places.settingsFile, "/home/op/.config/tovk/tovk.ini");
    EXPECT_EQ(places.dataFolder, "/home/op/.local/share/tovk");
  }
}

TEST_F(InstalledTree, readsTheStationListAndHelpFromTheTreesShareFolder) {
  const FilePlaces places =
      FindFilePlaces(bin(), Env({{"HOME", home().string()}}), Writable(false));
  EXPECT_EQ(places.stationList, share() / kStationListName);
  EXPECT_EQ(places.helpFile, share() / kHelpFileName);
}

TEST_F(InstalledTree, writableInstalledTreeStillUsesThePerUserFolders) {
  // The administrator may write anywhere; the installed bin/ stays untouched.
  const FilePlaces places = FindFilePlaces(bin(), Env({{"HOME", home().string()}}), Writable(true));
  EXPECT_FALSE(places.portable);
  EXPECT_EQ(places.settingsFile, home() / ".config" / "tovk" / "tovk.ini");
}

TEST_F(InstalledTree, aStationListBesideTheExecutableKeepsThePortableLayout) {
  WriteBytes(bin() / kStationListName, "K1ABC 0\r\n");
  const FilePlaces places = FindFilePlaces(bin(), Env({{"HOME", home().string()}}), Writable(true));
  EXPECT_TRUE(places.portable);
  EXPECT_EQ(places.stationList, bin() / kStationListName);
}

TEST_F(InstalledTree, sharedFilesFallBackToTheDesktopsDataFolders) {
  const fs::path loneBin = tree / "opt" / "bin";
  const fs::path other = tree / "other";
  fs::create_directories(loneBin);
  fs::create_directories(other / "tovk");
  WriteBytes(other / "tovk" / kStationListName, "W1AW 0\r\n");
  const std::string dirs =
      "relative/ignored:" + other.string() + ":" + (tree / "usr" / "share").string();
  const FilePlaces places =
      FindFilePlaces(loneBin, Env({{"HOME", "/h"}, {"XDG_DATA_DIRS", dirs}}), Writable(false));
  EXPECT_EQ(places.stationList, other / "tovk" / kStationListName);
  EXPECT_EQ(places.helpFile, share() / kHelpFileName);  // the first folder that has it

  // Found nowhere: the tree's own share folder, so the game reports it missing there.
  const FilePlaces none = FindFilePlaces(
      loneBin, Env({{"HOME", "/h"}, {"XDG_DATA_DIRS", "/nonexistent"}}), Writable(false));
  EXPECT_EQ(none.stationList, tree / "opt" / "share" / "tovk" / kStationListName);
}

TEST_F(InstalledTree, readOnlyProgramFolderGetsNothingWrittenIntoIt) {
  const FilePlaces places =
      FindFilePlaces(bin(), Env({{"HOME", home().string()}}), Writable(false));
  ASSERT_TRUE(MakeFilePlaces(places));
  EXPECT_TRUE(fs::is_directory(home() / ".config" / "tovk"));
  EXPECT_TRUE(fs::is_directory(home() / ".local" / "share" / "tovk"));
  GameState state;
  EXPECT_TRUE(WriteSettings(state, places.settingsFile));
  EXPECT_TRUE(fs::exists(home() / ".config" / "tovk" / "tovk.ini"));
  EXPECT_TRUE(fs::is_empty(bin()));
}

TEST(FolderIsWritableTest, tellsAWritableFolderFromAReadOnlyOneAndLeavesNothing) {
  TempFolder folder;
  EXPECT_TRUE(FolderIsWritable(folder.path()));
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_FALSE(FolderIsWritable(folder / "missing"));
  if (::geteuid() == 0) GTEST_SKIP() << "the administrator may write into a read-only folder";
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(FolderIsWritable(folder.path()));
  fs::permissions(folder.path(), fs::perms::owner_all);
}

}  // namespace
}  // namespace tovk
