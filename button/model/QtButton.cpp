// SPDX-License-Identifier: MIT
// The control as a QAbstractButton: Qt's view of its state and Qt's signals.
//
// The record is the one state. At the end of every change (ChangeSignals)
// QAbstractButton's text, checkable and checked state are set from Caption,
// Mode and Value, so toggled() follows ValueChanged(); a checked state Qt
// sets itself (an exclusive QButtonGroup unchecking a button, a caller
// through a QAbstractButton*) comes back as Value through checkStateSet().
//
// The input steps raise the control's events; after each step Qt's down
// state follows the button's, with pressed() and released(), and every
// Click is followed by clicked(). For a left click on a check button:
//
//   MouseDown, pressed, ValueChanged, toggled, Click, released, clicked, MouseUp
//
// A click without a press of its own (Enter, the access key, an assistive
// technology's action) emits pressed and released just before clicked, as
// QAbstractButton::click() does. A QButtonGroup hears of each as it would
// from a QPushButton.

#include "button/model/vexabutton_p.h"

#include <QButtonGroup>

namespace {

bool checks(qint32 mode) { return vexa::is(mode, vexa::Mode::CheckButton) || vexa::is(mode, vexa::Mode::OptionButton); }

// Emits the button's `signal`, then its group's by id and by button, as
// QAbstractButton does; a handler may delete the button or take it out of
// the group.
template <typename... Args>
void emitWithGroup(vexabutton& button, void (QAbstractButton::*signal)(Args...), void (QButtonGroup::*byId)(int),
                   void (QButtonGroup::*byButton)(QAbstractButton*), Args... args) {
  const QPointer<vexabutton> alive(&button);
  Q_EMIT(button.*signal)(args...);
  if (QButtonGroup* group = alive ? button.group() : nullptr) {
    Q_EMIT(group->*byId)(group->id(&button));
    if (alive && button.group() == group)
      Q_EMIT(group->*byButton)(&button);
  }
}

void emitPressed(vexabutton& button) {
  emitWithGroup(button, &QAbstractButton::pressed, &QButtonGroup::idPressed, &QButtonGroup::buttonPressed);
}

void emitReleased(vexabutton& button) {
  emitWithGroup(button, &QAbstractButton::released, &QButtonGroup::idReleased, &QButtonGroup::buttonReleased);
}

void emitClicked(vexabutton& button) {
  emitWithGroup(button, &QAbstractButton::clicked, &QButtonGroup::idClicked, &QButtonGroup::buttonClicked,
                button.isChecked());
}

} // namespace

void vexabuttonPrivate::showStateToQt() {
  QAbstractButton& qt = *q;
  const bool checkable = checks(rec.Mode);
  if (qt.isCheckable() != checkable)
    qt.QAbstractButton::setCheckable(checkable);
  if (qt.QAbstractButton::text() != rec.Caption) {
    qt.QAbstractButton::setText(rec.Caption);
    // The control binds its access key itself (SetAccessKeys): Qt's
    // shortcut for the mnemonic would press the button a second time.
    qt.QAbstractButton::setShortcut(QKeySequence());
  }
  if (checkable && qt.isChecked() != rec.Value) {
    const QPointer<vexabutton> alive(q);
    showingStateToQt = true;
    qt.QAbstractButton::setChecked(rec.Value); // emits toggled; may uncheck the group's other button
    if (alive)
      showingStateToQt = false;
  }
}

void vexabutton::checkStateSet() {
  if (d_->showingStateToQt || !checks(d_->rec.Mode) || isChecked() == d_->rec.Value)
    return;
  if (isChecked() && vexa::is(d_->rec.Mode, vexa::Mode::OptionButton)) {
    const QPointer<vexabutton> alive(this);
    UncheckOtherOptions();
    if (!alive)
      return;
  }
  setValue(isChecked());
}

void vexabutton::nextCheckState() {
  const QPointer<vexabutton> alive(this);
  if (vexa::is(d_->rec.Mode, vexa::Mode::CheckButton)) {
    setValue(!d_->rec.Value);
  } else if (vexa::is(d_->rec.Mode, vexa::Mode::OptionButton)) {
    UncheckOtherOptions();
    if (alive)
      setValue(true);
  }
  if (alive)
    Q_EMIT Click();
}

// Down for Qt is a press that holds the button down: the left button over
// it, or the space bar. A check button shown down by its Value is not.
void vexabuttonPrivate::followQtDown() {
  const bool down = rec.ButtonState == ButtonRecord::Down && (rec.MousePressed || rec.SpaceDown) && !rec.PopupMenuSet &&
                    q->isEnabled();
  if (down == q->isDown())
    return;
  q->setDown(down);
  if (down)
    emitPressed(*q);
  else
    emitReleased(*q);
}

void vexabuttonPrivate::qtClicked() {
  const QPointer<vexabutton> alive(q);
  if (!q->isDown())
    emitPressed(*q);
  if (alive)
    q->setDown(false);
  if (alive)
    emitReleased(*q);
  if (alive)
    emitClicked(*q);
}

void vexabutton::setCheckable(bool checkable) {
  if (checkable == checks(d_->rec.Mode))
    return;
  setMode(checkable ? CheckButton : PushButton);
}

bool vexabutton::autoExclusive() const { return vexa::is(d_->rec.Mode, vexa::Mode::OptionButton); }

void vexabutton::setAutoExclusive(bool exclusive) {
  if (exclusive)
    setMode(OptionButton);
  else if (autoExclusive())
    setMode(CheckButton);
}

QIcon vexabutton::icon() const {
  const QPixmap pixmap = pictureNormal();
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

void vexabutton::setIcon(const QIcon& icon) {
  setPictureNormal(icon.isNull() ? QPixmap() : icon.pixmap(iconSize(), devicePixelRatioF()));
}

QKeySequence vexabutton::shortcut() const {
  return d_->accessKeys.isEmpty() ? QKeySequence() : QKeySequence::mnemonic(QStringLiteral("&") + d_->accessKeys);
}
