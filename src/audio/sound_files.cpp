// Numbering the line files and stopping after the first failure.
#include "audio/sound_files.h"

#include <cstdio>

#include "audio/line_files.h"

namespace tovk::audio {

LineFilesOutcome SoundFiles::Write(std::string_view line, const GameState& g,
                                   const BandSettings& settings, bool own) {
  if (failed_) return {};
  sound_.settings = settings;
  const auto rendered = own ? sound_.HearOwn(line, g) : sound_.Hear(line, g);
  if (!rendered) return {};
  if (!rendered->ok) {
    failed_ = true;
    return {{}, {}, "No sound: espeak-ng failed; the game goes on without sound"};
  }
  char name[16];
  std::snprintf(name, sizeof name, "%06d.wav", written_ + 1);
  const std::filesystem::path wav = folder_ / name;
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) {
    failed_ = true;
    return {{}, "Error writing file " + wav.string()};
  }
  if (const auto failure = WriteLineFiles(wav, sound_.MixLastLine(*rendered), rendered->cues)) {
    failed_ = true;
    return {{}, *failure};
  }
  ++written_;
  return {name, {}};
}

}  // namespace tovk::audio
