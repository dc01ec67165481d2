// SPDX-License-Identifier: MIT
// The input state machine: what the control does with mouse presses,
// pointer movement, keys, access keys and focus changes, and in which order
// it raises its events. Every face of the control (the widget, the Qt Quick
// item) hands its toolkit's events to these rules.
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
//   any   | window activated or deactivated                       | Normal
//   any   | disabled (itself or through a container)              | Normal, not MouseInside; press and
//         |                                                       | space press dropped
//
// Redraw stores Down whenever a check or option button of most styles is
// held down by its Value, so such a button stays Down through every row.
//
// Events raise the window's handlers synchronously. A handler may open a
// modal box, hide the window, change properties or destroy the control, so
// after each event the rules check that the face still exists before
// touching it again.

#include "button/model/ButtonInput.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

namespace vexa {
namespace {

constexpr qint16 LeftButton = MouseButton::Left;
constexpr qint16 RightButton = MouseButton::Right;
constexpr qint16 MiddleButton = MouseButton::Middle;
constexpr qint16 AltMask = ShiftMask::Alt;
constexpr qint16 KeyEnter = KeyCode::Enter;
constexpr qint16 KeyEscape = KeyCode::Escape;
constexpr qint16 KeySpace = KeyCode::Space;

// Whether the face is still there after an event.
class Alive {
public:
  explicit Alive(InputFace& face) : object_(face.object()) {}
  explicit operator bool() const { return !object_.isNull(); }

private:
  QPointer<QObject> object_;
};

// Common step "set state S": repaint only on a change.
void setState(InputFace& face, qint32 state) {
  face.settle();
  ButtonRecord& rec = face.record();
  if (rec.ButtonState == state)
    return;
  rec.ButtonState = state;
  face.redraw();
}

// "Store S and Redraw": repaint even when the state was S already.
void storeState(InputFace& face, qint32 state) {
  face.settle();
  face.record().ButtonState = state;
  face.redraw();
}

void raise(InputFace& face, InputEvent::Kind kind) { face.raise(InputEvent{kind}); }
void raiseMouse(InputFace& face, InputEvent::Kind kind, qint16 button, qint16 shift, float x, float y) {
  face.raise(InputEvent{kind, button, shift, x, y});
}
void raiseKey(InputFace& face, InputEvent::Kind kind, qint16 key, qint16 shift) {
  InputEvent event{kind};
  event.key = key;
  event.shift = shift;
  face.raise(event);
}

// A press or a key that checks: a check button's Value turns over, an option
// button's is set after the others of its group are cleared. Returns whether
// the face is still there.
bool checkByMode(InputFace& face) {
  const Alive alive(face);
  ButtonRecord& rec = face.record();
  if (is(rec.Mode, Mode::CheckButton)) {
    face.setValue(!rec.Value);
  } else if (is(rec.Mode, Mode::OptionButton)) {
    face.uncheckOtherOptions();
    if (!alive)
      return false;
    face.setValue(true);
  }
  return bool(alive);
}

void releaseSpaceCaptureUnlessPressHeld(InputFace& face) {
  if (!face.holdsLeftPress())
    face.releaseSpaceCapture();
}

} // namespace

// ---- Toolkit codes -----------------------------------------------------------

namespace input {

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

bool typesCharacter(const QString& text, Qt::KeyboardModifiers modifiers) {
  const bool systemKey = (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
  return !text.isEmpty() && !systemKey;
}

// ---- Handlers ----------------------------------------------------------------

void mouseDown(InputFace& face, qint16 button, qint16 shift, float x, float y) {
  ButtonRecord& rec = face.record();
  rec.LastButton = button;
  rec.LastShift = shift;
  rec.LastX = x;
  rec.LastY = y;
  face.updatePointerShape();
  if (button != LeftButton && !rec.MenuJustClosed)
    return; // other buttons neither press the button nor raise MouseDown
  rec.HasFocus = true;
  rec.MousePressed = true;
  if (!rec.SpaceDown)
    setState(face, ButtonRecord::Down);
  if (!rec.PopupMenuSet)
    raiseMouse(face, InputEvent::MouseDown, button, shift, x, y);
  else if (!rec.MenuJustClosed)
    face.openMenu();
}

void mouseMove(InputFace& face, qint16 button, qint16 shift, float x, float y) {
  const Alive alive(face);
  face.updatePointerShape();
  // Where the move found the pointer: on the control itself, or beside it
  // or over a child of it (a press keeps the moves coming here).
  const QPoint at = QPointF(x, y).toPoint();
  bool newVisit = false; // the first move since the pointer arrived
  if (face.isOn(at)) {
    newVisit = face.takeNewVisit();
    face.record().MouseInside = true;
    face.pointerIsOver(at);
    raise(face, InputEvent::MouseEnter); // on every movement over the button, before MouseMove
    if (!alive)
      return;
  } else {
    face.record().MouseInside = false;
  }
  ButtonRecord& rec = face.record();
  if (rec.SpaceDown)
    return;
  if (rec.MouseInside) {
    if (rec.MousePressed) {
      setState(face, ButtonRecord::Down);
    } else if (rec.ButtonState != ButtonRecord::Hot || newVisit) {
      storeState(face, ButtonRecord::Hot);
      // A button held down by its Value comes back Down from Redraw: no tooltip.
      if (face.record().ButtonState != ButtonRecord::Down)
        face.showTooltip();
    }
  } else {
    setState(face, ButtonRecord::Normal);
  }
  raiseMouse(face, InputEvent::MouseMove, button, shift, x, y);
}

void mouseUp(InputFace& face, qint16 button, qint16 shift, float x, float y) {
  const Alive alive(face);
  face.updatePointerShape();
  ButtonRecord& rec = face.record();
  if (button == LeftButton && !rec.SpaceDown)
    face.releaseSpaceCapture(); // kept for this release when the bar came up first
  if (rec.PopupMenuSet) {
    if (button == LeftButton)
      face.endLeftPress();
    rec.MousePressed = false;
    rec.MenuJustClosed = false;
    storeState(face, ButtonRecord::Normal);
    return;
  }
  if (button == LeftButton) {
    rec.MousePressed = false;
    // A release whose press went elsewhere (to a window that had the mouse
    // then, or before this button existed) clicks nothing.
    const bool ownPress = face.endLeftPress();
    // Inside only; the left and top edges count as outside.
    const QSizeF size = face.size();
    if (ownPress && x > 0 && y > 0 && x < float(size.width()) && y < float(size.height())) {
      if (!checkByMode(face))
        return;
      storeState(face, ButtonRecord::Normal);
      raise(face, InputEvent::Click);
      if (!alive)
        return;
    } else if (!rec.SpaceDown) {
      // On the left or top edge the pointer is still over the button: no
      // Click, but the button is let go all the same.
      setState(face, rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal);
    }
  }
  raiseMouse(face, InputEvent::MouseUp, button, shift, x, y);
}

void dblClick(InputFace& face) {
  const Alive alive(face);
  face.updatePointerShape();
  const ButtonRecord& rec = face.record();
  if (rec.LastButton != LeftButton)
    return;
  // The mouse is already held for the button (the double click is a press).
  storeState(face, ButtonRecord::Down);
  mouseDown(face, rec.LastButton, rec.LastShift, rec.LastX, rec.LastY);
  if (!alive)
    return;
  if (!face.record().PopupMenuSet)
    raise(face, InputEvent::DblClick);
  else if (!face.record().MenuJustClosed)
    face.openMenu();
}

void keyDown(InputFace& face, qint16 keyCode, qint16 shift) {
  const Alive alive(face);
  ButtonRecord& rec = face.record();
  switch (keyCode) {
  case KeyEnter:
    raise(face, InputEvent::Click); // Value is not changed in any mode
    break;
  case KeyCode::Left:
  case KeyCode::Up:
    face.moveFocus(false);
    break;
  case KeyCode::Right:
  case KeyCode::Down:
    face.moveFocus(true);
    break;
  case KeySpace:
    if (shift == AltMask)
      return; // Alt+Space belongs to the window's system menu
    if (face.pressHeldByAnother())
      break; // one press at a time: the bar waits for that button's release
    if (!rec.MousePressed) {
      rec.SpaceDown = true;
      if (!checkByMode(face))
        return;
      setState(face, ButtonRecord::Down);
    } else {
      setState(face, rec.MouseInside ? ButtonRecord::Down : ButtonRecord::Normal);
    }
    // While the bar is down every mouse event comes to this button, so a
    // click elsewhere cannot press another control.
    face.captureForSpace();
    break;
  default:
    if (rec.SpaceDown) {
      rec.SpaceDown = false;
      storeState(face, ButtonRecord::Normal);
    }
    break;
  }
  if (!alive)
    return;
  raiseKey(face, InputEvent::KeyDown, keyCode, shift);
}

void keyUp(InputFace& face, qint16 keyCode, qint16 shift) {
  if (keyCode != KeySpace)
    return; // only the space bar has a key-up
  const Alive alive(face);
  ButtonRecord& rec = face.record();
  // A left press that the bar's capture brought here and that is still held
  // over the button (also after its menu or a lost focus let the button go):
  // its release belongs to the button under the pointer, this one, so the
  // button keeps the mouse until then (without the capture the toolkit
  // would send the release and the moves before it to wherever the press
  // began).
  if (!(face.holdsLeftPress() && rec.MouseInside))
    face.releaseSpaceCapture();
  if (rec.MouseInside && rec.MousePressed) {
    setState(face, ButtonRecord::Down);
  } else {
    setState(face, rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal);
    if (!rec.MousePressed && rec.SpaceDown) {
      raise(face, InputEvent::Click);
      if (!alive)
        return;
    }
  }
  raiseKey(face, InputEvent::KeyUp, keyCode, shift);
  if (!alive)
    return;
  face.record().SpaceDown = false;
  face.record().MousePressed = false;
}

void keyPress(InputFace& face, qint16 keyAscii) { raiseKey(face, InputEvent::KeyPress, keyAscii, 0); }

void accessKey(InputFace& face, qint16 keyAscii) {
  ButtonRecord& rec = face.record();
  if (!rec.Enabled)
    return;
  const Alive alive(face);
  if (rec.SpaceDown) {
    // The space bar holds the button down no more.
    rec.SpaceDown = false;
    rec.MousePressed = false;
    storeState(face, ButtonRecord::Normal);
  }
  const bool defaultOrCancel = keyAscii == KeyEnter || keyAscii == KeyEscape;
  if (is(rec.Mode, Mode::CheckButton)) {
    if (defaultOrCancel)
      return;
    face.setValue(!rec.Value);
    if (!alive)
      return;
    if (!face.record().Value)
      face.record().ButtonState = ButtonRecord::Normal;
    face.redraw();
  } else if (is(rec.Mode, Mode::OptionButton)) {
    if (defaultOrCancel)
      return;
    face.uncheckOtherOptions();
    if (!alive)
      return;
    face.setValue(true);
    if (!alive)
      return;
    face.redraw();
  }
  // Let the host process what is pending first, as the classic host does.
  QCoreApplication::processEvents();
  if (!alive)
    return;
  raise(face, InputEvent::Click);
}

// The focus shows at once: a host repaint only copies the surface, and some
// styles mark nothing but the focus.
void gotFocus(InputFace& face) {
  face.record().HasFocus = true;
  face.redraw();
}

void lostFocus(InputFace& face) {
  ButtonRecord& rec = face.record();
  rec.HasFocus = false;
  rec.MousePressed = false;
  rec.SpaceDown = false;
  rec.ButtonState = rec.ParentActive && rec.MouseInside ? ButtonRecord::Hot : ButtonRecord::Normal;
  face.redraw();
  if (face.record().IsDefault)
    face.redraw();
}

bool pointerLeft(InputFace& face) {
  ButtonRecord& rec = face.record();
  rec.MouseInside = false;
  if (rec.PopupMenuSet) {
    if (rec.PopupMenuShowing) {
      // The leave that the open menu causes: keep the look, no event.
      rec.PopupMenuShowing = false;
      rec.MenuJustClosed = true;
      return false;
    }
    rec.MenuJustClosed = false;
  }
  if (rec.SpaceDown)
    return false;
  if (rec.ButtonState != ButtonRecord::Normal) {
    rec.ButtonState = ButtonRecord::Normal;
    face.redraw();
  }
  return true;
}

void activationChanged(InputFace& face, bool active) {
  ButtonRecord& rec = face.record();
  if (active) {
    rec.ParentActive = true;
  } else {
    releaseSpaceCaptureUnlessPressHeld(face);
    rec.MousePressed = false;
    rec.SpaceDown = false;
    rec.HasFocus = false;
    rec.ParentActive = false;
  }
  rec.ButtonState = ButtonRecord::Normal;
  face.redraw();
}

bool inputDisabled(InputFace& face) {
  ButtonRecord& rec = face.record();
  const bool dropped = rec.MousePressed || rec.SpaceDown || rec.ButtonState != ButtonRecord::Normal;
  face.releaseSpaceCapture();
  rec.MousePressed = false;
  rec.SpaceDown = false;
  rec.ButtonState = ButtonRecord::Normal;
  // A disabled control follows the pointer no more (no move or leave
  // reaches it): the next move after it is enabled again says where it is.
  rec.MouseInside = false;
  return dropped;
}

void clickAtCentre(InputFace& face) {
  const Alive alive(face);
  const QSizeF size = face.size();
  const float x = float(size.width()) / 2;
  const float y = float(size.height()) / 2;
  mouseDown(face, LeftButton, 0, x, y);
  if (!alive)
    return;
  mouseUp(face, LeftButton, 0, x, y);
}

} // namespace input

// The access key is the character after the first "&" of Caption; a doubled
// "&&" stands for a literal ampersand, and then the next "&" is looked at.
// Only these first two ampersand sites count.
QString accessKeyOf(const QString& caption) {
  const qsizetype length = caption.size();
  if (length <= 1)
    return {};
  const qsizetype first = caption.indexOf(QLatin1Char('&')); // 0-based
  if (first < 0 || first + 1 >= length)
    return {};
  if (caption.at(first + 1) != QLatin1Char('&'))
    return caption.at(first + 1).toLower();
  const qsizetype second = caption.indexOf(QLatin1Char('&'), first + 2);
  if (second >= 0 && second + 1 < length && caption.at(second + 1) != QLatin1Char('&'))
    return caption.at(second + 1).toLower();
  return {};
}

} // namespace vexa
