// SPDX-License-Identifier: MIT
// The input state machine: what the button does with mouse presses, pointer
// movement, keys, access keys and focus changes, and in which order it raises
// its events.
//
// ButtonState (0 Normal, 1 Hot, 2 Down); every change repaints through Redraw.
//
//   From  | Event                                                 | To
//   ------+-------------------------------------------------------+---------------------------------------
//   any   | pointer moves over the button, no mouse press         | Hot (tooltip shown)
//   any   | pointer moves over the button during a mouse press    | Down
//   any   | pointer moves off (or the leave message), no space    | Normal
//   any   | left press, no space press                            | Down
//   Down  | left release inside, the press was its own            | Normal, Click
//   Down  | left release outside (the left and top edges count)   | Hot if the pointer is over it, else Normal
//   any   | space key down, no mouse press                        | Down (check/option Value changes here)
//   Down  | space key up                                          | Hot if the pointer is over it, else Normal; Click
//   any   | other key while the space bar is down                 | Normal (space press cancelled, no Click)
//   any   | focus lost                                            | Hot if the window is active and the pointer
//         |                                                       | is over the button, else Normal
//   any   | popup menu attached: mouse up                         | Normal (no Click, no MouseUp)
//   any   | window activated or deactivated                       | Normal (Hover.cpp)
//   any   | disabled (itself or through a container)              | Normal, not MouseInside; press and
//         |                                                       | space press dropped
//
// Redraw stores Down whenever a check or option button of most styles is
// held down by its Value, so such a button stays Down through every row.
//
// Events raise the window's handlers synchronously. A handler may open a
// modal box, hide the window, change properties or destroy the button, so
// after each event the code checks that the button still exists before
// touching it again.

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

using vexa::is;
constexpr qint16 LeftButton = vexa::MouseButton::Left;
constexpr qint16 RightButton = vexa::MouseButton::Right;
constexpr qint16 MiddleButton = vexa::MouseButton::Middle;
constexpr qint16 AltMask = vexa::ShiftMask::Alt;
constexpr qint16 KeyEnter = vexa::KeyCode::Enter;
constexpr qint16 KeyEscape = vexa::KeyCode::Escape;
constexpr qint16 KeySpace = vexa::KeyCode::Space;

const QString accessKeyShortcutName = QStringLiteral("vexabutton access key");

qint16 buttonCode(Qt::MouseButton button) {
  switch (button) {
  case Qt::LeftButton:
    return LeftButton;
  case Qt::RightButton:
    return RightButton;
  case Qt::MiddleButton:
    return MiddleButton;
  default:
    return 0;
  }
}

qint16 buttonsCode(Qt::MouseButtons buttons) {
  qint16 code = 0;
  if (buttons & Qt::LeftButton)
    code |= LeftButton;
  if (buttons & Qt::RightButton)
    code |= RightButton;
  if (buttons & Qt::MiddleButton)
    code |= MiddleButton;
  return code;
}

qint16 shiftCode(Qt::KeyboardModifiers modifiers) {
  qint16 code = 0;
  if (modifiers & Qt::ShiftModifier)
    code |= 1;
  if (modifiers & Qt::ControlModifier)
    code |= 2;
  if (modifiers & Qt::AltModifier)
    code |= AltMask;
  return code;
}

