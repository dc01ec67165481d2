#include "platform/Controls.h"

#include "platform/Geometry.h"

#include <QPainter>

namespace platform {

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
  widget_->setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_), twipsToPixels(height_));
}

Label::Label(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {}
void Label::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}
void Label::setAutoSize(bool on) { autoSize_ = on; }
void Label::setWordWrap(bool on) { wordWrap_ = on; }
void Label::setAlignment(int alignment) { alignment_ = alignment; }
void Label::setForeColor(qint32 rgb) { foreColor_ = rgb; }
void Label::setFont(const SharedFont& font) {
  font_.setName(font.Name());
  font_.setSize(font.Size());
  font_.setWeight(font.Weight());
  font_.setCharset(font.Charset());
  font_.setItalic(font.Italic());
  font_.setUnderline(font.Underline());
  font_.setStrikethrough(font.Strikethrough());
}
void Label::paintEvent(QPaintEvent*) {}
void Label::autoSize() {}

Frame::Frame(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {}
void Frame::setCaption(const QString& caption) { caption_ = caption; }
void Frame::setBackColor(qint32 rgb) { backColor_ = rgb; }
void Frame::setFont(const SharedFont&) {}
void Frame::paintEvent(QPaintEvent*) {}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), TwipsGeometry(this) {}
void ComboBox::AddItem(const QString& item) { addItem(item); }
QString ComboBox::Text() const { return currentIndex() < 0 ? QString() : currentText(); }
void ComboBox::setFont(const SharedFont&) {}

TimerControl::TimerControl(QObject* parent) : QObject(parent) { connect(&timer_, &QTimer::timeout, this, &TimerControl::Timer); }
void TimerControl::setInterval(int milliseconds) { timer_.setInterval(milliseconds); }
void TimerControl::setEnabled(bool on) {
  enabled_ = on;
  if (on)
    timer_.start();
  else
    timer_.stop();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {}
void PictureBox::setPicture(const QImage& picture) { picture_ = picture; }
void PictureBox::setAutoSize(bool on) { autoSize_ = on; }
void PictureBox::paintEvent(QPaintEvent*) {}

} // namespace platform
