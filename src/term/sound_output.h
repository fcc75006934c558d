// tovk-term's --wav: each line another station says also written as a sound
// file. The build chooses the implementation: with speech (espeak-ng), or,
// where the build has none (the browser build), one that says so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "app/session.h"
#include "audio/band_settings.h"
#include "term/term_screen.h"

namespace tovk::term {

// Keeps the sound files coming while it lives.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
};

// Hears every line appended to the incoming window from now on and writes
// its sound into `folder`, with the band as `sound` sets it; a `wav` line
// names each file. Without speech: one `msg` line, and nothing (the game
// goes on without sound).
std::unique_ptr<SoundOutput> StartSoundFiles(TermScreen& screen, const Session& session,
                                             const std::filesystem::path& folder,
                                             std::uint64_t seed);

}  // namespace tovk::term
