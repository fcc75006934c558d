// The file dialogs the game asks for (Save, Restore, the saved-game choice),
// shown with Qt's own dialogs.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "world/screen.h"

namespace tovk::ui {

// "Saved Files|*.sav|All files|*.*" as Qt writes it:
// "Saved Files (*.sav);;All files (*)".
QString ToQtFilter(const std::string& filter);

// The proposed file: the name in the folder, or the name alone when it has a
// folder of its own.
QString ProposedPath(const FileRequest& request);

// Shows the open or save dialog; nothing when the player cancels.
std::optional<std::string> ShowFileDialog(QWidget* parent, const FileRequest& request);

}  // namespace tovk::ui
