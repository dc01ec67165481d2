// SPDX-License-Identifier: MIT
// The widget's face of the input rules (ButtonInput.cpp): Qt's mouse, key
// and focus events turned into the rules' calls, and what the rules ask of
// a widget (the pointer shape, the focus chain, the mouse capture of the
// space bar, the option buttons of one parent, the access key's shortcut).

#include "button/model/vexabutton_p.h"

#include "platform/Later.h"
#include "platform/Pointer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

namespace {

const QString accessKeyShortcutName = QStringLiteral("vexabutton access key");

} // namespace

// ---- Qt events -> the rules ---------------------------------------------------

void vexabutton::mousePressEvent(QMouseEvent* event) {
  // Qt keeps the mouse for this widget until the release (implicit grab).
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  vexa::input::mouseDown(*d_, vexa::input::buttonCode(event->button()), vexa::input::shiftCode(event->modifiers()),
                         float(at.x()), float(at.y()));
}

void vexabutton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  vexa::input::mouseMove(*d_, vexa::input::buttonsCode(event->buttons()), vexa::input::shiftCode(event->modifiers()),
                         float(at.x()), float(at.y()));
}

void vexabutton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  vexa::input::mouseUp(*d_, vexa::input::buttonCode(event->button()), vexa::input::shiftCode(event->modifiers()),
                       float(at.x()), float(at.y()));
}

// Qt reports the second press of a double click as a double click, also
// when the first press went to another widget: then it is a first press here.
void vexabutton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !platform::isOwnDoubleClick(this)) {
    mousePressEvent(event);
    return;
  }
  event->accept();
  vexa::input::dblClick(*d_);
}

void vexabutton::keyPressEvent(QKeyEvent* event) {
  event->accept();
  const QPointer<vexabutton> self(this);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  vexa::input::keyDown(*d_, vexa::input::virtualKeyCode(event->key(), modifiers), vexa::input::shiftCode(modifiers));
  if (!self)
    return;
  // The character notification.
  const QString text = event->text();
  if (vexa::input::typesCharacter(text, modifiers))
    vexa::input::keyPress(*d_, qint16(text.at(0).unicode()));
}

void vexabutton::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat())
    return; // a held key repeats its key-down only
  vexa::input::keyUp(*d_, vexa::input::virtualKeyCode(event->key(), event->modifiers()),
                     vexa::input::shiftCode(event->modifiers()));
}

// A popup (the button's own menu) takes Qt's focus while it is open; for the
// button the focus stays where it was, as with the classic modal menu.
void vexabutton::focusInEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason)
    vexa::input::gotFocus(*d_);
}

void vexabutton::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason) {
    d_->releaseSpaceCaptureUnlessPressHeld(); // the space bar's key-up will not reach this button
    vexa::input::lostFocus(*d_);
  }
}

// Enabled follows the widget's own setting, however it was changed
// (QWidget::setEnabled, the "enabled" property); a disabled container leaves
// it as it is. Qt announces no change of the own setting while a container
// is disabled: the getter and the save read it from Qt, and event() has it
// followed after the next event the button gets.
void vexabutton::followEnabled() {
  ChangeSignals watch(*this, properties(PropertyId::Enabled));
  const bool own = !testAttribute(Qt::WA_ForceDisabled);
  const bool changed = own != d_->rec.Enabled;
  d_->rec.Enabled = own;
  // A disabled button receives no more input: drop a press in progress.
  const bool dropPress = !isEnabled() && vexa::input::inputDisabled(*d_);
  if (changed || dropPress)
    Redraw();
  if (changed)
    propertyChanged(QStringLiteral("Enabled"));
}