// The classic virtual-key code of a Qt key. Shifted symbols of the US layout
// map back to the key that carries them. Keys without a code give 0.
qint16 virtualKeyCode(int key, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers & Qt::KeypadModifier;
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return qint16(key);
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return qint16(keypad ? 96 + (key - Qt::Key_0) : key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return qint16(112 + (key - Qt::Key_F1));
  switch (key) {
  case Qt::Key_Backspace:
    return 8;
  case Qt::Key_Tab:
  case Qt::Key_Backtab:
    return 9;
  case Qt::Key_Clear:
    return 12;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return KeyEnter;
  case Qt::Key_Shift:
    return 16;
  case Qt::Key_Control:
    return 17;
  case Qt::Key_Alt:
    return 18;
  case Qt::Key_Pause:
    return 19;
  case Qt::Key_CapsLock:
    return 20;
  case Qt::Key_Escape:
    return KeyEscape;
  case Qt::Key_Space:
    return KeySpace;
  case Qt::Key_PageUp:
    return 33;
  case Qt::Key_PageDown:
    return 34;
  case Qt::Key_End:
    return 35;
  case Qt::Key_Home:
    return 36;
  case Qt::Key_Left:
    return 37;
  case Qt::Key_Up:
    return 38;
  case Qt::Key_Right:
    return 39;
  case Qt::Key_Down:
    return 40;
  case Qt::Key_Print:
    return 44;
  case Qt::Key_Insert:
    return 45;
  case Qt::Key_Delete:
    return 46;
  case Qt::Key_Meta:
    return 91;
  case Qt::Key_Menu:
    return 93;
  case Qt::Key_Asterisk:
    return qint16(keypad ? 106 : 56);
  case Qt::Key_Plus:
    return qint16(keypad ? 107 : 187);
  case Qt::Key_Minus:
    return qint16(keypad ? 109 : 189);
  case Qt::Key_Period:
    return qint16(keypad ? 110 : 190);
  case Qt::Key_Slash:
    return qint16(keypad ? 111 : 191);
  case Qt::Key_NumLock:
    return 144;
  case Qt::Key_ScrollLock:
    return 145;
  case Qt::Key_Semicolon:
  case Qt::Key_Colon:
    return 186;
  case Qt::Key_Equal:
    return 187;
  case Qt::Key_Comma:
  case Qt::Key_Less:
    return 188;
  case Qt::Key_Underscore:
    return 189;
  case Qt::Key_Greater:
    return 190;
  case Qt::Key_Question:
    return 191;
  case Qt::Key_QuoteLeft:
  case Qt::Key_AsciiTilde:
    return 192;
  case Qt::Key_BracketLeft:
  case Qt::Key_BraceLeft:
    return 219;
  case Qt::Key_Backslash:
  case Qt::Key_Bar:
    return 220;
  case Qt::Key_BracketRight:
  case Qt::Key_BraceRight:
    return 221;
  case Qt::Key_Apostrophe:
  case Qt::Key_QuoteDbl:
    return 222;
  // Shifted digits
  case Qt::Key_Exclam:
    return '1';
  case Qt::Key_At:
    return '2';
  case Qt::Key_NumberSign:
    return '3';
  case Qt::Key_Dollar:
    return '4';
  case Qt::Key_Percent:
    return '5';
  case Qt::Key_AsciiCircum:
    return '6';
  case Qt::Key_Ampersand:
    return '7';
  case Qt::Key_ParenLeft:
    return '9';
  case Qt::Key_ParenRight:
    return '0';
  default:
    return 0;
  }
}

// Common step "set state S": repaint only on a change.
void setState(vexabutton& button, qint32 state) {
  ButtonRecord& rec = liveRecord(button);
  if (rec.ButtonState == state)
    return;
  rec.ButtonState = state;
  button.Redraw();
}

// "Store S and Redraw": repaint even when the state was S already.
void storeState(vexabutton& button, qint32 state) {
  liveRecord(button).ButtonState = state;
  button.Redraw();
}

// Common step "pointer shape": the hand pointer while HandPointer is on. The
// hand stays set on the widget in Qt, so it is taken off again once
// HandPointer has been switched off.
void pointerShape(vexabutton& button) {
  if (liveRecord(button).HandPointer) {
    if (!button.testAttribute(Qt::WA_SetCursor) || button.cursor().shape() != Qt::PointingHandCursor)
      button.setCursor(Qt::PointingHandCursor);
  } else if (button.testAttribute(Qt::WA_SetCursor) && button.cursor().shape() == Qt::PointingHandCursor) {
    button.unsetCursor();
  }
}

// The keystrokes "{TAB}" and "+{TAB}" sent to the active window. Like typed
// keys they wait in the queue: the focus moves after the key that sent them
// has been handled (and its KeyDown raised).
void moveFocus(vexabutton& button, bool next) {
  const QPointer<QWidget> fallback(button.window());
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

} // namespace

// ---- Qt events -> handlers --------------------------------------------------

void vexabutton::mousePressEvent(QMouseEvent* event) {
  // Qt keeps the mouse for this widget until the release (implicit grab).
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  handleMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void vexabutton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  handleMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void vexabutton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  d_->hover.pointerReportedSinceEnter = true;
  const QPointF at = event->position();
  handleMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

// Qt reports the second press of a double click as a double click, also
// when the first press went to another widget: then it is a first press here.
void vexabutton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !platform::isOwnDoubleClick(this)) {
    mousePressEvent(event);
    return;
  }
  event->accept();
  handleDblClick();
}

