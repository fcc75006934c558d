// The main window as the tests drive it: in a folder of its own with the
// station list, its boxes and dialogs answered from scripts instead of
// opening, and the program's end recorded.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace tovk::testing {

class TestWindow : public ui::MainWindow {
 public:
  TestWindow(const ui::WindowSetup& setup, RandomSource& random) : MainWindow(setup, random) {}

  void ShowMessage(const std::string& text) override {
    FlushMemos();
    messages.push_back(text);
    if (duringBox) duringBox();
  }
  bool AskYesNo(const std::string& question) override {
    FlushMemos();
    questions.push_back(question);
    if (duringBox) duringBox();
    if (answers.empty()) return defaultAnswer;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> ChooseFile(const FileRequest& request) override {
    fileRequests.push_back(request);
    if (chosenFiles.empty()) return std::nullopt;
    std::string chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
  }
  void EndProgram() override { ended = true; }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<FileRequest> fileRequests;
  std::deque<std::string> chosenFiles;  // what the file dialogs answer, in turn
  std::deque<bool> answers;
  bool defaultAnswer = false;
  // Runs while a box is "open", as the event loop would run other events.
  std::function<void()> duringBox;
  bool ended = false;
};

// A folder with the station list and, when given, a settings file; the
// window over it, created and shown.
struct WindowFixture {
  // `playSound`: the window plays the band on the sound server (a test that
  // records it starts its own).
  explicit WindowFixture(const std::string& settings = {}, bool playSound = false);

  std::filesystem::path Folder() const;
  std::filesystem::path SettingsFile() const;
  // Text of the settings file as the window left it.
  std::string SettingsText() const;

  QTemporaryDir dir;
  ScriptedRandom random;
  std::unique_ptr<TestWindow> window;
};

// The lines the game keeps for a window, as the widget should show them.
QString GameLines(const Game& g, MemoId memo);

}  // namespace tovk::testing
