// SPDX-License-Identifier: MIT
// A Qt developer's program built against the installed package, with
// QT_NO_KEYWORDS: it includes the public header by its installed path and
// uses the button as a Qt button through QTest's events (a QButtonGroup, a
// QDialogButtonBox, Qt's signals, the application's font, a right-to-left
// window, a picture for a high-density screen), then stores its
// properties. Exits 0 when all of that holds.
#include <VexaButton/vexabutton.h>

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QSignalSpy>
#include <QTest>

static_assert(__cplusplus >= 202002L, "the package's compile features bring C++20");

namespace {
int failures = 0;
void expect(bool holds, const char* what) {
  if (!holds) {
    qWarning("client: %s", what);
    ++failures;
  }
}
} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 13));

  QWidget window;
  window.resize(400, 200);
  auto* ok = new vexabutton(&window);
  ok->setGeometry(20, 20, 121, 33);
  ok->setText(QStringLiteral("U redu"));
  QAbstractButton* asButton = qobject_cast<QAbstractButton*>(static_cast<QWidget*>(ok));
  QSignalSpy pressed(asButton, &QAbstractButton::pressed);
  QSignalSpy released(asButton, &QAbstractButton::released);
  QSignalSpy clicked(asButton, &QAbstractButton::clicked);
  QSignalSpy click(ok, &vexabutton::Click);

  // Three check buttons in an exclusive group.
  QButtonGroup group;
  QList<int> ids;
  QObject::connect(&group, &QButtonGroup::idClicked, &group, [&](int id) { ids << id; });
  vexabutton* members[3];
  for (int i = 0; i < 3; ++i) {
    members[i] = new vexabutton(&window);
    members[i]->setGeometry(20 + 120 * i, 80, 100, 30);
    members[i]->setCheckable(true);
    group.addButton(members[i], 10 * (i + 1));
  }
  QSignalSpy secondToggled(members[1], &QAbstractButton::toggled);

  // A picture made for a ratio-2 screen: 32 pixels that are 16 logical ones.
  QPixmap red(32, 32);
  red.fill(Qt::red);
  red.setDevicePixelRatio(2);
  auto* pictured = new vexabutton(&window);
  pictured->setGeometry(20, 130, 60, 40);
  pictured->setPictureNormal(red);

  QWidget mirrored;
  mirrored.setLayoutDirection(Qt::RightToLeft);
  auto* rightToLeft = new vexabutton(&mirrored);

  window.show();
  expect(QTest::qWaitForWindowExposed(&window), "window shown");
  QTest::mouseClick(ok, Qt::LeftButton);
  for (int i : {1, 2, 2})
    QTest::mouseClick(members[i], Qt::LeftButton);

  QDialogButtonBox box;
  auto* accept = new vexabutton;
  accept->setText(QStringLiteral("Prihvati"));
  box.addButton(accept, QDialogButtonBox::AcceptRole);
  QSignalSpy accepted(&box, &QDialogButtonBox::accepted);
  box.show();
  expect(QTest::qWaitForWindowExposed(&box), "button box shown");
  QTest::mouseClick(accept, Qt::LeftButton);

  const QImage drawn = pictured->grab().toImage();
  int redPixels = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      redPixels += drawn.pixel(x, y) == qRgb(255, 0, 0);

  expect(asButton != nullptr, "a QAbstractButton");
  expect(ok->Caption() == QStringLiteral("U redu") && asButton->text() == ok->Caption(), "text is the caption");
  expect(pressed.count() == 1 && released.count() == 1 && clicked.count() == 1 && click.count() == 1,
         "one pressed, released, clicked and Click per click");
  expect(ids == QList<int>({20, 30, 30}), "the group's ids of the clicked buttons");
  expect(!members[1]->isChecked() && members[2]->isChecked() && members[2]->Value(), "the group is exclusive");
  expect(secondToggled.count() == 2, "toggled on and off");
  expect(accepted.count() == 1, "the button box accepts");
  expect(ok->Font()->Name() == QStringLiteral("DejaVu Serif") && ok->Font()->Size() == 13, "the application's font");
  expect(rightToLeft->RightToLeft() && !ok->RightToLeft(), "the window's direction");
  expect(redPixels == 16 * 16, "a ratio-2 picture at its logical size");

  platform::PropertyBag bag;
  ok->WriteProperties(bag);
  vexabutton copy;
  expect(copy.ReadProperties(bag) && copy.Caption() == ok->Caption(), "stored and loaded");
  return failures == 0 ? 0 : 1;
}
