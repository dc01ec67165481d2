// SPDX-License-Identifier: MIT
#include "app/InfoWindow.h"

#include "app/Form1.h"

namespace infowindow {

platform::SharedFont calibri(double points, int weight) {
  return platform::SharedFont(QStringLiteral("Calibri"), points, weight, 238);
}

platform::Label* addLabel(platform::Form* form, const QString& name, double left, double top, double width,
                          double height, const platform::SharedFont& font, const QString& caption, bool autoSize) {
  auto* label = new platform::Label(form);
  form->registerControl(label, name);
  label->setFont(font);
  label->setWordWrap(!autoSize);
  label->TwipsGeometry::move(left, top, width, height);
  label->setAutoSize(autoSize);
  label->setCaption(caption);
  return label;
}

platform::TextDocument* addDocument(platform::Form* form, const QList<QWidget*>& parts, QWidget* first) {
  auto* document = new platform::TextDocument(form);
  document->setParts(parts);
  QWidget::setTabOrder(document, first);
  (document->focusPolicy() == Qt::NoFocus ? first : document)->setFocus();
  return document;
}

void setToolWindowFrame(platform::Form* form) {
  form->setBorderStyle(4);
  form->setMaxButton(false);
  form->setMinButton(false);
  form->setShowInTaskbar(false);
  form->setStartUpPosition(2);
}

void pauseMain(Form1* main) {
  if (!main)
    return;
  main->setEnabled(false);
  main->pauseCountdown();
}

void resumeMain(Form1* main) {
  if (!main)
    return;
  main->setEnabled(true);
  main->show();
  main->restoreFocusAfterPause();
  main->resumeCountdown();
}

} // namespace infowindow
