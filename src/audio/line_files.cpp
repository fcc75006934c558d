// WAV through libsndfile, WebVTT as text, both by temporary file and rename.
#include "audio/line_files.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "audio/band_settings.h"

namespace tovk::audio {
namespace {

// "00:00:01.250"
std::string Timestamp(double seconds) {
  const long millis = std::lround(std::max(seconds, 0.0) * 1000.0);
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld.%03ld", millis / 3600000, millis / 60000 % 60,
                millis / 1000 % 60, millis % 1000);
  return text;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::string name = ".";
  name += target.filename().string();
  name += ".part";
  return target.parent_path() / name;
}

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return false;
  const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
  const int closed = sf_close(file);
  return written == static_cast<sf_count_t>(pcm.size()) && closed == 0;
}

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return out.good();
}

void Remove(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

std::string WebVttText(const std::vector<Cue>& cues) {
  std::string text = "WEBVTT\n";
  int number = 0;
  for (const Cue& cue : cues) {
    text += '\n';
    text += std::to_string(++number);
    text += '\n';
    text += Timestamp(cue.start);
    text += " --> ";
    text += Timestamp(cue.end);
    text += '\n';
    text += cue.text;
    text += '\n';
  }
  return text;
}

std::optional<std::string> WriteLineFiles(const std::filesystem::path& wav,
                                          const std::vector<std::int16_t>& pcm,
                                          const std::vector<Cue>& cues) {
  std::filesystem::path vtt = wav;
  vtt.replace_extension(".vtt");
  const auto wavPart = TemporaryBeside(wav);
  const auto vttPart = TemporaryBeside(vtt);
  const auto fail = [&](const std::filesystem::path& name) {
    Remove(wavPart);
    Remove(vttPart);
    return "Error writing file " + name.string();
  };
  if (!WriteWav(wavPart, pcm)) return fail(wav);
  if (!WriteText(vttPart, WebVttText(cues))) return fail(vtt);
  std::error_code error;
  std::filesystem::rename(wavPart, wav, error);
  if (error) return fail(wav);
  std::filesystem::rename(vttPart, vtt, error);
  if (error) {
    Remove(wav);
    return fail(vtt);
  }
  return std::nullopt;
}

}  // namespace tovk::audio
