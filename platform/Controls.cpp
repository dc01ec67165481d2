#include "platform/Controls.h"

#include "platform/Geometry.h"
#include "platform/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>

namespace platform {

namespace {

// A colour value 0x00BBGGRR (or a system-colour reference) as a QColor; an
// untranslatable value falls back to `fallbackIndex`'s system colour.
QColor toQColor(qint32 oleColor, int fallbackIndex) {
  qint32 rgb = translateOleColor(oleColor);
  if (rgb < 0)
    rgb = SystemColors::get(fallbackIndex);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
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
  // Transparent: the parent's background shows through around the text.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
  QWidget::setFont(font_.toQFont());
}

void Label::setCaption(const QString& caption) {
  if (caption == caption_)
    return;
  caption_ = caption;
  autoSize();
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

QString Label::displayText() const {
  QString text = caption_;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

int Label::textFlags() const {
  int flags = Qt::AlignTop;
  switch (alignment_) {
  case 1:
    flags |= Qt::AlignRight;
    break;
  case 2:
    flags |= Qt::AlignHCenter;
    break;
  default:
    flags |= Qt::AlignLeft;
    break;
  }
  // A fixed box wraps at its width; so does an AutoSize label with WordWrap.
  if (!autoSize_ || wordWrap_)
    flags |= Qt::TextWordWrap;
  return flags;
}

void Label::autoSize() {
  if (!autoSize_)
    return;
  const QFontMetrics metrics(font_.toQFont());
  const QString text = displayText();
  if (wordWrap_) {
    const int widthPixels = twipsToPixels(Width());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(1, widthPixels), 1 << 20), textFlags(), text);
    setHeight(pixelsToTwips(text.isEmpty() ? metrics.height() : bounds.height()));
    return;
  }
  if (text.isEmpty()) {
    // Nothing to show: no width, one line high.
    move(Left(), Top(), 0, pixelsToTwips(metrics.height()));
    return;
  }
  const QRect bounds = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), textFlags(), text);
  move(Left(), Top(), pixelsToTwips(bounds.width()), pixelsToTwips(bounds.height()));
}

void Label::paintEvent(QPaintEvent*) {
  if (caption_.isEmpty())
    return;
  QPainter painter(this);
  painter.setFont(font_.toQFont());
  painter.setPen(isEnabled() ? toQColor(foreColor_, SystemColors::ButtonText)
                             : QColor(toQColor(qint32(0x80000011), SystemColors::GrayText)));
  painter.drawText(rect(), textFlags(), displayText());
}

// ---- Frame -----------------------------------------------------------------------

Frame::Frame(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
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
  painter.setPen(isEnabled() ? toQColor(qint32(0x80000012), SystemColors::ButtonText)
                             : toQColor(qint32(0x80000011), SystemColors::GrayText));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

// ---- ComboBox --------------------------------------------------------------------

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), TwipsGeometry(this) {
  setEditable(false);
  setFocusPolicy(Qt::StrongFocus);
  setCurrentIndex(-1);
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

void ComboBox::setFont(const SharedFont& font) { QWidget::setFont(font.toQFont()); }

// ---- TimerControl ----------------------------------------------------------------

TimerControl::TimerControl(QObject* parent) : QObject(parent) {
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

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipsGeometry(this) { setFocusPolicy(Qt::StrongFocus); }

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
