// SPDX-License-Identifier: MIT
#include "platform/Controls.h"

#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/SystemColors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

#include <cmath>
#include <memory>
#include <vector>

#include <algorithm>

namespace platform {

namespace {

using SystemColors::Source;

QColor fromRgb(qint32 rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
qint32 toRgb(const QColor& colour) { return colour.red() | colour.green() << 8 | colour.blue() << 16; }

// A colour value 0x00BBGGRR (or a system-colour reference, taken from
// `source`) as a QColor; an untranslatable value falls back to
// `fallbackIndex`'s system colour.
QColor toQColor(qint32 oleColor, int fallbackIndex, Source source = Source::System) {
  qint32 rgb = translateOleColor(oleColor, source);
  if (rgb < 0)
    rgb = SystemColors::get(fallbackIndex);
  return fromRgb(rgb);
}

// The back colour a text is drawn on, and where it comes from.
struct Backdrop {
  Source source;
  qint32 rgb;
};

// A label's: its frame's or its form's back colour, or the window's own
// background (the palette's) where the form has none.
Backdrop backdropOf(const QWidget* label) {
  for (const QWidget* w = label->parentWidget(); w; w = w->parentWidget()) {
    qint32 back = -1;
    if (const auto* frame = qobject_cast<const Frame*>(w))
      back = frame->BackColor();
    else if (const auto* form = qobject_cast<const Form*>(w))
      back = form->BackColor();
    else
      continue;
    if (const qint32 rgb = translateOleColor(back); rgb >= 0)
      return {SystemColors::sourceOf(back), rgb};
    break;
  }
  return {Source::System, toRgb(label->window()->palette().color(QPalette::Window))};
}

// A text's colour on `back`: ForeColor from the back colour's source while
// enabled, else the grey text that reads on it.
QColor textColour(const QWidget* widget, qint32 foreColor, const Backdrop& back) {
  if (!widget->isEnabled())
    return fromRgb(SystemColors::legibleGrayText(back.source, SystemColors::ButtonText, back.rgb, back.rgb));
  return toQColor(foreColor, SystemColors::ButtonText, back.source);
}

// Copies every attribute of `from` into the font object `to`.
void copyFont(SharedFont& to, const SharedFont& from) {
  to.setName(from.Name());
  to.setSize(from.Size());
  to.setWeight(from.Weight());
  to.setCharset(from.Charset());
  to.setItalic(from.Italic());
  to.setUnderline(from.Underline());
  to.setStrikethrough(from.Strikethrough());
}

} // namespace

// ---- TwipsGeometry -------------------------------------------------------------

void TwipsGeometry::setLeft(double twips) {
  left_ = twips;
  place();
}
void TwipsGeometry::setTop(double twips) {
  top_ = twips;
  place();
}
void TwipsGeometry::setWidth(double twips) {
  width_ = twips;
  place();
}
void TwipsGeometry::setHeight(double twips) {
  height_ = twips;
  place();
}
void TwipsGeometry::move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  place();
}
void TwipsGeometry::place() {
  widget_->setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(std::max(0.0, width_)),
                       twipsToPixels(std::max(0.0, height_)));
}

// ---- Label -----------------------------------------------------------------------

Label::Label(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
  installAccessibleFactory();
  // Transparent: the parent's background shows through around the text.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
  QWidget::setFont(font_.toQFont());
}

struct Label::TextBlock {
  std::vector<std::unique_ptr<QTextLayout>> paragraphs;
  int width = 0;  // widest line, whole pixels
  int height = 0; // lines x line height
};

