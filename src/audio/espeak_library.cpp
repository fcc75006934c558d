#include "audio/espeak_library.h"

#include <dlfcn.h>

namespace tovk::audio {
namespace {

// The library by its run-time name, as the packages install it.
constexpr const char* kLibraryName = "libespeak-ng.so.1";

struct Loaded {
  EspeakLibrary functions;
  std::string problem;  // empty when every function was found
};

// One function by its name; the first one missing is the problem.
template <typename Function>
void Find(void* handle, const char* name, Function& function, std::string& problem) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (function == nullptr && problem.empty())
    problem = std::string(kLibraryName) + " has no " + name;
}

Loaded Load() {
  Loaded loaded;
  // Never closed: espeak-ng keeps its state for the life of the program.
  void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    loaded.problem = "espeak-ng is not installed (" + std::string(kLibraryName) + ")";
    return loaded;
  }
  EspeakLibrary& f = loaded.functions;
  std::string& problem = loaded.problem;
  Find(handle, "espeak_Initialize", f.Initialize, problem);
  Find(handle, "espeak_SetSynthCallback", f.SetSynthCallback, problem);
  Find(handle, "espeak_SetVoiceByName", f.SetVoiceByName, problem);
  Find(handle, "espeak_SetParameter", f.SetParameter, problem);
  Find(handle, "espeak_Synth", f.Synth, problem);
  Find(handle, "espeak_Synchronize", f.Synchronize, problem);
  Find(handle, "espeak_Terminate", f.Terminate, problem);
  return loaded;
}

}  // namespace

const EspeakLibrary* LoadEspeakLibrary(std::string& problem) {
  static const Loaded loaded = Load();  // once, whichever thread asks first
  problem = loaded.problem;
  return loaded.problem.empty() ? &loaded.functions : nullptr;
}

}  // namespace tovk::audio