bool vexabutton::event(QEvent* event) {
  const QPointer<vexabutton> self(this);
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::MouseMove:
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
    // A leave Qt delivered before this input is raised before it.
    vexabuttonPrivate::raiseHeldLeaves();
    if (!self)
      return true;
    break;
  default:
    break;
  }
  // Qt announces no change of the own setting inside a disabled container;
  // the next event the button gets announces it, from the event loop.
  if (d_->rec.Enabled == testAttribute(Qt::WA_ForceDisabled) && !d_->enabledCheckPending) {
    d_->enabledCheckPending = true;
    platform::later(this, [](vexabutton* button) {
      vexabuttonPrivate::get(*button).enabledCheckPending = false;
      if (button->d_->rec.Enabled == button->testAttribute(Qt::WA_ForceDisabled))
        button->followEnabled();
    });
  }
  switch (event->type()) {
  case QEvent::EnabledChange:
    followEnabled();
    break;
  case QEvent::FontChange:
    followWidgetFont();
    break;
  case QEvent::LayoutDirectionChange:
    d_->followLayoutDirection();
    break;
  case QEvent::ToolTipChange:
    followWidgetToolTip();
    break;
  case QEvent::ToolTip:
    // The control shows ToolTip in its own tip window, never Qt's beside it.
    return true;
  case QEvent::WindowActivate: // passed on by the window to its visible children
  case QEvent::WindowDeactivate:
    d_->parentActivationChanged(event->type() == QEvent::WindowActivate);
    break;
  case QEvent::StyleChange:
  case QEvent::ThemeChange:
    d_->themeChanged();
    break;
  case QEvent::PaletteChange:
    d_->systemColoursChanged();
    break;
  case QEvent::ScreenChangeInternal: // the window moved to a screen
  case QEvent::ParentChange:         // the control moved to a window
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  case QEvent::DevicePixelRatioChange:
#endif
    followDevicePixelRatio();
    break;
  case QEvent::Shortcut:
    // A shortcut given through QAbstractButton::setShortcut clicks as Qt's
    // buttons do (click(), and so nextCheckState()).
    return QAbstractButton::event(event);
  default:
    break;
  }
  if (!self)
    return true; // a change handler deleted the button
  // QWidget's dispatch, not QAbstractButton's: the handlers above are the
  // button's own, and a disabled button's mouse events go to its parent.
  const bool handled = QWidget::event(event);
  if (self)
    d_->followQtDown();
  return handled;
}

// ---- What the rules ask of the widget ------------------------------------------

bool vexabuttonPrivate::isOn(QPoint at) const { return platform::isOnWidget(q, at); }

void vexabuttonPrivate::pointerIsOver(QPoint at) { requestLeave(at); }

bool vexabuttonPrivate::takeNewVisit() { return std::exchange(hover.newVisit, false); }

// The hand pointer while HandPointer is on. The hand stays set on the
// widget in Qt, so it is taken off again once HandPointer has been switched
// off.
void vexabuttonPrivate::updatePointerShape() {
  settle();
  if (rec.HandPointer) {
    if (!q->testAttribute(Qt::WA_SetCursor) || q->cursor().shape() != Qt::PointingHandCursor)
      q->setCursor(Qt::PointingHandCursor);
  } else if (q->testAttribute(Qt::WA_SetCursor) && q->cursor().shape() == Qt::PointingHandCursor) {
    q->unsetCursor();
  }
}

void vexabuttonPrivate::setValue(bool value) { q->setValue(value); }

void vexabuttonPrivate::uncheckOtherOptions() { q->UncheckOtherOptions(); }

void vexabuttonPrivate::showTooltip() { tooltip->show(); }

void vexabuttonPrivate::openMenu() { menu->open(); }

