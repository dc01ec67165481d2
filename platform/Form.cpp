// SPDX-License-Identifier: MIT
#include "platform/Form.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace platform {

namespace {

// Border styles with a frame the user cannot drag.
bool isFixedBorder(int style) { return style != 2 && style != 5; }

} // namespace

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
  installAccessibleFactory();
  applyWindowFlags();
}

// The controls go first, while the form can still answer them as their host
// (a control may hide itself or ask for its extender on the way out).
// Keys and focus changes of the dying controls are no longer the form's business.
Form::~Form() {
  if (qApp)
    qApp->removeEventFilter(this);
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void Form::setClientSizeTwips(int widthTwips, int heightTwips) {
  const QSize size(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
  if (isFixedBorder(borderStyle_)) {
    setFixedSize(size);
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
  }
}

int Form::ScaleWidth() const { return int(pixelsToTwips(width())); }
int Form::ScaleHeight() const { return int(pixelsToTwips(height())); }

void Form::setBorderStyle(int style) {
  if (borderStyle_ == style)
    return;
  borderStyle_ = style;
  setClientSizeTwips(ScaleWidth(), ScaleHeight());
  applyWindowFlags();
}

void Form::setMaxButton(bool on) {
  if (maxButton_ == on)
    return;
  maxButton_ = on;
  applyWindowFlags();
}

void Form::setMinButton(bool on) {
  if (minButton_ == on)
    return;
  minButton_ = on;
  applyWindowFlags();
}

void Form::setShowInTaskbar(bool on) {
  if (showInTaskbar_ == on)
    return;
  showInTaskbar_ = on;
  applyWindowFlags();
}

void Form::setBackColor(qint32 rgb) {
  if (backColor_ == rgb)
    return;
  backColor_ = rgb;
  update();
}

void Form::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

// BorderStyle 0 none; 1 fixed single and 3 fixed dialog: title, system menu,
// close box, minimize/maximize boxes as set, fixed size; 2 sizable; 4 fixed
// and 5 sizable tool window: small title with a close box only, no taskbar
// entry. A window without a taskbar entry is made a tool window (the only
// portable way to keep it off the taskbar).
void Form::applyWindowFlags() {
  Qt::WindowFlags flags;
  const bool toolWindow = borderStyle_ == 4 || borderStyle_ == 5 || (!showInTaskbar_ && borderStyle_ != 0);
  if (borderStyle_ == 0) {
    flags = Qt::Window | Qt::FramelessWindowHint;
  } else if (toolWindow && (borderStyle_ == 4 || borderStyle_ == 5)) {
    flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  } else {
    flags = (toolWindow ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minButton_ && borderStyle_ != 3)
      flags |= Qt::WindowMinimizeButtonHint;
    if (maxButton_ && borderStyle_ != 3)
      flags |= Qt::WindowMaximizeButtonHint;
  }
  if (flags == windowFlags())
    return;
  const bool wasVisible = isVisible();
  setWindowFlags(flags); // hides a shown window
  if (wasVisible)
    show();
}

void Form::Load() {
  if (loaded_)
    return;
  loaded_ = true;
  Form_Load();
}

void Form::Show() {
  Load();
  show();
  activateWindow();
}

bool Form::Unload(int unloadMode) {
  if (unloading_)
    return false;
  unloading_ = true;
  bool cancel = false;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel) {
    unloading_ = false;
    return false;
  }
  const bool wasVisible = isVisible();
  hide();
  Form_Unload(cancel);
  if (cancel) {
    unloading_ = false;
    if (wasVisible)
      show();
    return false;
  }
  loaded_ = false;
  emit unloaded();
  deleteLater();
  return true;
}

void Form::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Back colour (an untranslatable colour leaves the window's own background)
  const qint32 rgb = translateOleColor(backColor_);
  if (rgb >= 0)
    painter.fillRect(rect(), QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
  // Picture: unscaled, at the top-left, behind the controls
  if (!picture_.isNull())
    painter.drawImage(QPoint(0, 0), picture_);
}

void Form::closeEvent(QCloseEvent* event) {
  // The close box unloads the form; Unload hides and deletes it.
  event->ignore();
  Unload(FormControlMenu);
}

void Form::showEvent(QShowEvent* event) {
  // StartUpPosition 2: centred on the screen, once, before the first show.
  if (startUpPosition_ == 2 && !centred_ && !event->spontaneous()) {
    centred_ = true;
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
      const QRect available = screen->availableGeometry();
      const QSize outer = frameGeometry().size().expandedTo(size());
      move(available.x() + (available.width() - outer.width()) / 2,
           available.y() + (available.height() - outer.height()) / 2);
    }
  }
  QWidget::showEvent(event);
}

} // namespace platform
