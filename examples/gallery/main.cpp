// SPDX-License-Identifier: MIT
// A gallery: every look of the control, each as a push button; a row of
// check buttons; and a group of option buttons, of which one is down at a
// time.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QVBoxLayout>

namespace {

// A button of a fixed size, as the control's own layouts place it.
vexabutton* makeButton(QWidget* parent, const QString& caption, vexabutton::Style style) {
  auto* button = new vexabutton(parent);
  button->setButtonStyle(style);
  button->setCaption(caption);
  button->setFixedSize(121, 33);
  return button;
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Gallery"));
  auto* layout = new QVBoxLayout(&window);

  // Every style by its name: the enumeration is registered with Qt's meta
  // system, so its names can be listed.
  auto* styles = new QGroupBox(QStringLiteral("Styles"));
  auto* grid = new QGridLayout(styles);
  const QMetaEnum names = QMetaEnum::fromType<vexabutton::Style>();
  for (int i = 0; i < names.keyCount(); ++i) {
    const auto style = vexabutton::Style(names.value(i));
    grid->addWidget(makeButton(styles, QString::fromLatin1(names.key(i)), style), i / 4, i % 4);
  }
  layout->addWidget(styles);

  // Check buttons: each click turns Value over; the button stays down
  // while Value is true.
  auto* checks = new QGroupBox(QStringLiteral("Check buttons"));
  auto* checkRow = new QHBoxLayout(checks);
  for (const char* caption : {"Bold", "Italic", "Underline"}) {
    vexabutton* check = makeButton(checks, QString::fromLatin1(caption), vexabutton::Gel);
    check->setMode(vexabutton::CheckButton);
    checkRow->addWidget(check);
  }
  layout->addWidget(checks);

  // Option buttons: those with the same parent widget form one group, so a
  // click on one lets the others up.
  auto* options = new QGroupBox(QStringLiteral("Option group"));
  auto* optionRow = new QHBoxLayout(options);
  auto* chosen = new QLabel;
  for (const char* caption : {"Small", "Medium", "Large"}) {
    vexabutton* option = makeButton(options, QString::fromLatin1(caption), vexabutton::SoftBlue);
    option->setMode(vexabutton::OptionButton);
    QObject::connect(option, &vexabutton::Click, chosen,
                     [chosen, option] { chosen->setText(QStringLiteral("Chosen: %1").arg(option->Caption())); });
    optionRow->addWidget(option);
  }
  optionRow->addWidget(chosen);
  layout->addWidget(options);

  window.show();
  return app.exec();
}
