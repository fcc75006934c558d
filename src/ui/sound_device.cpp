#include "ui/sound_device.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace tovk::ui {
namespace {

constexpr const char* kModuleName = "tovk-sound-device";

// Beside the program (a build, or a copy unpacked anywhere), then where an
// installed program keeps its modules.
MakeSoundDeviceFunction LoadModule(QString& problem) {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QStringList places = {
      programFolder + QLatin1Char('/') + QLatin1String(kModuleName),
      programFolder + QStringLiteral("/../lib/tovk/") + QLatin1String(kModuleName)};
  QString firstError;
  for (const QString& place : places) {
    QLibrary module(place);
    const auto make =
        reinterpret_cast<MakeSoundDeviceFunction>(module.resolve(kMakeSoundDeviceName));
    // Kept loaded: the device's code runs from it for the life of the program.
    if (make != nullptr) return make;
    if (firstError.isEmpty()) firstError = module.errorString();
  }
  problem = QStringLiteral("No sound: ") + firstError;
  return nullptr;
}

}  // namespace

std::unique_ptr<SoundDevice> MakeSoundDevice(const SoundDeviceHooks& hooks, QString& problem) {
  static QString loadProblem;
  static const MakeSoundDeviceFunction make = LoadModule(loadProblem);
  if (make == nullptr) {
    problem = loadProblem;
    return nullptr;
  }
  return std::unique_ptr<SoundDevice>(make(hooks));
}

}  // namespace tovk::ui
