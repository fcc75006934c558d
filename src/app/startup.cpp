// What the main window does when it is created and first shown, apart from
// its widgets: settings, power factor, CQ text, the new game, the automatic
// restore, and the first display.
#include "app/startup.h"

#include <filesystem>
#include <string>

#include "engine/actions.h"
#include "persist/saved_game.h"
#include "persist/settings_file.h"

namespace tovk {

void StartUp(Game& g) {
  g.ShowNotebookPage(NotebookPage::Qso);
  ReadSettings(g, g.settingsFile);
  g.PowerFactor = g.Myprec == "B" ? 10 : 40;
  g.CQText = "Tovk de " + g.Mycall + " SS";
  NewGame(g);
  std::error_code error;
  if (!g.AutoSave || !std::filesystem::exists(g.InFolder(g.SavedGameFile), error)) return;
  NewGame(g);
  ClearContact(g);
  ReadSavedGame(g);
  EngineStep(g);
}

void FirstShowing(Game& g) {
  EngineStep(g);
  g.SetQsoNumber(std::to_string(g.Mynumber));
  BandBoxChanged(g);
  g.screen.DockSectionPanel(g.SectionPosition == "R");
}

}  // namespace tovk
