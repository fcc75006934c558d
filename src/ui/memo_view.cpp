// The text windows with their gathered appends.
#include "ui/memo_view.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace tovk::ui {

MemoView::MemoView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(0);
  connect(&flushTimer_, &QTimer::timeout, this, &MemoView::Flush);
}

void MemoView::AppendLine(const QString& line) {
  pending_.append(line);
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void MemoView::ClearLines() {
  pending_.clear();
  flushTimer_.stop();
  shownLines_ = 0;
  clear();
}

void MemoView::ReplaceLine(int index, const QString& line) {
  if (index < 0 || index >= LineCount()) return;
  if (index >= shownLines_) {
    pending_[index - shownLines_] = line;
    return;
  }
  // The window keeps one block per line, unless it shows a single empty
  // line, which has no text to replace.
  const QTextBlock block = document()->findBlockByNumber(index);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(line);
}

void MemoView::Flush() {
  flushTimer_.stop();
  if (pending_.isEmpty()) return;
  const QString joined = pending_.join(QLatin1Char('\n'));
  // An empty window takes the whole text in one go; otherwise the new lines
  // become new blocks at the end and only they are laid out. A window that
  // shows one empty line has an empty document, which appending would fill
  // instead of adding a line after it.
  if (shownLines_ == 0) {
    setPlainText(joined);
  } else if (document()->isEmpty()) {
    setPlainText(QLatin1Char('\n') + joined);
  } else {
    appendPlainText(joined);
  }
  shownLines_ += static_cast<int>(pending_.size());
  pending_.clear();
  // The caret follows the newest line, as in a terminal.
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  ensureCursorVisible();
}

QString MemoView::AllText() const {
  QString shown = shownLines_ == 0 ? QString() : toPlainText();
  if (pending_.isEmpty()) return shown;
  const QString waiting = pending_.join(QLatin1Char('\n'));
  if (shownLines_ == 0) return waiting;
  return shown + QLatin1Char('\n') + waiting;
}

void MemoView::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button() == Qt::RightButton);
  QPlainTextEdit::mousePressEvent(event);
}

}  // namespace tovk::ui