void Label::setCaption(const QString& caption) {
  if (caption == caption_)
    return;
  caption_ = caption;
  autoSize();
  update();
  // The caption is the accessible name unless one is set.
  if (accessibleName().isEmpty() && !accessibleHidden_) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void Label::announce(const QString& text) {
  announcement_ = text;
  // The notification is the label's one accessible child.
  QAccessibleEvent event(this, QAccessible::ObjectShow);
  event.setChild(0);
  QAccessible::updateAccessibility(&event);
}

namespace {

const char* const assistedTabStop = "platformTabStopWhileAssisted";

// Keeps the widgets marked by tabStopWhileAssisted in the Tab order exactly
// while assistive technology is active.
class AssistedTabStops : public QAccessible::ActivationObserver {
public:
  static void follow() {
    static AssistedTabStops observer;
    static const bool installed = (QAccessible::installActivationObserver(&observer), true);
    Q_UNUSED(installed);
  }
  void accessibilityActiveChanged(bool active) override {
    for (QWidget* widget : QApplication::allWidgets())
      if (widget->property(assistedTabStop).toBool())
        widget->setFocusPolicy(active ? Qt::TabFocus : Qt::NoFocus);
  }
};

} // namespace

void tabStopWhileAssisted(QWidget* widget, bool on) {
  AssistedTabStops::follow();
  widget->setProperty(assistedTabStop, on);
  widget->setFocusPolicy(on && QAccessible::isActive() ? Qt::TabFocus : Qt::NoFocus);
}

void Label::setLinesAsList(bool on) {
  if (linesAsList_ == on)
    return;
  linesAsList_ = on;
  tabStopWhileAssisted(this, on);
}

QStringList Label::Lines() const {
  QString text = caption_;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void Label::setCurrentLine(int line) {
  const int count = int(Lines().size());
  line = std::clamp(line, 0, std::max(0, count - 1));
  if (line == currentLine_)
    return;
  currentLine_ = line;
  update();
  if (!hasFocus() || count == 0)
    return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(line);
  QAccessible::updateAccessibility(&focus);
}

QRect Label::lineRect(int line) const {
  const TextBlock block = layoutText(width(), wraps());
  if (line < 0 || line >= int(block.paragraphs.size()))
    return {};
  const QTextLayout& paragraph = *block.paragraphs[size_t(line)];
  if (paragraph.lineCount() == 0)
    return {};
  const QTextLine first = paragraph.lineAt(0);
  const QTextLine last = paragraph.lineAt(paragraph.lineCount() - 1);
  const int top = int(first.y());
  const int bottom = int(std::ceil(last.y() + QFontMetrics(font_.toQFont()).height()));
  return QRect(0, top, width(), bottom - top);
}

QList<Label::TextLine> Label::textLines() const {
  const TextBlock block = layoutText(width(), wraps());
  const int lineHeight = QFontMetrics(font_.toQFont()).height();
  QList<TextLine> lines;
  int paragraphStart = 0;
  for (size_t p = 0; p < block.paragraphs.size(); ++p) {
    const QTextLayout& paragraph = *block.paragraphs[p];
    const bool lastParagraph = p + 1 == block.paragraphs.size();
    for (int i = 0; i < paragraph.lineCount(); ++i) {
      const QTextLine line = paragraph.lineAt(i);
      const bool breaks = i + 1 == paragraph.lineCount() && !lastParagraph;
      const int left = int(line.cursorToX(line.textStart()));
      const int right = int(std::ceil(line.cursorToX(line.textStart() + line.textLength())));
      lines.append({paragraphStart + line.textStart(), line.textLength() + (breaks ? 1 : 0),
                    QRect(std::min(left, right), int(line.y()), std::abs(right - left), lineHeight)});
    }
    paragraphStart += int(paragraph.text().size()) + 1;
  }
  return lines;
}

QRect Label::characterRect(int offset) const {
  const TextBlock block = layoutText(width(), wraps());
  const int lineHeight = QFontMetrics(font_.toQFont()).height();
  int paragraphStart = 0;
  for (const auto& paragraph : block.paragraphs) {
    const int length = int(paragraph->text().size());
    if (offset <= length + paragraphStart) {
      // A line break stands, without width, at the end of its line.
      const int at = offset - paragraphStart;
      const QTextLine line = paragraph->lineForTextPosition(std::min(at, std::max(0, length - 1)));
      if (!line.isValid())
        return {};
      const int left = int(line.cursorToX(at));
      const int right = at < length ? int(std::ceil(line.cursorToX(at + 1))) : left;
      return QRect(std::min(left, right), int(line.y()), std::abs(right - left), lineHeight);
    }
    paragraphStart += length + 1;
  }
  return {};
}

std::optional<int> lineForKey(const QKeyEvent& event, int current, int count) {
  if (event.modifiers() & ~Qt::KeypadModifier)
    return std::nullopt;
  switch (event.key()) {
  case Qt::Key_Up:
    return current - 1;
  case Qt::Key_Down:
    return current + 1;
  case Qt::Key_Home:
  case Qt::Key_PageUp:
    return 0;
  case Qt::Key_End:
  case Qt::Key_PageDown:
    return count - 1;
  default:
    return std::nullopt;
  }
}

void Label::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> line = linesAsList_ ? lineForKey(*event, currentLine_, int(Lines().size())) : std::nullopt;
  if (!line) {
    QWidget::keyPressEvent(event);
    return;
  }
  setCurrentLine(*line);
  event->accept();
}

// The focus comes to the list as it comes to its current line: announced
// from the event loop, after the widget's own focus announcement, which
// would otherwise take the last word.
void Label::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  if (!linesAsList_)
    return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!hasFocus() || Lines().isEmpty())
          return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentLine_);
        QAccessible::updateAccessibility(&focus);
      },
      Qt::QueuedConnection);
}

