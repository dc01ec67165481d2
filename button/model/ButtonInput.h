// SPDX-License-Identifier: MIT
#pragma once

// The input rules of the control: what a press, a move, a key, the access
// key or a focus change does to the record and which events it raises, in
// which order. One set of rules serves every face of the control (the
// widget, the Qt Quick item); a face turns its toolkit's events into these
// calls and lends the rules what only it can do through InputFace.

#include "button/model/ButtonRecord.h"

#include <QPoint>
#include <QSizeF>
#include <Qt>

class QObject;

namespace vexa {

// The control's ten events, raised through InputFace::raise.
struct InputEvent {
  enum Kind { Click, DblClick, MouseEnter, MouseLeave, MouseMove, MouseUp, MouseDown, KeyDown, KeyUp, KeyPress };
  Kind kind;
  qint16 button = 0; // mouse events: the buttons (1 left, 2 right, 4 middle)
  qint16 shift = 0;  // mouse and key events: 1 Shift, 2 Ctrl, 4 Alt
  float x = 0;       // mouse events: from the top-left corner, in pixels
  float y = 0;
  qint16 key = 0; // KeyDown, KeyUp: the virtual-key code; KeyPress: the character
};

// What the rules need of the face that received the input.
class InputFace {
public:
  // The object whose destruction ends the face: the rules stop touching the
  // face once a handler has destroyed it.
  virtual QObject* object() = 0;
  virtual ButtonRecord& record() = 0;
  // Draws what a Redraw left pending while the control could not draw, so
  // that the record is as that Redraw leaves it.
  virtual void settle() = 0;
  virtual void redraw() = 0;
  virtual QSizeF size() const = 0;

  // Raises the event. Click is followed by the toolkit's own clicked
  // signal. A handler may destroy the face.
  virtual void raise(const InputEvent& event) = 0;

  // Whether a point reported by the toolkit, from the top-left corner, is
  // on the control (not on a child of it, inside its shape).
  virtual bool isOn(QPoint at) const = 0;
  // A move over the control: the pointer's leave is to be reported once.
  virtual void pointerIsOver(QPoint at) = 0;
  // Whether the pointer arrived since the last move that made the control
  // hot (a new visit), and forgets it.
  virtual bool takeNewVisit() = 0;
  // The pointer shape the HandPointer setting asks for.
  virtual void updatePointerShape() = 0;

  virtual void setValue(bool value) = 0;
  // Clears Value of the option buttons that exclude this one.
  virtual void uncheckOtherOptions() = 0;
  virtual void showTooltip() = 0;
  // Opens the attached menu and returns once it has closed (may destroy the face).
  virtual void openMenu() = 0;
  // Moves the keyboard focus to the next or previous control, after the
  // key now handled.
  virtual void moveFocus(bool next) = 0;

  // The left press and the mouse capture the space bar holds until its
  // key-up. endLeftPress ends the press and tells whether it began here.
  virtual bool endLeftPress() = 0;
  virtual bool holdsLeftPress() const = 0;
  virtual bool pressHeldByAnother() const = 0;
  virtual void captureForSpace() = 0;
  virtual void releaseSpaceCapture() = 0;

protected:
  ~InputFace() = default;
};

namespace input {

// The codes of the control's events for a toolkit's buttons, modifiers and keys.
qint16 buttonCode(Qt::MouseButton button);
qint16 buttonsCode(Qt::MouseButtons buttons);
qint16 shiftCode(Qt::KeyboardModifiers modifiers);
// The classic virtual-key code of a Qt key (0 for a key without one).
qint16 virtualKeyCode(int key, Qt::KeyboardModifiers modifiers);
// Whether a key typing `text` with `modifiers` gives a KeyPress: Alt with a
// key (without AltGr's Ctrl) is a system key and types no character.
bool typesCharacter(const QString& text, Qt::KeyboardModifiers modifiers);

// The handlers. Each may raise events whose handlers destroy the face.
void mouseDown(InputFace& face, qint16 button, qint16 shift, float x, float y);
void mouseMove(InputFace& face, qint16 button, qint16 shift, float x, float y);
void mouseUp(InputFace& face, qint16 button, qint16 shift, float x, float y);
void dblClick(InputFace& face);
void keyDown(InputFace& face, qint16 keyCode, qint16 shift);
void keyUp(InputFace& face, qint16 keyCode, qint16 shift);
void keyPress(InputFace& face, qint16 keyAscii);
// The access key, or Enter (13) / Esc (27) as the window's Default / Cancel.
void accessKey(InputFace& face, qint16 keyAscii);
void gotFocus(InputFace& face);
void lostFocus(InputFace& face);
// The pointer has left: the record lets go of it. Returns whether MouseLeave
// is due (not for the leave the control's own open menu causes, nor while
// the space bar holds the control); the face raises it.
bool pointerLeft(InputFace& face);
// The control's window was activated or deactivated.
void activationChanged(InputFace& face, bool active);
// The control can no longer take input: a press in progress is dropped and
// it follows the pointer no more. Returns whether the record changed.
bool inputDisabled(InputFace& face);
// A left click at the centre, as the window system would deliver it after
// the focus a press gives: MouseDown (or the menu), Click, MouseUp.
void clickAtCentre(InputFace& face);

} // namespace input

// The access key of a caption: the character after the first "&" (a doubled
// "&&" is a literal ampersand, and then the next "&" counts), in lower case;
// empty without one.
QString accessKeyOf(const QString& caption);

} // namespace vexa
