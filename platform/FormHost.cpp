#include "platform/Form.h"

namespace platform {

void Form::registerControl(QWidget* control, const QString& name) { names_.insert(control, name); }

QString Form::ambientDisplayName(const QWidget* control) const { return names_.value(control); }

SharedFontPtr Form::ambientFont() const { return font_ ? font_ : std::make_shared<SharedFont>(); }

bool Form::ambientDisplayAsDefault(const QWidget* control) const { return control == displayedDefault_; }

Extender& Form::extender(const QWidget* control) { return extenders_[control]; }

void Form::propertyChanged(const QWidget*, const QString&) {}

bool Form::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }

void Form::notifyDisplayAsDefault() {}

} // namespace platform
