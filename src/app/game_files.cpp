// Save, Restore, the saved-game choice of the settings dialog, and the quit
// flow that may save the game and always writes the settings.
#include "app/game_files.h"

#include <filesystem>

#include "engine/actions.h"
#include "persist/saved_game.h"
#include "persist/settings_file.h"

namespace tovk {
namespace {

constexpr const char* kSavedFilesFilter = "Saved Files|*.sav|All files|*.*";

bool FileExists(const Game& g, const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(g.InFolder(name), error);
}

FileRequest SavedGameRequest(const Game& g, bool save, std::string title, std::string filter) {
  FileRequest request;
  request.save = save;
  request.title = std::move(title);
  request.filter = std::move(filter);
  request.folder = g.folder.string();
  request.fileName = g.SavedGameFile;
  return request;
}

// Something happened in this game worth asking about before it is lost.
bool GameWasPlayed(const GameState& s) {
  return s.OpHours > 0 || s.OpMinutes > 0 || s.Mynumber > 1;
}

}  // namespace

void SaveGame(Game& g) {
  auto chosen = g.screen.ChooseFile(SavedGameRequest(g, true, "", kSavedFilesFilter));
  if (!chosen) return;
  std::string name = *chosen;
  if (name.find(".sav") == std::string::npos) name += ".sav";
  if (FileExists(g, name) && !Confirm(g, name + " exists, overwrite ?")) return;
  g.SavedGameFile = name;
  WriteSavedGame(g);
}

void RestoreGame(Game& g) {
  auto chosen =
      g.screen.ChooseFile(SavedGameRequest(g, false, "Restore game ?", kSavedFilesFilter));
  if (!chosen) return;
  // The name becomes the saved-game name even when the file is missing, so
  // the next Save proposes it.
  g.SavedGameFile = *chosen;
  if (!FileExists(g, g.SavedGameFile)) {
    g.ShowMessage(g.SavedGameFile + " does not exist");
    return;
  }
  NewGame(g);
  ClearContact(g);
  ReadSavedGame(g);
  EngineStep(g);
}

bool QuitGame(Game& g) {
  if (!Confirm(g, "Are you sure ?")) return false;
  g.SetAutoCqTimer(false);
  if (g.AutoSave) {
    WriteSavedGame(g);
  } else if (GameWasPlayed(g) && Confirm(g, "Save the game")) {
    SaveGame(g);
  }
  if (!WriteSettings(g, g.settingsFile)) {
    g.ShowMessage("Error writing file " + g.settingsFile.string());
  }
  return true;
}

void ChooseSavedGameFile(Game& g) {
  auto chosen = g.screen.ChooseFile(
      SavedGameRequest(g, false, "Select Save Game File ?", "Saved files|*.sav|All files|*.*"));
  if (!chosen) return;
  g.SavedGameFile = *chosen;
}

}  // namespace tovk
