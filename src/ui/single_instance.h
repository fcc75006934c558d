// The guard against a second running copy: a lock file named after the
// executable's file name, held for the life of the process in the user's
// own runtime folder. A lock left by a copy that crashed does not count.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tovk::ui {

// The lock file for an executable file name inside `folder`.
QString InstanceLockPath(const QString& folder, const QString& executableName);

// Takes the lock; nothing when another running copy holds it.
std::unique_ptr<QLockFile> LockSingleInstance(const QString& folder, const QString& executableName);

// The user's runtime folder, where the program keeps its lock.
QString InstanceLockFolder();

}  // namespace tovk::ui
