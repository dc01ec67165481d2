// SPDX-License-Identifier: MIT
#include "platform/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSpacerItem>
#include <QThread>

namespace platform {

namespace {
MsgBoxRecorder* recorder = nullptr;

// Room the title bar takes besides the title: the window icon and the
// buttons of the frame, with their margins.
constexpr int TitleBarExtras = 120;

// Title bars draw their text in bold, mostly; a box as wide as the title in
// the bold application font plus the frame's extras shows it whole (the box
// itself only sizes to its message). Never wider than the screen.
int titleWidth(const QMessageBox& box) {
  QFont font = QApplication::font();
  font.setBold(true);
  int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + TitleBarExtras;
  if (const QScreen* screen = box.screen())
    width = std::min(width, screen->availableGeometry().width());
  return width;
}

void fitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid)
    return;
  grid->addItem(new QSpacerItem(titleWidth(box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                grid->columnCount());
}

// A box opened by an access key (Alt and a letter) comes up once Alt is let
// go, within a second. A screen reader that hears the key's release after
// the box has come up takes the box for a window it has already presented
// and speaks only its button, never the message.
void waitForAltRelease() {
  if (!QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier))
    return; // nothing runs before the box when no key holds it back
  QElapsedTimer waited;
  waited.start();
  while (QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier) && waited.elapsed() < 1000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  // The release itself reaches the screen reader through the event loop.
  QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The window that was active before the box gets the activation back, as a
// window manager gives it back. Without one nothing does, and a screen reader
// that saw no window become active takes the next box, titled as this one,
// for the window it has already presented: it speaks only the box's button,
// never the message. Waits (half a second at most) until the window is
// active, so that what the caller has said next comes after the reader's
// report of the window, which would cut it short.
void giveActivationBack(const QPointer<QWidget>& window) {
  if (!window || !window->isVisible() || window->isActiveWindow())
    return;
  window->activateWindow();
  QElapsedTimer waited;
  waited.start();
  while (window && window->isVisible() && !window->isActiveWindow() && waited.elapsed() < 500) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
}

} // namespace

MsgBoxRecorder::MsgBoxRecorder() { recorder = this; }
MsgBoxRecorder::~MsgBoxRecorder() {
  if (recorder == this)
    recorder = nullptr;
}

void msgBox(const QString& text, MsgBoxIcon icon, const QString& title) {
  if (recorder) {
    // The hook gets its own copy: code run "while the box is open" may show
    // further boxes, which grows the list of calls.
    const MsgBoxCall call{text, icon, title};
    recorder->calls.push_back(call);
    if (recorder->whileOpen)
      recorder->whileOpen(call);
    return;
  }
  QMessageBox box(icon == MsgBoxIcon::Information   ? QMessageBox::Information
                  : icon == MsgBoxIcon::Exclamation ? QMessageBox::Warning
                                                    : QMessageBox::NoIcon,
                  title, text, QMessageBox::Ok);
  fitTitle(box);
  waitForAltRelease();
  const QPointer<QWidget> active = QApplication::activeWindow();
  box.exec();
  giveActivationBack(active);
}

} // namespace platform
