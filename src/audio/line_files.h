// A line's sound as files: a 16-bit mono WAV and, beside it, a WebVTT file
// with one cue per part. Each is written to a temporary file beside its
// target and renamed into place, so a failure leaves no half-written file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "audio/line_renderer.h"

namespace tovk::audio {

// The WebVTT text of `cues`: "WEBVTT", then one numbered cue per part.
std::string WebVttText(const std::vector<Cue>& cues);

// Writes `wav` (with `.vtt` beside it). Returns what went wrong, or nothing.
std::optional<std::string> WriteLineFiles(const std::filesystem::path& wav,
                                          const std::vector<std::int16_t>& pcm,
                                          const std::vector<Cue>& cues);

}  // namespace tovk::audio
