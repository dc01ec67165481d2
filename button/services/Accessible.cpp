// SPDX-License-Identifier: MIT
// What the button tells assistive technology (screen readers, switch access):
// its role by Mode, its caption as the name, the ToolTip as the description,
// its states, its access key, and actions that press it as a click does.
// Changes of name, description and state are announced as they happen.

#include "button/model/ButtonServices.h"
#include "platform/AccessibilityBus.h"
#include "platform/Later.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

namespace {

// The caption as it reads: "&x" is x, "&&" is one ampersand.
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

bool toggles(const ButtonRecord& rec) {
  return vexa::is(rec.Mode, vexa::Mode::CheckButton) || vexa::is(rec.Mode, vexa::Mode::OptionButton);
}

// The states the button adds to those of any widget (focusable, focused,
// disabled, invisible come from the widget itself, which also announces
// their changes).
QAccessible::State buttonStates(const ButtonRecord& rec) {
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

class vexabuttonAccessible : public QAccessibleWidget {
public:
  vexabuttonAccessible(QWidget* button, vexa::ButtonSide& side)
      : QAccessibleWidget(button, QAccessible::Button), side_(side) {}

  const ButtonRecord& record() const { return side_.currentRecord(); }

  QAccessible::Role role() const override {
    switch (record().Mode) {
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
      return widget()->accessibleName().isEmpty() ? captionWithoutAccessKey(record().Caption)
                                                  : widget()->accessibleName();
    case QAccessible::Description:
      return widget()->accessibleDescription().isEmpty() ? record().ToolTip : widget()->accessibleDescription();
    case QAccessible::Accelerator:
      return accessKey();
    default:
      return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const QAccessible::State own = buttonStates(record());
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
    if (toggles(record()))
      names << toggleAction();
    if (record().PopupMenuSet)
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
    platform::later(widget(), [](QWidget* target) {
      if (vexa::ButtonSide* side = vexa::sideOf(target))
        side->clickAtCentre();
    });
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
    const QString key = side_.accessKey();
    if (key.isEmpty())
      return {};
    return QKeySequence::mnemonic(QStringLiteral("&") + key).toString(QKeySequence::PortableText);
  }

  vexa::ButtonSide& side_;
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("vexabutton"))
    return nullptr;
  if (vexa::ButtonSide* side = vexa::sideOf(object))
    return new vexabuttonAccessible(static_cast<QWidget*>(object), *side);
  return nullptr;
}

class Announcer final : public vexa::AccessibleService {
public:
  explicit Announcer(vexa::ButtonSide& side) : side_(side) {}

  void announceChanges() override;

private:
  vexa::ButtonSide& side_;
  // What assistive technology was last told.
  QString toolTip_;
  QAccessible::State state_;
};

void Announcer::announceChanges() {
  const ButtonRecord& rec = side_.record();
  QWidget* button = &side_.widget();
  // The name (the caption) and the checked state are announced by
  // QAbstractButton as its text and checked state follow them.
  if (rec.ToolTip != toolTip_) {
    toolTip_ = rec.ToolTip;
    QAccessibleEvent event(button, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  const QAccessible::State now = buttonStates(rec);
  QAccessible::State changed = changedStates(state_, now);
  changed.checked = false;
  state_ = now;
  if (changed.checkable || changed.pressed || changed.defaultButton || changed.hasPopup) {
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
    // The default look follows the focus: each button that gains or loses
    // it says so, or a screen reader names a stale default.
    platform::announceStateChange(button, changed, now);
  }
}

} // namespace

std::unique_ptr<vexa::AccessibleService> vexa::makeAccessibleService(ButtonSide& side) {
  // Qt keeps a factory once, however often it is installed.
  QAccessible::installFactory(&accessibleFactory);
  return std::make_unique<Announcer>(side);
}
