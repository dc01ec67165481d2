#include "button/model/vexabutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

void vexabutton::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
void vexabutton::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }
void vexabutton::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Click();
}
void vexabutton::mouseDoubleClickEvent(QMouseEvent* event) { QWidget::mouseDoubleClickEvent(event); }
void vexabutton::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
void vexabutton::keyReleaseEvent(QKeyEvent* event) { QWidget::keyReleaseEvent(event); }
void vexabutton::focusInEvent(QFocusEvent* event) { QWidget::focusInEvent(event); }
void vexabutton::focusOutEvent(QFocusEvent* event) { QWidget::focusOutEvent(event); }
bool vexabutton::event(QEvent* event) { return QWidget::event(event); }

void vexabutton::handleMouseDown(qint16, qint16, float, float) {}
void vexabutton::handleMouseMove(qint16, qint16, float, float) {}
void vexabutton::handleMouseUp(qint16, qint16, float, float) {}
void vexabutton::handleDblClick() {}
void vexabutton::handleKeyDown(qint16, qint16) {}
void vexabutton::handleKeyUp(qint16, qint16) {}
void vexabutton::handleKeyPress(qint16) {}
void vexabutton::handleAccessKeyPress(qint16) {}
void vexabutton::handleGotFocus() {}
void vexabutton::handleLostFocus() {}
void vexabutton::UncheckOtherOptions() {}
void vexabutton::SetAccessKeys() {}
void vexabutton::hostAmbientChanged(const QString&) {}
void vexabutton::hostAccessKeyPress(int keyAscii) { handleAccessKeyPress(qint16(keyAscii)); }
void vexabutton::Subclass_WndProc(bool, bool&, qint32&, qint32, qint32&, qint32&, qint32) {}