void Label::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void Label::setAutoSize(bool on) {
  if (autoSize_ == on)
    return;
  autoSize_ = on;
  autoSize();
  update();
}

void Label::setWordWrap(bool on) {
  if (wordWrap_ == on)
    return;
  wordWrap_ = on;
  autoSize();
  update();
}

void Label::setAlignment(int alignment) {
  if (alignment_ == alignment)
    return;
  alignment_ = alignment;
  update();
}

void Label::setForeColor(qint32 rgb) {
  if (foreColor_ == rgb)
    return;
  foreColor_ = rgb;
  update();
}

void Label::setFont(const SharedFont& font) {
  copyFont(font_, font);
  QWidget::setFont(font_.toQFont());
  autoSize();
  update();
}

Label::TextBlock Label::layoutText(int boxWidth, bool wrap) const {
  TextBlock block;
  if (caption_.isEmpty())
    return block;
  const QFont font = font_.toQFont();
  const qreal lineHeight = QFontMetrics(font).height();
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
  option.setAlignment(alignment_ == 1 ? Qt::AlignRight : alignment_ == 2 ? Qt::AlignHCenter : Qt::AlignLeft);

  QString text = caption_;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  qreal y = 0;
  qreal widest = 0;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    auto layout = std::make_unique<QTextLayout>(paragraph, font);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(std::max(1, boxWidth));
      line.setLeadingIncluded(false);
      line.setPosition(QPointF(0, y));
      widest = std::max(widest, line.naturalTextWidth());
      y += lineHeight;
    }
    layout->endLayout();
    block.paragraphs.push_back(std::move(layout));
  }
  block.width = int(std::ceil(widest));
  block.height = int(y);
  return block;
}

void Label::autoSize() {
  if (!autoSize_)
    return;
  const QFontMetrics metrics(font_.toQFont());
  if (wordWrap_) {
    const TextBlock block = layoutText(twipsToPixels(Width()), true);
    setHeight(pixelsToTwips(caption_.isEmpty() ? metrics.height() : block.height));
    return;
  }
  if (caption_.isEmpty()) {
    // Nothing to show: no width, one line high.
    move(Left(), Top(), 0, pixelsToTwips(metrics.height()));
    return;
  }
  const TextBlock block = layoutText(1 << 20, false);
  move(Left(), Top(), pixelsToTwips(block.width), pixelsToTwips(block.height));
}

