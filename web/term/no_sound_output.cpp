// tovk-term's --wav in the browser build, which has no speech: it says so
// and the game goes on without sound.
#include "term/sound_output.h"

namespace tovk::term {

std::unique_ptr<SoundOutput> StartSoundFiles(TermScreen& screen, const Session&,
                                             const std::filesystem::path&, std::uint64_t) {
  screen.Print(tag::kMessage, "No sound: this build has no speech; the game goes on without sound");
  return nullptr;
}

}  // namespace tovk::term
