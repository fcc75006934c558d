// The desktop's sound output, as the window's sound thread sees it. Qt
// Multimedia and the sound server's client libraries (two dozen with their
// codecs) live in a module of their own, loaded on the sound thread when
// the sound first starts: the window shows without waiting for them, and a
// machine without them still plays, silent, saying why.
#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class QObject;

namespace tovk::ui {

// What the sound thread gives the device.
struct SoundDeviceHooks {
  // Fills `count` samples (16-bit mono at `sampleRate`) with the band.
  std::function<void(std::int16_t* samples, std::size_t count)> fill;
  // Said once, on the sound thread, when the device cannot play.
  std::function<void(const QString& why)> failed;
  std::atomic<int>* runDry = nullptr;  // counts the server running out of sound
  int sampleRate = 0;
  int leadMilliseconds = 0;    // how far ahead of what is heard the band is handed over
  int bufferMilliseconds = 0;  // the sink's own buffer
};

// The device, fed by a timer on the thread it is made on.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
};

// The module's one entry, by this name.
using MakeSoundDeviceFunction = SoundDevice* (*)(const SoundDeviceHooks& hooks);
inline constexpr const char* kMakeSoundDeviceName = "tovk_MakeSoundDevice";

// Loads the module (once, from beside the program or from ../lib/tovk) and
// makes a device on the calling thread; null with `problem` set when the
// module or its libraries are missing.
std::unique_ptr<SoundDevice> MakeSoundDevice(const SoundDeviceHooks& hooks, QString& problem);

}  // namespace tovk::ui
