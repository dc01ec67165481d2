// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "platform/SharedFont.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QKeyEvent;

namespace platform {

// Position and size of a child control in twips, kept as numbers (the program
// computes with them); the pixel geometry is derived at 15 twips per pixel.
class TwipsGeometry {
public:
  explicit TwipsGeometry(QWidget* widget) : widget_(widget) {}
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void setLeft(double twips);
  void setTop(double twips);
  void setWidth(double twips);
  void setHeight(double twips);
  void move(double left, double top, double width, double height);
  // The control's own Visible and Enabled flags (true while its window is not
  // shown yet, as long as the control itself is not hidden or disabled).
  bool Visible() const { return !widget_->isHidden(); }
  bool Enabled() const { return widget_->isEnabled(); }

protected:
  void place();
  QWidget* widget_;
  double left_ = 0;
  double top_ = 0;
  double width_ = 0;
  double height_ = 0;
};

// The line that Up, Down, Home (Page Up) or End (Page Down) moves to in a
// list of `count` lines read one at a time from `current`; none for any
// other key, or with a modifier other than the keypad's.
std::optional<int> lineForKey(const QKeyEvent& event, int current, int count);

// A label that paints its own text: transparent background, AutoSize (the
// Width and Height follow the text), word wrap in a fixed box, alignment
// (0 left, 1 right, 2 centre), fore colour and font.
//
// Without AutoSize the text wraps at the box's width. With AutoSize and no
// WordWrap both Width and Height follow the text; with AutoSize and WordWrap
// the Width stays and the Height follows. An AutoSize label keeps its Left
// whatever its alignment. The size is measured in whole pixels (15 twips
// each) and updated at once, so Width is right as soon as setCaption returns.
// CR LF, LF and CR each start a new line. Lines follow each other at the
// font's height (ascent + descent), without the font's extra leading.
class Label : public QWidget, public TwipsGeometry {
  Q_OBJECT
public:
  // move(x, y) in pixels as any widget; move(left, top, width, height) in twips.
  using QWidget::move;
  using TwipsGeometry::move;
  explicit Label(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  bool WordWrap() const { return wordWrap_; }
  void setWordWrap(bool on);
  int Alignment() const { return alignment_; }
  void setAlignment(int alignment);
  qint32 ForeColor() const { return foreColor_; }
  void setForeColor(qint32 rgb);
  const SharedFont& Font() const { return font_; }
  void setFont(const SharedFont& font);

  // What the label is to assistive technology: static text by default, or a
  // heading or a status line. Its accessible name is accessibleName() when
  // one is set, the caption otherwise; a change of the caption is announced
  // as a change of the name. A heading names the label it stands over
  // (setLabelFor). A label whose text another one reads out whole (a part
  // of a status line) is hidden from assistive technology.
  QAccessible::Role AccessibleRole() const { return accessibleRole_; }
  void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }
  QWidget* LabelFor() const { return labelFor_; }
  void setLabelFor(QWidget* widget) { labelFor_ = widget; }
  bool AccessibleHidden() const { return accessibleHidden_; }
  void setAccessibleHidden(bool hidden) { accessibleHidden_ = hidden; }

  // Says `text` to assistive technology without moving the focus: a screen
  // reader speaks a notification that shows inside the label (a status line
  // announces its changes this way; its own name is what the reader's
  // status-bar command reads).
  void announce(const QString& text);
  QString Announcement() const { return announcement_; }

  // Lines as a list: while assistive technology is active, the label joins
  // the Tab order and reads as a list with one item per line of its caption
  // (Up, Down, Home and End move through them), named by the heading that
  // labels it. Otherwise the focus passes it by, as any label.
  bool LinesAsList() const { return linesAsList_; }
  void setLinesAsList(bool on);
  QStringList Lines() const;
  int CurrentLine() const { return currentLine_; }
  void setCurrentLine(int line);
  // Where line `line` stands in the label, in pixels; empty when it is
  // not a line of the caption.
  QRect lineRect(int line) const;

