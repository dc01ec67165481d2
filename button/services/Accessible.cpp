// SPDX-License-Identifier: MIT
// What the button tells assistive technology (screen readers, switch access):
// its role by Mode, its caption as the name, the ToolTip as the description,
// its states, its access key, and actions that press it as a click does.
// Changes of name, description and state are announced as they happen.

#include "button/services/Accessible.h"

#include "button/model/vexabutton_p.h"
#include "platform/AccessibilityBus.h"
#include "platform/Later.h"
#include "platform/Pointer.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>

namespace {

bool toggles(const ButtonRecord& rec) {
  return vexa::is(rec.Mode, vexa::Mode::CheckButton) || vexa::is(rec.Mode, vexa::Mode::OptionButton);
}

// The states the button adds to those of any widget (focusable, focused,
// disabled, invisible come from the widget itself, which also announces
// their changes).
QAccessible::State buttonStates(const vexabutton& button) {
  const ButtonRecord& rec = liveRecord(button);
  QAccessible::State state;
  state.checkable = toggles(rec);
  state.checked = toggles(rec) && rec.Value;
  // A check or option button held down by its Value looks Down without
  // being pressed; a press on it is still a press.
  state.pressed = rec.ButtonState == ButtonRecord::Down && (rec.MousePressed || rec.SpaceDown || !state.checked);
  // The button Enter presses now: the window's Default button, or a focused
  // button that takes Enter itself.
  state.defaultButton = rec.IsDefault;
  state.hasPopup = rec.PopupMenuSet;
  return state;
}

// The bits of `a` and `b` that differ, among those buttonStates sets.
QAccessible::State changedStates(const QAccessible::State& a, const QAccessible::State& b) {
  QAccessible::State changed;
  changed.checkable = a.checkable != b.checkable;
  changed.checked = a.checked != b.checked;
  changed.pressed = a.pressed != b.pressed;
  changed.defaultButton = a.defaultButton != b.defaultButton;
  changed.hasPopup = a.hasPopup != b.hasPopup;
  return changed;
}

} // namespace

class vexabuttonAccessible : public QAccessibleWidget {
public:
  explicit vexabuttonAccessible(vexabutton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  vexabutton* button() const { return static_cast<vexabutton*>(widget()); }

  QAccessible::Role role() const override {
    switch (button()->Mode()) {
    case qint32(vexa::Mode::CheckButton):
      return QAccessible::CheckBox;
    case qint32(vexa::Mode::OptionButton):
      return QAccessible::RadioButton;
    default:
      return QAccessible::Button;
    }
  }

  QString text(QAccessible::Text t) const override {
    switch (t) {
    case QAccessible::Name:
      return button()->accessibleName().isEmpty() ? vexa::captionWithoutAccessKey(button()->Caption())
                                                  : button()->accessibleName();
    case QAccessible::Description:
      return button()->accessibleDescription().isEmpty() ? button()->ToolTip() : button()->accessibleDescription();
    case QAccessible::Accelerator:
      return accessKey();
    default:
      return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const QAccessible::State own = buttonStates(*button());
    state.checkable = own.checkable;
    state.checked = own.checked;
    state.pressed = own.pressed;
    state.defaultButton = own.defaultButton;
    state.hasPopup = own.hasPopup;
    return state;
  }

  // Press, toggle (check and option buttons) and show menu (a menu is
  // attached) all click the button; then the widget's own actions.
  QStringList actionNames() const override {
    QStringList names{pressAction()};
    if (toggles(liveRecord(*button())))
      names << toggleAction();
    if (liveRecord(*button()).PopupMenuSet)
      names << showMenuAction();
    for (const QString& name : QAccessibleWidget::actionNames())
      if (!names.contains(name))
        names << name;
    return names;
  }

  // The click comes from the event loop, as a mouse click would: the caller
  // (a screen reader waiting for its answer) is not held while a handler
  // runs a modal message box or the menu is open.
  void doAction(const QString& name) override {
    if (!isClick(name)) {
      QAccessibleWidget::doAction(name);
      return;
    }
    platform::later(button(), [](vexabutton* target) { target->clickForAssistiveTechnology(); });
  }

  QStringList keyBindingsForAction(const QString& name) const override {
    if (isClick(name) && !accessKey().isEmpty())
      return {accessKey()};
    return QAccessibleWidget::keyBindingsForAction(name);
  }

private:
  static bool isClick(const QString& name) {
    return name == pressAction() || name == toggleAction() || name == showMenuAction();
  }

  // "Alt+P" for the access key p; empty without one.
  QString accessKey() const {
    const QString key = button()->AccessKeys();
    if (key.isEmpty())
      return {};
    return QKeySequence::mnemonic(QStringLiteral("&") + key).toString(QKeySequence::PortableText);
  }
};

namespace vexa {

QString captionWithoutAccessKey(const QString& caption) {
  QString name;
  name.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&')) {
      // "&x" is x, "&&" one ampersand, a last lone "&" nothing, as drawn.
      if (++i >= caption.size())
        break;
    }
    name.append(caption.at(i));
  }
  return name;
}

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("vexabutton") && object && object->isWidgetType())
    return new vexabuttonAccessible(static_cast<vexabutton*>(object));
  return nullptr;
}

// Qt keeps a factory once, however often it is installed.
void installAccessibleFactory() { QAccessible::installFactory(&accessibleFactory); }

} // namespace vexa

// A left click at the centre, as the window system would deliver it: the
// focus as a press gives it, then MouseDown (or the menu), Click, MouseUp.
void vexabutton::clickForAssistiveTechnology() {
  if (!isEnabled())
    return;
  const QPointer<vexabutton> self(this);
  if (focusPolicy() & Qt::ClickFocus)
    setFocus(Qt::MouseFocusReason);
  if (!self)
    return;
  const float x = float(width()) / 2;
  const float y = float(height()) / 2;
  platform::claimLeftPress(this); // the release below ends this press
  handleMouseDown(1, 0, x, y);
  if (!self)
    return;
  handleMouseUp(1, 0, x, y);
}

// Called after every repaint and menu change: tells assistive technology
// what changed since the last call.
void vexabutton::announceAccessibleChanges() {
  if (d_->rec.Caption != d_->announcedCaption) {
    d_->announcedCaption = d_->rec.Caption;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (d_->rec.ToolTip != d_->announcedToolTip) {
    d_->announcedToolTip = d_->rec.ToolTip;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  const QAccessible::State now = buttonStates(*this);
  const QAccessible::State changed = changedStates(d_->announcedState, now);
  d_->announcedState = now;
  if (changed.checkable || changed.checked || changed.pressed || changed.defaultButton || changed.hasPopup) {
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    // The default look follows the focus: each button that gains or loses
    // it says so, or a screen reader names a stale default.
    platform::announceStateChange(this, changed, now);
  }
}
