// A screen that shows nothing and answers every question with No or Cancel,
// and a random source that always gives the lowest draw: for running the game
// without a window or a player (benchmarks, fuzzers).
#pragma once

#include <optional>
#include <string>

#include "world/random.h"
#include "world/screen.h"

namespace tovk {

// Shows nothing on top of `Base`, a Screen or an interface that extends it.
template <class Base = Screen>
class NullScreenOf : public Base {
 public:
  void AppendLine(MemoId, const std::string&) override {}
  void ClearLines(MemoId) override {}
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  std::optional<std::string> ChooseFile(const FileRequest&) override { return std::nullopt; }
  void RunSettingsDialog(SettingsPage) override {}
  void SetFieldText(Field, const std::string&) override {}
  void SetBandBox(const std::string&) override {}
  void SetQsoNumber(const std::string&) override {}
  void SetButtonEnabled(Button, bool) override {}
  void SetCallButtonCaption(const std::string&) override {}
  void SetStatusPanel(StatusPanel, const std::string&) override {}
  void SetTimerEnabled(bool) override {}
  void ShowNotebookPage(NotebookPage) override {}
  void PaintSectionCell(int, Colour) override {}
  void PaintAreaBox(int, Colour) override {}
  void DockSectionPanel(bool) override {}
  void EndProgram() override {}
};

using NullScreen = NullScreenOf<Screen>;

class FirstDraw : public RandomSource {
 public:
  int Draw(int) override { return 0; }
};

}  // namespace tovk
