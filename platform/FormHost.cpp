// SPDX-License-Identifier: MIT
// The hosting half of Form: ambient values, the extender, the Default and
// Cancel keys and the default look that follows the focus.
//
// Enter and Esc are the window's keys: Enter presses the Default control
// (hostAccessKeyPress(13)) unless the focus is on a control that takes Enter
// itself; Esc presses the Cancel control (27). The form watches the keys from
// the application's event filter, so they reach it from any child widget;
// keys that go to an open drop-down list or another window are left alone.
//
// DisplayAsDefault: a focused control that takes Enter itself shows the
// default look; otherwise the Default control does. Each control whose
// DisplayAsDefault changes is told (hostAmbientChanged("DisplayAsDefault")).

#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>

namespace platform {

namespace {

HostedControl* hosted(QWidget* widget) { return dynamic_cast<HostedControl*>(widget); }

bool takesEnter(QWidget* widget) {
  const HostedControl* control = hosted(widget);
  return control && control->hostWantsEnter();
}

// The form sees every key through the application's event filter; installing
// it again only moves it to the front.
void watchKeysAndFocus(Form* form) {
  if (qApp)
    qApp->installEventFilter(form);
}

} // namespace

void Form::registerControl(QWidget* control, const QString& name) {
  forgetWhenDestroyed(control);
  names_.insert(control, name);
  watchKeysAndFocus(this);
}

// A control's name and extender go with the control, so a later widget that
// happens to get the same address never inherits them.
void Form::forgetWhenDestroyed(const QWidget* control) {
  if (!control || names_.contains(control) || extenders_.contains(control))
    return;
  connect(control, &QObject::destroyed, this, [this, control] {
    names_.remove(control);
    extenders_.remove(control);
  });
}

QString Form::ambientDisplayName(const QWidget* control) const { return names_.value(control); }

SharedFontPtr Form::ambientFont() const { return font_ ? font_ : std::make_shared<SharedFont>(); }

bool Form::ambientDisplayAsDefault(const QWidget* control) const { return control && control == displayedDefault_; }

Extender& Form::extender(const QWidget* control) {
  forgetWhenDestroyed(control);
  watchKeysAndFocus(this);
  return extenders_[control];
}

void Form::propertyChanged(const QWidget*, const QString&) {}

namespace {

// The first visible control of the form (in child order) whose extender has
// the flag; nullptr when there is none.
QWidget* flaggedControl(const Form* form, const QHash<const QWidget*, Extender>& extenders, bool Extender::*flag) {
  QWidget* found = nullptr;
  int foundOrder = -1;
  const QList<QWidget*> children = form->findChildren<QWidget*>();
  for (auto it = extenders.cbegin(); it != extenders.cend(); ++it) {
    if (!(it.value().*flag))
      continue;
    QWidget* control = const_cast<QWidget*>(it.key());
    const int order = int(children.indexOf(control));
    if (order < 0 || !control->isVisibleTo(const_cast<Form*>(form)))
      continue;
    if (!found || order < foundOrder) {
      found = control;
      foundOrder = order;
    }
  }
  return found;
}

} // namespace

bool Form::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::Show)
    return false;
  if (!watched->isWidgetType())
    return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this)
    return false;

  if (type != QEvent::KeyPress) {
    // The default look follows the focus.
    if (type != QEvent::Show || widget == this)
      notifyDisplayAsDefault();
    return false;
  }

  auto* key = static_cast<QKeyEvent*>(event);
  const int code = key->key();
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
  const bool escape = code == Qt::Key_Escape;
  // Alt+F4 closes the window as its close box does. A window manager keeps
  // the keystroke for itself; without one (a kiosk, a virtual display) the
  // window still closes with it.
  const bool closeKey = code == Qt::Key_F4 && modifiers == Qt::AltModifier;
  if (!enter && !escape && !closeKey)
    return false;
  if (modifiers != Qt::NoModifier && !closeKey)
    return false;
  // An open drop-down list (or any popup) keeps its own Enter and Esc.
  if (QApplication::activePopupWidget())
    return false;
  // Only at the first delivery, to the focus widget; the key then travels up
  // the parents and passes here again.
  QWidget* focus = focusWidget();
  if (widget != (focus ? focus : this))
    return false;
  if (closeKey) {
    close();
    return true;
  }
  if (enter && takesEnter(focus))
    return false;

  QWidget* target = flaggedControl(this, extenders_, enter ? &Extender::Default : &Extender::Cancel);
  HostedControl* control = hosted(target);
  if (!control)
    return false;
  control->hostAccessKeyPress(enter ? 13 : 27);
  return true;
}

void Form::notifyDisplayAsDefault() {
  QWidget* focus = focusWidget();
  QWidget* shown = takesEnter(focus) ? focus : flaggedControl(this, extenders_, &Extender::Default);
  if (shown == displayedDefault_)
    return;
  const QPointer<QWidget> before = displayedDefault_;
  displayedDefault_ = shown;
  const QPointer<QWidget> after = shown;
  if (HostedControl* control = hosted(before))
    control->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
  if (HostedControl* control = hosted(after))
    control->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
}

} // namespace platform
