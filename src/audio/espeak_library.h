// espeak-ng, loaded when the first speech engine is made rather than when
// the program starts: the library and the two dozen it needs (the sound
// servers' clients, the audio codecs) cost the window a tenth of its start,
// and a program without them still plays, silent, saying why.
#pragma once

#include <espeak-ng/speak_lib.h>

#include <string>

namespace tovk::audio {

// The part of espeak-ng's C API the speech engine calls.
struct EspeakLibrary {
  decltype(&espeak_Initialize) Initialize = nullptr;
  decltype(&espeak_SetSynthCallback) SetSynthCallback = nullptr;
  decltype(&espeak_SetVoiceByName) SetVoiceByName = nullptr;
  decltype(&espeak_SetParameter) SetParameter = nullptr;
  decltype(&espeak_Synth) Synth = nullptr;
  decltype(&espeak_Synchronize) Synchronize = nullptr;
  decltype(&espeak_Terminate) Terminate = nullptr;
};

// espeak-ng's functions, loaded on the first call and kept for the life of
// the program; null when the library or one of its functions is missing,
// with `problem` saying which.
const EspeakLibrary* LoadEspeakLibrary(std::string& problem);

}  // namespace tovk::audio
