// Numbered sound files for the lines stations say: none for silence, and
// writing stops after the first failure.
#include "audio/sound_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio/recording_engine.h"

namespace tovk::audio {
namespace {

namespace fs = std::filesystem;

TEST(SoundFiles, numbersSpokenLinesOnlyAndMakesTheFolder) {
  const fs::path folder = fs::temp_directory_path() / "tovk_sound_files" / "new";
  fs::remove_all(folder.parent_path());
  RecordingEngine engine;
  SoundFiles files(folder, engine, 5);
  const GameState g;
  EXPECT_EQ(files.Write("TU", g, {}).name, "000001.wav");
  const LineFilesOutcome silence = files.Write("*** No response", g, {});
  EXPECT_TRUE(silence.name.empty() && silence.error.empty());
  EXPECT_EQ(files.Write("QSL?", g, {}).name, "000002.wav");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);
}

TEST(SoundFiles, aFolderThatCannotBeWrittenIsReportedOnce) {
  const fs::path blocker = fs::temp_directory_path() / "tovk_sound_files_blocker";
  fs::remove_all(blocker);
  std::ofstream(blocker) << "a file, not a folder";
  RecordingEngine engine;
  SoundFiles files(blocker / "wav", engine, 5);
  EXPECT_EQ(files.Write("TU", GameState{}, {}).error,
            "Error writing file " + (blocker / "wav" / "000001.wav").string());
  const LineFilesOutcome next = files.Write("TU", GameState{}, {});
  EXPECT_TRUE(next.name.empty() && next.error.empty());
  fs::remove(blocker);
}

}  // namespace
}  // namespace tovk::audio