void vexabutton::keyPressEvent(QKeyEvent* event) {
  event->accept();
  const QPointer<vexabutton> self(this);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  handleKeyDown(virtualKeyCode(event->key(), modifiers), shiftCode(modifiers));
  if (!self)
    return;
  // The character notification; Alt with a key (without AltGr's Ctrl) is a
  // system key and types no character.
  const QString text = event->text();
  const bool systemKey = (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
  if (!text.isEmpty() && !systemKey)
    handleKeyPress(qint16(text.at(0).unicode()));
}

void vexabutton::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat())
    return; // a held key repeats its key-down only
  handleKeyUp(virtualKeyCode(event->key(), event->modifiers()), shiftCode(event->modifiers()));
}

// A popup (the button's own menu) takes Qt's focus while it is open; for the
// button the focus stays where it was, as with the classic modal menu.
void vexabutton::focusInEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason)
    handleGotFocus();
}

void vexabutton::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason) {
    releaseSpaceCaptureUnlessPressHeld(); // the space bar's key-up will not reach this button
    handleLostFocus();
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
  const bool dropPress =
      !isEnabled() && (d_->rec.MousePressed || d_->rec.SpaceDown || d_->rec.ButtonState != ButtonRecord::Normal);
  if (!isEnabled()) {
    releaseSpaceCapture();
    d_->rec.MousePressed = false;
    d_->rec.SpaceDown = false;
    d_->rec.ButtonState = ButtonRecord::Normal;
    // A disabled button follows the pointer no more (no move or leave
    // reaches it): the next move after it is enabled again says where it is.
    d_->rec.MouseInside = false;
  }
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

// ---- Handlers ---------------------------------------------------------------

void vexabutton::handleMouseDown(qint16 button, qint16 shift, float x, float y) {
  d_->rec.LastButton = button;
  d_->rec.LastShift = shift;
  d_->rec.LastX = x;
  d_->rec.LastY = y;
  pointerShape(*this);
  if (button != LeftButton && !d_->rec.MenuJustClosed)
    return; // other buttons neither press the button nor raise MouseDown
  d_->rec.HasFocus = true;
  d_->rec.MousePressed = true;
  if (!d_->rec.SpaceDown)
    setState(*this, ButtonRecord::Down);
  if (!d_->rec.PopupMenuSet)
    emit MouseDown(button, shift, x, y);
  else if (!d_->rec.MenuJustClosed)
    d_->menu->open();
}

void vexabutton::handleMouseMove(qint16 button, qint16 shift, float x, float y) {
  const QPointer<vexabutton> self(this);
  pointerShape(*this);
  // Where the move found the pointer: on the button itself, or beside it or
  // over a child of it (a press keeps the moves coming here).
  const QPoint at = QPointF(x, y).toPoint();
  bool newVisit = false; // the first move since the pointer arrived
  if (platform::isOnWidget(this, at)) {
    newVisit = std::exchange(d_->hover.newVisit, false);
    d_->rec.MouseInside = true;
    d_->requestLeave(at);
    emit MouseEnter(); // on every movement over the button, before MouseMove
    if (!self)
      return;
  } else {
    d_->rec.MouseInside = false;
  }
  if (d_->rec.SpaceDown)
    return;
  if (d_->rec.MouseInside) {
    if (d_->rec.MousePressed) {
      setState(*this, ButtonRecord::Down);
    } else if (d_->rec.ButtonState != ButtonRecord::Hot || newVisit) {
      storeState(*this, ButtonRecord::Hot);
      // A button held down by its Value comes back Down from Redraw: no tooltip.
      if (d_->rec.ButtonState != ButtonRecord::Down)
        d_->tooltip->show();
    }
  } else {
    setState(*this, ButtonRecord::Normal);
  }
  emit MouseMove(button, shift, x, y);
}

void vexabutton::handleMouseUp(qint16 button, qint16 shift, float x, float y) {
  const QPointer<vexabutton> self(this);
  pointerShape(*this);
  if (button == LeftButton && !d_->rec.SpaceDown)
    releaseSpaceCapture(); // kept for this release when the bar came up first
  if (d_->rec.PopupMenuSet) {
    if (button == LeftButton)
      platform::endLeftPress(this);
    d_->rec.MousePressed = false;
    d_->rec.MenuJustClosed = false;
    storeState(*this, ButtonRecord::Normal);
    return;
  }
  if (button == LeftButton) {
    d_->rec.MousePressed = false;
    // A release whose press went elsewhere (to a window that had the mouse
    // then, or before this button existed) clicks nothing.
    const bool ownPress = platform::endLeftPress(this);
    // Inside only; the left and top edges count as outside.
    if (ownPress && x > 0 && y > 0 && x < float(width()) && y < float(height())) {
      if (is(d_->rec.Mode, vexa::Mode::CheckButton)) {
        setValue(!d_->rec.Value);
      } else if (is(d_->rec.Mode, vexa::Mode::OptionButton)) {
        UncheckOtherOptions();
        if (!self)
          return;
        setValue(true);
      }
      if (!self)
        return;
      storeState(*this, ButtonRecord::Normal);
      emit Click();
      if (!self)
        return;
      d_->qtClicked();
      if (!self)
        return;
    } else if (!d_->rec.SpaceDown) {
      // On the left or top edge the pointer is still over the button: no
      // Click, but the button is let go all the same.
      setState(*this, d_->rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal);
    }
  }
  emit MouseUp(button, shift, x, y);
}

void vexabutton::handleDblClick() {
  const QPointer<vexabutton> self(this);
  pointerShape(*this);
  if (d_->rec.LastButton != LeftButton)
    return;
  // The mouse is already held for the button (the double click is a press).
  storeState(*this, ButtonRecord::Down);
  handleMouseDown(d_->rec.LastButton, d_->rec.LastShift, d_->rec.LastX, d_->rec.LastY);
  if (!self)
    return;
  if (!d_->rec.PopupMenuSet)
    emit DblClick();
  else if (!d_->rec.MenuJustClosed)
    d_->menu->open();
}

void vexabutton::handleKeyDown(qint16 keyCode, qint16 shift) {
  const QPointer<vexabutton> self(this);
  switch (keyCode) {
  case KeyEnter:
    emit Click(); // Value is not changed in any mode
    if (self)
      d_->qtClicked();
    break;
  case vexa::KeyCode::Left:
  case vexa::KeyCode::Up:
    moveFocus(*this, false);
    break;
  case vexa::KeyCode::Right:
  case vexa::KeyCode::Down:
    moveFocus(*this, true);
    break;
  case KeySpace:
    if (shift == AltMask)
      return; // Alt+Space belongs to the window's system menu
    if (pressHeldByAnotherButton())
      break; // one press at a time: the bar waits for that button's release
    if (!d_->rec.MousePressed) {
      d_->rec.SpaceDown = true;
      if (is(d_->rec.Mode, vexa::Mode::CheckButton)) {
        setValue(!d_->rec.Value);
      } else if (is(d_->rec.Mode, vexa::Mode::OptionButton)) {
        UncheckOtherOptions();
        if (!self)
          return;
        setValue(true);
      }
      if (!self)
        return;
      setState(*this, ButtonRecord::Down);
    } else {
      setState(*this, d_->rec.MouseInside ? ButtonRecord::Down : ButtonRecord::Normal);
    }
    // While the bar is down every mouse event comes to this button, so a
    // click elsewhere cannot press another control.
    captureForSpace();
    break;
  default:
    if (d_->rec.SpaceDown) {
      d_->rec.SpaceDown = false;
      storeState(*this, ButtonRecord::Normal);
    }
    break;
  }
  if (!self)
    return;
  emit KeyDown(keyCode, shift);
}

void vexabutton::handleKeyUp(qint16 keyCode, qint16 shift) {
  if (keyCode != KeySpace)
    return; // only the space bar has a key-up
  const QPointer<vexabutton> self(this);
  // A left press that the bar's capture brought here and that is still held
  // over the button (also after its menu or a lost focus let the button go):
  // its release belongs to the button under the pointer, this one, so the
  // button keeps the mouse until then (without the capture Qt would send
  // the release and the moves before it to wherever the press began).
  if (!(holdsLeftPress() && d_->rec.MouseInside))
    releaseSpaceCapture();
  if (d_->rec.MouseInside && d_->rec.MousePressed) {
    setState(*this, ButtonRecord::Down);
  } else {
    setState(*this, d_->rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal);
    if (!d_->rec.MousePressed && d_->rec.SpaceDown) {
      emit Click();
      if (!self)
        return;
      d_->qtClicked();
      if (!self)
        return;
    }
  }
  emit KeyUp(keyCode, shift);
  if (!self)
    return;
  d_->rec.SpaceDown = false;
  d_->rec.MousePressed = false;
}

void vexabutton::handleKeyPress(qint16 keyAscii) { emit KeyPress(keyAscii); }

// Whether another button holds a left press now (a focus change on the way
// does not end it).
bool vexabutton::pressHeldByAnotherButton() const {
  const auto* holder = qobject_cast<const vexabutton*>(platform::leftPressHolder());
  return holder && holder != this;
}

// Whether this button holds the left press now.
bool vexabutton::holdsLeftPress() const { return platform::leftPressHolder() == this; }

void vexabutton::captureForSpace() {
  if (QWidget::mouseGrabber() == this)
    return;
  if (QWidget* other = QWidget::mouseGrabber())
    other->releaseMouse();
  if (!isVisible())
    return;
  grabMouse();
  // A control the pointer is over sees no more of it while the capture
  // lasts: it gets its leave now instead of staying hot after the pointer
  // has gone.
  d_->takePointerFromOthers();
}

void vexabutton::releaseSpaceCapture() {
  if (QWidget::mouseGrabber() == this)
    releaseMouse();
}

// A capture that brought a left press here lasts while that press is held:
// the button keeps the mouse for the press's moves and release (without the
// capture Qt would send them to wherever the press began). The release ends
// it.
void vexabutton::releaseSpaceCaptureUnlessPressHeld() {
  if (!holdsLeftPress())
    releaseSpaceCapture();
}

// The access key, or Enter (13) / Esc (27) as the window's Default / Cancel.
void vexabutton::handleAccessKeyPress(qint16 keyAscii) {
  if (!d_->rec.Enabled)
    return;
  const QPointer<vexabutton> self(this);
  if (d_->rec.SpaceDown) {
    // The space bar holds the button down no more.
    d_->rec.SpaceDown = false;
    d_->rec.MousePressed = false;
    storeState(*this, ButtonRecord::Normal);
  }
  const bool defaultOrCancel = keyAscii == KeyEnter || keyAscii == KeyEscape;
  if (is(d_->rec.Mode, vexa::Mode::CheckButton)) {
    if (defaultOrCancel)
      return;
    setValue(!d_->rec.Value);
    if (!self)
      return;
    if (!d_->rec.Value)
      d_->rec.ButtonState = ButtonRecord::Normal;
    Redraw();
  } else if (is(d_->rec.Mode, vexa::Mode::OptionButton)) {
    if (defaultOrCancel)
      return;
    UncheckOtherOptions();
    if (!self)
      return;
    setValue(true);
    if (!self)
      return;
    Redraw();
  }
  // Let the host process what is pending first, as the classic host does.
  QCoreApplication::processEvents();
  if (!self)
    return;
  emit Click();
  if (self)
    d_->qtClicked();
}

// The focus shows at once: a host repaint only copies the surface, and some
// styles mark nothing but the focus.
void vexabutton::handleGotFocus() {
  d_->rec.HasFocus = true;
  Redraw();
}

void vexabutton::handleLostFocus() {
  d_->rec.HasFocus = false;
  d_->rec.MousePressed = false;
  d_->rec.SpaceDown = false;
  d_->rec.ButtonState = d_->rec.ParentActive && d_->rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal;
  Redraw();
  if (d_->rec.IsDefault)
    Redraw();
}

void vexabutton::hostAmbientChanged(const QString& name) {
  d_->rec.IsDefault = d_->host->ambientDisplayAsDefault(this);
  if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0 ||
      name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
    Redraw();
}

void vexabutton::hostAccessKeyPress(int keyAscii) { handleAccessKeyPress(qint16(keyAscii)); }

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

// The access key is the character after the first "&" of Caption; a doubled
// "&&" stands for a literal ampersand, and then the next "&" is looked at.
// Only these first two ampersand sites count.
void vexabutton::SetAccessKeys() {
  d_->accessKeys.clear();
  const QString& caption = d_->rec.Caption;
  const qsizetype length = caption.size();
  if (length > 1) {
    const qsizetype first = caption.indexOf(QLatin1Char('&')); // 0-based
    if (first >= 0 && first + 1 < length) {
      if (caption.at(first + 1) != QLatin1Char('&')) {
        d_->accessKeys = caption.at(first + 1).toLower();
      } else {
        const qsizetype second = caption.indexOf(QLatin1Char('&'), first + 2);
        if (second >= 0 && second + 1 < length && caption.at(second + 1) != QLatin1Char('&'))
          d_->accessKeys = caption.at(second + 1).toLower();
      }
    }
  }

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
        handleAccessKeyPress(qint16(d_->accessKeys.at(0).unicode()));
    });
    // Two buttons with one key: the key moves the focus between them.
    connect(shortcut, &QShortcut::activatedAmbiguously, this, [this] { setFocus(Qt::ShortcutFocusReason); });
  }
  shortcut->setKey(QKeySequence::mnemonic(QStringLiteral("&") + d_->accessKeys));
}

// A left click at the centre, as the window system would deliver it: the
// focus as a press gives it, then MouseDown (or the menu), Click, MouseUp.
void vexabuttonPrivate::clickAtCentre() {
  vexabutton* const button = q;
  if (!button->isEnabled())
    return;
  const QPointer<vexabutton> self(button);
  if (button->focusPolicy() & Qt::ClickFocus)
    button->setFocus(Qt::MouseFocusReason);
  if (!self)
    return;
  const float x = float(button->width()) / 2;
  const float y = float(button->height()) / 2;
  platform::claimLeftPress(button); // the release below ends this press
  button->handleMouseDown(1, 0, x, y);
  if (!self)
    return;
  button->handleMouseUp(1, 0, x, y);
}
