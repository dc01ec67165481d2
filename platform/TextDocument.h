// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace platform {

// The texts of a window as assistive technology reads them: one read-only
// document of the captions of labels and the descriptions of pictures, in
// the order given (the reading order, top to bottom). A screen reader's
// say-all reads it through from its reading point, and its review of the
// window starts at the line of that point; at first the top. The labels it
// reads are hidden from assistive technology on their own; a picture keeps
// its own name and description as well.
//
// The document covers its parts, takes no mouse input and paints nothing
// but the focus rectangle around its current line. While assistive
// technology is active it is a Tab stop, and Up, Down, Home and End (or
// Page Up and Page Down) move the reading point from drawn line to drawn
// line; otherwise the focus passes it by.
class TextDocument : public QWidget {
  Q_OBJECT
public:
  explicit TextDocument(QWidget* parent);
  // Labels and picture boxes of the same window, in reading order.
  void setParts(const QList<QWidget*>& parts);

  // The text: the parts' texts one after the other, each on its own line.
  QString text() const;
  // Each drawn line as a range of the text (with the space or line break
  // that ends it) and its rectangle, in pixels in the document; a picture's
  // text is one line, as large as the picture.
  struct Line {
    int start = 0;
    int length = 0;
    QRect rect;
  };
  QList<Line> lines() const;
  // The rectangle of the character at `offset`, in the document.
  QRect characterRect(int offset) const;

  // The reading point, as the line it is on; its offset is the line's start.
  int CurrentLine() const { return currentLine_; }
  void setCurrentLine(int line);
  int cursorPosition() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  // A part's text, and where it stands in the document.
  QString partText(const QWidget* part) const;
  QPoint partOffset(const QWidget* part) const;
  void cover();

  QList<QPointer<QWidget>> parts_;
  int currentLine_ = 0;
};

} // namespace platform
