// The game's file dialogs.
#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>
#include <filesystem>

namespace tovk::ui {

QString ToQtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(u'|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    entries.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
  }
  return entries.join(QStringLiteral(";;"));
}

QString ProposedPath(const FileRequest& request) {
  const std::filesystem::path name(request.fileName);
  if (name.has_parent_path() || request.folder.empty())
    return QString::fromStdString(request.fileName);
  return QDir(QString::fromStdString(request.folder))
      .filePath(QString::fromStdString(request.fileName));
}

std::optional<std::string> ShowFileDialog(QWidget* parent, const FileRequest& request) {
  const QString title = QString::fromStdString(request.title);
  const QString filter = ToQtFilter(request.filter);
  const QString start = ProposedPath(request);
  // The game asks its own overwrite question after a save dialog.
  const QString chosen = request.save
                             ? QFileDialog::getSaveFileName(parent, title, start, filter, nullptr,
                                                            QFileDialog::DontConfirmOverwrite)
                             : QFileDialog::getOpenFileName(parent, title, start, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace tovk::ui