  // The caption as it is drawn, for a reader of its text: the text (each
  // line break as one "\n"), each drawn line as a range of it (a wrapped
  // line with its trailing space, a last line with its line break) with its
  // rectangle, and the rectangle of each character, in pixels in the label.
  struct TextLine {
    int start = 0;
    int length = 0;
    QRect rect;
  };
  QString text() const { return Lines().join(QLatin1Char('\n')); }
  QList<TextLine> textLines() const;
  QRect characterRect(int offset) const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void autoSize();
  struct TextBlock;
  // Lays the caption out in lines `boxWidth` pixels wide (wrapped when
  // `wrap`), stacked at the font's height with no leading between lines, as
  // the classic text output does.
  TextBlock layoutText(int boxWidth, bool wrap) const;
  bool wraps() const { return !autoSize_ || wordWrap_; }
  QString caption_;
  bool autoSize_ = false;
  bool wordWrap_ = false;
  int alignment_ = 0;
  qint32 foreColor_ = qint32(0x80000012); // system button text
  SharedFont font_;
  QAccessible::Role accessibleRole_ = QAccessible::StaticText;
  QPointer<QWidget> labelFor_;
  bool accessibleHidden_ = false;
  QString announcement_;
  bool linesAsList_ = false;
  int currentLine_ = 0;
};

// A group box with a caption and back colour; its children are placed in
// twips relative to the frame. Paints an etched outline whose top runs
// through the middle of the caption.
class Frame : public QWidget, public TwipsGeometry {
  Q_OBJECT
public:
  // move(x, y) in pixels as any widget; move(left, top, width, height) in twips.
  using QWidget::move;
  using TwipsGeometry::move;
  explicit Frame(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  qint32 BackColor() const { return backColor_; }
  void setBackColor(qint32 rgb);
  void setFont(const SharedFont& font);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString caption_;
  qint32 backColor_ = qint32(0x8000000F); // system button face
  SharedFont font_;
};

// A selection-only drop-down list (Style 2). With Sorted, AddItem places each
// entry at its alphabetical position (letter case ignored, after equal
// entries); otherwise at the end. Adding entries never selects one: a list
// without a selection has ListIndex -1 and an empty Text. setFont with the
// font the list already shows (its container's) leaves it as it is.
//
// Readable at any width: a selected entry wider than the list is shown cut
// short with an ellipsis, the tooltip shows the whole selected entry, and
// the open list (as QComboBox opens it) is wide enough for its longest entry.
//
// For assistive technology the closed list is the focus whatever chooses its
// entry (Up, Down, Home, End, a typed letter): no entry of the hidden popup
// list ever is. Typed letters search: letters typed within the keyboard
// input interval add up to a prefix of the entry to choose; a new prefix, or
// one letter typed again (which steps through the entries it starts), starts
// after the current entry; the search wraps around and ignores letter case.
// The open list makes its current entry the focus.
class ComboBox : public QComboBox, public TwipsGeometry {
  Q_OBJECT
public:
  // move(x, y) in pixels as any widget; move(left, top, width, height) in twips.
  using QComboBox::move;
  using TwipsGeometry::move;
  explicit ComboBox(QWidget* parent = nullptr);
  bool Sorted() const { return sorted_; }
  void setSorted(bool on) { sorted_ = on; }
  void AddItem(const QString& item);
  QString Text() const;
  int ListIndex() const { return currentIndex(); }
  void setListIndex(int index) { setCurrentIndex(index); }
  int ListCount() const { return count(); }
  QString List(int index) const { return itemText(index); }
  void setFont(const SharedFont& font);
  // The selected entry as the closed list shows it.
  QString shownText() const;
  void showPopup() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void chooseByTypedText(const QString& text);
  // The letters typed so far and when the last one came.
  QString typed_;
  QElapsedTimer typedAt_;
  // A new entry reaches assistive technology as the list's text, replaced
  // whole while it is selected: a screen reader speaks it even though the
  // list's name stays its own.
  void announceEntry();
  bool sorted_ = false;
  QString announcedEntry_;
};

// A timer with Interval, Enabled and a Tag; its tick is the Timer signal.
// It runs while Enabled and Interval > 0. Tests fire a tick directly with
// fire().
class TimerControl : public QObject {
  Q_OBJECT
public:
  explicit TimerControl(QObject* parent = nullptr);
  int Interval() const { return timer_.interval(); }
  void setInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }
  // Delivers one tick now, as the running timer would.
  void fire() { emit Timer(); }

signals:
  void Timer();

private:
  QTimer timer_;
  bool enabled_ = false;
  QString tag_;
};

// A picture box: shows a picture at its top-left (AutoSize takes the
// picture's size), has a tooltip and takes the focus (tab stop).
class PictureBox : public QWidget, public TwipsGeometry {
  Q_OBJECT
public:
  // move(x, y) in pixels as any widget; move(left, top, width, height) in twips.
  using QWidget::move;
  using TwipsGeometry::move;
  explicit PictureBox(QWidget* parent = nullptr);
  void setPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  QString ToolTipText() const { return toolTip(); }
  void setToolTipText(const QString& text) { setToolTip(text); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void autoSize();
  QImage picture_;
  bool autoSize_ = false;
};

// Makes `widget` a Tab stop exactly while assistive technology is active
// (a screen reader runs), or no longer when `on` is false.
void tabStopWhileAssisted(QWidget* widget, bool on);

// Makes the label, the frame, the list, the picture box and the window known
// to Qt's accessibility (once per process; their constructors call it): a
// label is read by its caption, a frame is a group named by its caption, a
// list keeps the name the window gives it and offers its entry as value and
// text, a picture box is a graphic with the accessible name and description
// the window gives it, and a window is a frame named by its caption.
void installAccessibleFactory();

} // namespace platform
