// Each line another station says, kept as files: DIR/000001.wav,
// DIR/000002.wav, ... with a WebVTT file of the same name beside each. Lines
// that are not speech get no file. The first failure to write (a folder that
// cannot be made or written, a full disk) is reported once and ends the
// writing; the game goes on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "audio/band_sound.h"
#include "audio/speech_engine.h"
#include "world/game_state.h"

namespace tovk::audio {

// What writing one line gave: the file's name, a failure, or neither.
struct LineFilesOutcome {
  std::string name;     // "000001.wav", without the folder; empty: no file
  std::string error;    // a file could not be written; empty: nothing
  std::string message;  // the speech engine failed; empty: nothing
};

class SoundFiles {
 public:
  SoundFiles(std::filesystem::path folder, SpeechEngine& engine, std::uint64_t gameSeed)
      : folder_(std::move(folder)), sound_(engine, gameSeed) {}

  // The sound of `line`, appended to the incoming window now (`own`: the
  // player's transmission, in the player's own voice), with the band as
  // `settings` make it.
  LineFilesOutcome Write(std::string_view line, const GameState& g, const BandSettings& settings,
                         bool own = false);

 private:
  std::filesystem::path folder_;
  BandSound sound_;
  int written_ = 0;
  bool failed_ = false;
};

}  // namespace tovk::audio