void Label::paintEvent(QPaintEvent*) {
  if (caption_.isEmpty())
    return;
  QPainter painter(this);
  // The text takes its colours from where its back colour comes from.
  painter.setPen(textColour(this, foreColor_, backdropOf(this)));
  const TextBlock block = layoutText(width(), wraps());
  for (const auto& paragraph : block.paragraphs)
    paragraph->draw(&painter, QPointF(0, 0));
  // Focus rectangle around the current line
  if (linesAsList_ && hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = lineRect(currentLine_);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

// ---- Frame -----------------------------------------------------------------------

Frame::Frame(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
  installAccessibleFactory();
  setFocusPolicy(Qt::NoFocus);
  QWidget::setFont(font_.toQFont());
}

void Frame::setCaption(const QString& caption) {
  if (caption_ == caption)
    return;
  caption_ = caption;
  update();
}

void Frame::setBackColor(qint32 rgb) {
  if (backColor_ == rgb)
    return;
  backColor_ = rgb;
  update();
}

void Frame::setFont(const SharedFont& font) {
  copyFont(font_, font);
  QWidget::setFont(font_.toQFont());
  update();
}

void Frame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor back = toQColor(backColor_, SystemColors::ButtonFace);
  // Background
  painter.fillRect(rect(), back);

  const QFont font = font_.toQFont();
  const QFontMetrics metrics(font);
  const int lineTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
  const int w = width();
  const int h = height();
  const QColor shadow = toQColor(qint32(0x80000010), SystemColors::ButtonShadow);
  const QColor highlight = toQColor(qint32(0x80000014), SystemColors::ButtonHighlight);

  // Etched outline: a shadow ring with a highlight ring one pixel inside it
  painter.setPen(highlight);
  painter.drawRect(1, lineTop + 1, w - 2, h - lineTop - 2);
  painter.setPen(shadow);
  painter.drawRect(0, lineTop, w - 2, h - lineTop - 2);

  if (caption_.isEmpty())
    return;
  // Caption, on the back colour, breaking the top edge
  const int textLeft = 8;
  const int textWidth = metrics.horizontalAdvance(caption_);
  const QRect textRect(textLeft - 2, 0, textWidth + 4, metrics.height());
  painter.fillRect(textRect, back);
  painter.setFont(font);
  painter.setPen(textColour(this, qint32(0x80000012), {SystemColors::sourceOf(backColor_), toRgb(back)}));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

// ---- ComboBox --------------------------------------------------------------------

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), TwipsGeometry(this) {
  installAccessibleFactory();
  setEditable(false);
  setFocusPolicy(Qt::StrongFocus);
  setCurrentIndex(-1);
  // The whole selected entry, however narrow the list.
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    setToolTip(Text());
    announceEntry();
  });
}

// Only the insertion of the new entry is announced: a screen reader speaks
// inserted text that is selected, but calls the removal of the old, selected
// entry a deleted selection, which would tell the player something wrong.
void ComboBox::announceEntry() {
  const QString entry = Text();
  if (entry == announcedEntry_)
    return;
  announcedEntry_ = entry;
  if (entry.isEmpty())
    return;
  QAccessibleTextInsertEvent event(this, 0, entry);
  QAccessible::updateAccessibility(&event);
}

void ComboBox::AddItem(const QString& item) {
  // QComboBox selects the first entry added to an empty list; a list here
  // keeps whatever selection it had (none at first).
  const QSignalBlocker blocker(this);
  const int selected = currentIndex();
  int position = count();
  if (sorted_) {
    position = 0;
    while (position < count() && QString::compare(itemText(position), item, Qt::CaseInsensitive) <= 0)
      ++position;
  }
  insertItem(position, item);
  setCurrentIndex(selected < 0 ? -1 : (position <= selected ? selected + 1 : selected));
}

QString ComboBox::Text() const { return currentIndex() < 0 ? QString() : currentText(); }

// QComboBox lets the hidden popup list search for a typed letter, which makes
// the entry found the focus of assistive technology while the list is
// closed: the screen reader then stays on that hidden entry. The closed list
// searches here itself.
void ComboBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool typed = !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace() &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (!typed || view()->isVisible()) {
    QComboBox::keyPressEvent(event);
    return;
  }
  chooseByTypedText(text);
  event->accept();
}

