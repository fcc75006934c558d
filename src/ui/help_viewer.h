// The help window: the help document shipped beside the program, shown in a
// browser with Back, Forward, Contents and Index, and a find box that looks
// through the whole text. One window, made with the main window and shown
// again for every request; it does not block the game.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "app/front_end.h"

namespace tovk::ui {

constexpr const char* kHelpFileName = "tovk-help.html";

// The help document: beside the program first, then where an installation
// puts it (../share/tovk from the program's folder). Nothing when neither
// holds it.
std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programFolder);

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Answers a Help menu request: "Help" the contents, "Help on help" the
  // page on this viewer, "Search" the keyword index, "Full text search" the
  // find box. Returns the message for the player when the document is
  // missing (and shows nothing then), or an empty text.
  std::string Answer(HelpTopic topic, const std::filesystem::path& programFolder);

  // Goes to a named place in the document.
  void GoTo(const QString& anchor);
  // Finds the text of the find box after (or before) the current place,
  // going round the end of the document; false when it is nowhere.
  bool FindNext(bool backwards = false);

  QTextBrowser* Browser() const { return browser_; }
  QLineEdit* FindBox() const { return findBox_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* ForwardButton() const { return forward_; }
  QPushButton* ContentsButton() const { return contents_; }
  QPushButton* IndexButton() const { return index_; }
  QLabel* FindResult() const { return findResult_; }

 private:
  bool Load(const std::filesystem::path& programFolder);

  std::filesystem::path file_;
  QTextBrowser* browser_ = nullptr;
  QLineEdit* findBox_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* contents_ = nullptr;
  QPushButton* index_ = nullptr;
  QPushButton* findNext_ = nullptr;
  QPushButton* findPrevious_ = nullptr;
  QLabel* findResult_ = nullptr;
};

}  // namespace tovk::ui
