#include "button/model/vexabutton.h"

#include "button/services/Subclass.h"

#include <QResizeEvent>

vexabutton::vexabutton(QWidget* parent, platform::ControlHost* host) : QWidget(parent), host_(host) {
  if (!host_) {
    for (QWidget* w = parent; w && !host_; w = w->parentWidget())
      host_ = dynamic_cast<platform::ControlHost*>(w);
  }
  if (!host_) {
    ownHost_ = std::make_unique<platform::StandaloneHost>();
    host_ = ownHost_.get();
  }
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

vexabutton::~vexabutton() = default;

void vexabutton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_.resize(width(), height());
  resizeStep();
}

void vexabutton::resizeStep() { Redraw(); }

void vexabutton::showEvent(QShowEvent* event) { QWidget::showEvent(event); }

void vexabutton::hideEvent(QHideEvent* event) { QWidget::hideEvent(event); }

void vexabutton::applyPointer() {}
