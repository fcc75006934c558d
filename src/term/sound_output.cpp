// tovk-term's sound files with espeak-ng's speech.
#include "term/sound_output.h"

#include <string>

#include "audio/espeak_engine.h"
#include "audio/sound_files.h"

namespace tovk::term {
namespace {

class SpokenLineFiles final : public SoundOutput {
 public:
  SpokenLineFiles(const std::filesystem::path& folder, std::uint64_t seed)
      : files_(folder, speech_, seed) {}
  const audio::EspeakEngine& Speech() const { return speech_; }
  audio::SoundFiles& Files() { return files_; }

 private:
  audio::EspeakEngine speech_;
  audio::SoundFiles files_;
};

}  // namespace

std::unique_ptr<SoundOutput> StartSoundFiles(TermScreen& screen, const Session& session,
                                             const std::filesystem::path& folder,
                                             std::uint64_t seed) {
  auto output = std::make_unique<SpokenLineFiles>(folder, seed);
  if (!output->Speech().Ready()) {
    screen.Print(tag::kMessage,
                 "No sound: " + output->Speech().Problem() + "; the game goes on without sound");
    return nullptr;
  }
  // With the sound off nothing is heard; the player's own lines only with
  // Monitor on.
  const auto hear = [&screen, &session, files = &output->Files()](const std::string& line,
                                                                  bool own) {
    const GameState& g = session.game();
    if (!g.Sound.on || (own && !g.Sound.monitor)) return;
    const auto written = files->Write(line, g, audio::BandSettingsOf(g.Sound), own);
    if (!written.name.empty()) screen.Print(tag::kWav, written.name);
    if (!written.error.empty()) screen.Print(tag::kError, written.error);
    if (!written.message.empty()) screen.Print(tag::kMessage, written.message);
  };
  screen.SetIncomingListener([hear](const std::string& line) { hear(line, false); });
  screen.SetOutgoingListener([hear](const std::string& line) { hear(line, true); });
  return output;
}

}  // namespace tovk::term