void ComboBox::chooseByTypedText(const QString& text) {
  const bool continued = typedAt_.isValid() && typedAt_.elapsed() <= QApplication::keyboardInputInterval();
  typedAt_.start();
  typed_ = continued ? typed_ + text : text;
  const bool sameLetter = typed_.count(typed_.back()) == typed_.size();
  const QString prefix = sameLetter ? typed_.right(1) : typed_;
  const int first = continued && !sameLetter ? std::max(currentIndex(), 0) : currentIndex() + 1;
  for (int step = 0; step < count(); ++step) {
    const int index = (first + step) % count();
    if (itemText(index).startsWith(prefix, Qt::CaseInsensitive)) {
      setCurrentIndex(index);
      emit activated(index);
      emit textActivated(itemText(index));
      return;
    }
  }
}

// The popup list announces its current entry as the focus while it opens,
// before it has the keyboard focus; its own focus, announced next, names no
// entry. The entry is announced once more after that.
void ComboBox::showPopup() {
  QComboBox::showPopup();
  QMetaObject::invokeMethod(
      this,
      [this] {
        QAbstractItemView* list = view();
        if (!list->isVisible() || !list->hasFocus() || !list->currentIndex().isValid())
          return;
        QAccessibleEvent focus(list, QAccessible::Focus);
        focus.setChild(list->currentIndex().row());
        QAccessible::updateAccessibility(&focus);
      },
      Qt::QueuedConnection);
}

// A list that already shows the font (the one its frame passes on, say) keeps
// it: a font change makes the drop-down build its popup list at once, which
// otherwise waits until the list first opens.
void ComboBox::setFont(const SharedFont& font) {
  const QFont wanted = font.toQFont();
  if (QWidget::font() == wanted)
    return;
  QWidget::setFont(wanted);
}

QString ComboBox::shownText() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  // The style draws the label one pixel in from each side of the field.
  return fontMetrics().elidedText(Text(), Qt::ElideRight, field.width() - 2);
}

// As the list paints itself, with the selected entry cut short to fit.
void ComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  // A disabled list's entry in grey that reads on the field's face (the list
  // is the palette's, whatever table the system colours come from).
  if (!isEnabled() && !SystemColors::usingFixedTable()) {
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(palette().color(QPalette::Window));
    QPainter offscreen(&face);
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &offscreen, this);
    offscreen.end();
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QColor grey = fromRgb(SystemColors::legibleGrayText(Source::System, SystemColors::ButtonText, face, field));
    option.palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    option.palette.setColor(QPalette::Disabled, QPalette::Text, grey);
  }
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText = shownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// ---- TimerControl ----------------------------------------------------------------

TimerControl::TimerControl(QObject* parent) : QObject(parent) {
  // Ticks a second apart stay a second apart (a coarse timer may drift by 5 %).
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TimerControl::Timer);
}

void TimerControl::setInterval(int milliseconds) {
  timer_.setInterval(std::max(0, milliseconds));
  // A new interval starts counting afresh.
  if (enabled_ && timer_.interval() > 0)
    timer_.start();
  else
    timer_.stop();
}

void TimerControl::setEnabled(bool on) {
  if (enabled_ == on)
    return;
  enabled_ = on;
  if (on && timer_.interval() > 0)
    timer_.start();
  else
    timer_.stop();
}

// ---- PictureBox ------------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
  installAccessibleFactory();
  setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  autoSize();
  update();
}

void PictureBox::setAutoSize(bool on) {
  if (autoSize_ == on)
    return;
  autoSize_ = on;
  autoSize();
}

void PictureBox::autoSize() {
  if (!autoSize_ || picture_.isNull())
    return;
  move(Left(), Top(), pixelsToTwips(picture_.width()), pixelsToTwips(picture_.height()));
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(qint32(0x8000000F), SystemColors::ButtonFace));
  if (!picture_.isNull())
    painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace platform
