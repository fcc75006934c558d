// The game object's helpers that keep its copy of the window and the screen in step.
#include "world/game.h"

namespace tovk {

Game::Game(Screen& screen_, RandomSource& random_) : screen(screen_), random(random_) {
  buttonEnabled.fill(true);  // the operating controls start enabled as laid out
  sectionCellColour.fill(NeededColour);
  areaBoxColour.fill(kClBtnFace);
}

void Game::AppendLine(MemoId id, std::string line) {
  screen.AppendLine(id, line);
  Lines(id).push_back(std::move(line));
}

void Game::ClearMemo(MemoId id) {
  Lines(id).clear();
  screen.ClearLines(id);
}

void Game::SetAutoCqTimer(bool enabled) {
  autoCqTimer = enabled;
  screen.SetTimerEnabled(enabled);
}

void Game::SetButtonEnabled(Button button, bool enabled) {
  buttonEnabled[static_cast<int>(button)] = enabled;
  screen.SetButtonEnabled(button, enabled);
}

void Game::SetBandBox(const std::string& band) {
  bandBox = band;
  screen.SetBandBox(band);
}

void Game::SetQsoNumber(const std::string& text) {
  qsoNumberText = text;
  screen.SetQsoNumber(text);
}

void Game::SetStatusPanel(StatusPanel panel, const std::string& text) {
  const int index = static_cast<int>(panel);
  if (index < 0 || index >= kStatusPanelCount) return;
  statusPanel[index] = text;
  screen.SetStatusPanel(panel, text);
}

void Game::SetCallButtonCaption(const std::string& caption) {
  callButtonCaption = caption;
  screen.SetCallButtonCaption(caption);
}

void Game::ShowNotebookPage(NotebookPage page) {
  notebookPage = page;
  screen.ShowNotebookPage(page);
}

void Game::PaintSectionCell(int section, Colour colour) {
  if (section < 0 || section >= kSectionCount) return;
  sectionCellColour[section] = colour;
  screen.PaintSectionCell(section, colour);
}

void Game::PaintAreaBox(int area, Colour colour) {
  if (area < 0 || area >= kAreaCount) return;
  areaBoxColour[area] = colour;
  screen.PaintAreaBox(area, colour);
}

std::filesystem::path Game::InFolder(const std::string& name) const {
  std::filesystem::path path(name);
  if (path.is_absolute()) return path;
  return folder / path;
}

}  // namespace tovk
