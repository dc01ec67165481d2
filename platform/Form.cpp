#include "platform/Form.h"

#include "platform/Geometry.h"

#include <QCloseEvent>
#include <QPainter>

namespace platform {

Form::Form(QWidget* parent) : QWidget(parent) {}
Form::~Form() = default;

void Form::setClientSizeTwips(int widthTwips, int heightTwips) {
  setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}
int Form::ScaleWidth() const { return int(pixelsToTwips(width())); }
int Form::ScaleHeight() const { return int(pixelsToTwips(height())); }
void Form::setBorderStyle(int style) { borderStyle_ = style; }
void Form::setMaxButton(bool on) { maxButton_ = on; }
void Form::setMinButton(bool on) { minButton_ = on; }
void Form::setShowInTaskbar(bool on) { showInTaskbar_ = on; }
void Form::setBackColor(qint32 rgb) { backColor_ = rgb; }
void Form::setPicture(const QImage& picture) { picture_ = picture; }
void Form::applyWindowFlags() {}

void Form::Load() {
  if (loaded_)
    return;
  loaded_ = true;
  Form_Load();
}

void Form::Show() {
  Load();
  show();
}

bool Form::Unload(int unloadMode) {
  bool cancel = false;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel)
    return false;
  hide();
  Form_Unload(cancel);
  emit unloaded();
  deleteLater();
  return true;
}

void Form::paintEvent(QPaintEvent*) {}
void Form::closeEvent(QCloseEvent* event) {
  event->ignore();
  Unload(FormControlMenu);
}
void Form::showEvent(QShowEvent* event) { QWidget::showEvent(event); }

} // namespace platform
