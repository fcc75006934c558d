// The single-instance lock.
#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tovk::ui {

QString InstanceLockPath(const QString& folder, const QString& executableName) {
  return QDir(folder).filePath(executableName + QStringLiteral(".lock"));
}

std::unique_ptr<QLockFile> LockSingleInstance(const QString& folder,
                                              const QString& executableName) {
  QDir().mkpath(folder);
  auto lock = std::make_unique<QLockFile>(InstanceLockPath(folder, executableName));
  // A running copy's lock never goes stale with age; a lock whose process is
  // gone is taken over.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

QString InstanceLockFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

}  // namespace tovk::ui
