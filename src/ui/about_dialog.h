// The about box: the program's title and version over an "OK" button. Made
// once with the main window and shown again each time the player asks; it
// does not block the game and stays above the other windows.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tovk::ui {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);

  // Centres the box over `main`, sets the version line and shows it.
  void ShowOver(const QWidget& main);

  QLabel* Title() const { return title_; }
  QLabel* Version() const { return version_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  QLabel* title_ = nullptr;
  QLabel* version_ = nullptr;
  QPushButton* ok_ = nullptr;
};

constexpr int kAboutWidth = 391;
constexpr int kAboutHeight = 164;

}  // namespace tovk::ui
