// One of the three text windows (incoming, log, outgoing). Lines the game
// appends are gathered and shown together on the next turn of the event
// loop, so a burst of lines (a restored game) is laid out once, and a long
// window is never laid out again as a whole.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

namespace tovk::ui {

class MemoView : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MemoView(QWidget* parent = nullptr);

  void AppendLine(const QString& line);
  void ClearLines();
  // Puts `line` in place of the line at `index` (0 for the first); nothing
  // when the window has no such line.
  void ReplaceLine(int index, const QString& line);
  // Shows the lines gathered so far at once (before a modal box opens, and
  // on the next turn of the event loop).
  void Flush();
  // Lines shown or waiting to be shown.
  int LineCount() const { return shownLines_ + static_cast<int>(pending_.size()); }
  // Every line, shown or waiting, joined by line ends.
  QString AllText() const;

 signals:
  // A mouse button went down in the window; `right` for the right button.
  void mousePressed(bool right);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QStringList pending_;
  int shownLines_ = 0;
  QTimer flushTimer_;
};

}  // namespace tovk::ui