// The keystrokes "{TAB}" and "+{TAB}" sent to the active window. Like typed
// keys they wait in the queue: the focus moves after the key that sent them
// has been handled (and its KeyDown raised).
void vexabuttonPrivate::moveFocus(bool next) {
  const QPointer<QWidget> fallback(q->window());
  QMetaObject::invokeMethod(
      qApp,
      [fallback, next] {
        QWidget* window = QApplication::activeWindow();
        if (!window)
          window = fallback;
        if (!window)
          return;
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent tab(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab,
                      next ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(target, &tab);
      },
      Qt::QueuedConnection);
}

bool vexabuttonPrivate::endLeftPress() { return platform::endLeftPress(q); }

// Whether this button holds the left press now.
bool vexabuttonPrivate::holdsLeftPress() const { return platform::leftPressHolder() == q; }

// Whether another button holds a left press now (a focus change on the way
// does not end it).
bool vexabuttonPrivate::pressHeldByAnother() const {
  const auto* holder = qobject_cast<const vexabutton*>(platform::leftPressHolder());
  return holder && holder != q;
}

void vexabuttonPrivate::captureForSpace() {
  if (QWidget::mouseGrabber() == q)
    return;
  if (QWidget* other = QWidget::mouseGrabber())
    other->releaseMouse();
  if (!q->isVisible())
    return;
  q->grabMouse();
  // A control the pointer is over sees no more of it while the capture
  // lasts: it gets its leave now instead of staying hot after the pointer
  // has gone.
  takePointerFromOthers();
}

void vexabuttonPrivate::releaseSpaceCapture() {
  if (QWidget::mouseGrabber() == q)
    q->releaseMouse();
}

// A capture that brought a left press here lasts while that press is held:
// the button keeps the mouse for the press's moves and release (without the
// capture Qt would send them to wherever the press began). The release ends
// it.
void vexabuttonPrivate::releaseSpaceCaptureUnlessPressHeld() {
  if (!holdsLeftPress())
    releaseSpaceCapture();
}

void vexabuttonPrivate::raise(const vexa::InputEvent& event) {
  using E = vexa::InputEvent;
  switch (event.kind) {
  case E::Click: {
    const QPointer<vexabutton> self(q);
    Q_EMIT q->Click();
    if (self)
      qtClicked();
    break;
  }
  case E::DblClick:
    Q_EMIT q->DblClick();
    break;
  case E::MouseEnter:
    Q_EMIT q->MouseEnter();
    break;
  case E::MouseLeave:
    Q_EMIT q->MouseLeave();
    break;
  case E::MouseMove:
    Q_EMIT q->MouseMove(event.button, event.shift, event.x, event.y);
    break;
  case E::MouseUp:
    Q_EMIT q->MouseUp(event.button, event.shift, event.x, event.y);
    break;
  case E::MouseDown:
    Q_EMIT q->MouseDown(event.button, event.shift, event.x, event.y);
    break;
  case E::KeyDown:
    Q_EMIT q->KeyDown(event.key, event.shift);
    break;
  case E::KeyUp:
    Q_EMIT q->KeyUp(event.key, event.shift);
    break;
  case E::KeyPress:
    Q_EMIT q->KeyPress(event.key);
    break;
  }
}

// ---- Host notifications --------------------------------------------------------

void vexabutton::hostAmbientChanged(const QString& name) {
  d_->rec.IsDefault = d_->host->ambientDisplayAsDefault(this);
  if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0 ||
      name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
    Redraw();
}

void vexabutton::hostAccessKeyPress(int keyAscii) { vexa::input::accessKey(*d_, qint16(keyAscii)); }

// Clears Value of the other option buttons in the same container (the same
// parent widget); buttons in other frames of the window keep theirs.
void vexabutton::UncheckOtherOptions() {
  QWidget* container = parentWidget();
  if (!container)
    return;
  const QList<vexabutton*> siblings = container->findChildren<vexabutton*>(Qt::FindDirectChildrenOnly);
  QList<QPointer<vexabutton>> others;
  for (vexabutton* other : siblings)
    if (other != this)
      others.append(other);
  for (const QPointer<vexabutton>& other : others)
    if (other && other->Mode() == 2)
      other->setValue(false);
}

// The access key of Caption, bound as Alt and the key in the button's window.
void vexabutton::SetAccessKeys() {
  d_->accessKeys = vexa::accessKeyOf(d_->rec.Caption);

  // Alt and the key, anywhere in the button's window.
  auto* shortcut = findChild<QShortcut*>(accessKeyShortcutName, Qt::FindDirectChildrenOnly);
  if (d_->accessKeys.isEmpty()) {
    delete shortcut;
    return;
  }
  if (!shortcut) {
    shortcut = new QShortcut(this);
    shortcut->setObjectName(accessKeyShortcutName);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
      if (!d_->accessKeys.isEmpty())
        vexa::input::accessKey(*d_, qint16(d_->accessKeys.at(0).unicode()));
    });
    // Two buttons with one key: the key moves the focus between them.
    connect(shortcut, &QShortcut::activatedAmbiguously, this, [this] { setFocus(Qt::ShortcutFocusReason); });
  }
  shortcut->setKey(QKeySequence::mnemonic(QStringLiteral("&") + d_->accessKeys));
}

// A left click at the centre, as the window system would deliver it: the
// focus as a press gives it, then MouseDown (or the menu), Click, MouseUp.
void vexabuttonPrivate::clickAtCentre() {
  if (!q->isEnabled())
    return;
  const QPointer<vexabutton> self(q);
  if (q->focusPolicy() & Qt::ClickFocus)
    q->setFocus(Qt::MouseFocusReason);
  if (!self)
    return;
  platform::claimLeftPress(q); // the release in the rules ends this press
  vexa::input::clickAtCentre(*this);
}
