// SPDX-License-Identifier: MIT
#include "platform/TextDocument.h"

#include "platform/Controls.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace platform {

namespace {

// The document as a read-only text: a screen reader reads it by sentences,
// by drawn lines and by characters, each where it is drawn.
class TextDocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit TextDocumentAccessible(TextDocument* document) : QAccessibleWidget(document, QAccessible::Document) {}
  TextDocument* document() const { return static_cast<TextDocument*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }

  QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
  QString text(int start, int end) const override {
    const QString all = document()->text();
    if (end < 0 || end > all.size())
      end = int(all.size());
    return start >= 0 && start < end ? all.mid(start, end - start) : QString();
  }
  int characterCount() const override { return int(document()->text().size()); }

  // Lines are the drawn lines; sentences, words and characters as any text has them.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    return line(lineAt(offset), start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    return line(lineAt(offset) - 1, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    return line(lineAt(offset) + 1, start, end);
  }

  // The reading point; nothing is selected.
  int cursorPosition() const override { return document()->cursorPosition(); }
  void setCursorPosition(int position) override { document()->setCurrentLine(lineAt(position)); }
  int selectionCount() const override { return 0; }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}

  QRect characterRect(int offset) const override {
    const QRect local = document()->characterRect(offset);
    return local.isNull() ? QRect() : QRect(document()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = document()->mapFromGlobal(point);
    for (const TextDocument::Line& line : document()->lines())
      if (line.rect.contains(local))
        return line.start;
    return -1;
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

private:
  // The index of the line that holds `offset` (the last one from its end on).
  int lineAt(int offset) const {
    const QList<TextDocument::Line> lines = document()->lines();
    int index = 0;
    while (index + 1 < lines.size() && lines[index + 1].start <= offset)
      ++index;
    return index;
  }
  QString line(int index, int* start, int* end) const {
    const QList<TextDocument::Line> lines = document()->lines();
    if (index < 0 || index >= lines.size()) {
      *start = *end = -1;
      return {};
    }
    *start = lines[index].start;
    *end = lines[index].start + lines[index].length;
    return document()->text().mid(*start, lines[index].length);
  }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (className == QLatin1String("platform::TextDocument") && object && object->isWidgetType())
    return new TextDocumentAccessible(static_cast<TextDocument*>(object));
  return nullptr;
}

} // namespace

TextDocument::TextDocument(QWidget* parent) : QWidget(parent) {
  // Qt keeps a factory once, however often it is installed.
  QAccessible::installFactory(&factory);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  tabStopWhileAssisted(this, true);
}

void TextDocument::setParts(const QList<QWidget*>& parts) {
  parts_.clear();
  for (QWidget* part : parts) {
    parts_.append(part);
    if (auto* label = qobject_cast<Label*>(part))
      label->setAccessibleHidden(true);
  }
  currentLine_ = 0;
  cover();
}

QString TextDocument::partText(const QWidget* part) const {
  if (const auto* label = qobject_cast<const Label*>(part))
    return label->text();
  return part->accessibleDescription().isEmpty() ? part->accessibleName() : part->accessibleDescription();
}

QPoint TextDocument::partOffset(const QWidget* part) const {
  return part->mapTo(window(), QPoint()) - mapTo(window(), QPoint());
}

QString TextDocument::text() const {
  QStringList texts;
  for (const auto& part : parts_)
    if (part && !partText(part).isEmpty())
      texts << partText(part);
  return texts.join(QLatin1Char('\n'));
}

QList<TextDocument::Line> TextDocument::lines() const {
  QList<Line> lines;
  int start = 0;
  for (const auto& part : parts_) {
    if (!part || partText(part).isEmpty())
      continue;
    if (!lines.isEmpty())
      ++lines.last().length; // the line break after the last part
    const QPoint offset = partOffset(part);
    const auto* label = qobject_cast<const Label*>(part.data());
    if (label) {
      for (const Label::TextLine& line : label->textLines())
        lines.append({start + line.start, line.length, line.rect.translated(offset)});
    } else {
      lines.append({start, int(partText(part).size()), QRect(offset, part->size())});
    }
    start += int(partText(part).size()) + 1;
  }
  return lines;
}

QRect TextDocument::characterRect(int offset) const {
  int start = 0;
  for (const auto& part : parts_) {
    if (!part || partText(part).isEmpty())
      continue;
    const int length = int(partText(part).size());
    if (offset >= start && offset <= start + length) {
      const QPoint at = partOffset(part);
      if (const auto* label = qobject_cast<const Label*>(part.data()))
        return label->characterRect(offset - start).translated(at);
      return QRect(at, part->size());
    }
    start += length + 1;
  }
  return {};
}

int TextDocument::cursorPosition() const {
  const QList<Line> all = lines();
  return currentLine_ < all.size() ? all[currentLine_].start : 0;
}

void TextDocument::setCurrentLine(int line) {
  line = std::clamp(line, 0, std::max(0, int(lines().size()) - 1));
  if (line == currentLine_)
    return;
  currentLine_ = line;
  update();
  if (!hasFocus())
    return;
  QAccessibleTextCursorEvent moved(this, cursorPosition());
  QAccessible::updateAccessibility(&moved);
}

void TextDocument::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> line = lineForKey(*event, currentLine_, int(lines().size()));
  if (!line) {
    QWidget::keyPressEvent(event);
    return;
  }
  setCurrentLine(*line);
  event->accept();
}

void TextDocument::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TextDocument::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// The parts may have taken their final size (AutoSize) since they were given.
void TextDocument::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  cover();
}

void TextDocument::cover() {
  QWidget* container = parentWidget();
  if (!container)
    return;
  QRect area;
  for (const auto& part : parts_)
    if (part)
      area |= QRect(part->mapTo(window(), QPoint()) - container->mapTo(window(), QPoint()), part->size());
  setGeometry(area);
}

// Focus rectangle around the current line
void TextDocument::paintEvent(QPaintEvent*) {
  if (!hasFocus())
    return;
  const QList<Line> all = lines();
  if (currentLine_ >= all.size())
    return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = all[currentLine_].rect;
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace platform
