// SPDX-License-Identifier: MIT
// The control as a Qt button: Qt's signals among the control's events, in
// order, for each way of clicking; the group's exclusive checked button;
// the surroundings' font and direction. (The installed client uses it
// through the package as a Qt developer would.)

#include "InputTestSupport.h"

#include "button/model/vexabutton_p.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Clicking {
  const char* name;
  qint32 mode;
  std::function<void(vexabutton&)> act;
  const char* expected;
};

void key(vexabutton& b, Qt::Key k, bool press, bool release) {
  if (press)
    QTest::keyPress(&b, k);
  if (release)
    QTest::keyRelease(&b, k);
}

} // namespace

TEST(QtButton, QtSignalsComeOncePerActionAmongTheControlsEvents) {
  const Clicking cases[] = {
      {"left click, check button", vexabutton::CheckButton,
       [](vexabutton& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(20, 10)); },
       "MouseDown, pressed, ValueChanged, toggled, Click, released, clicked, MouseUp"},
      {"press, away, back, release", vexabutton::PushButton,
       [](vexabutton& b) {
         QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 10));
         QTest::mouseMove(&b, QPoint(200, 10));
         QTest::mouseMove(&b, QPoint(20, 10));
         QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 10));
       },
       "MouseDown, pressed, released, pressed, Click, released, clicked, MouseUp"},
      {"release away", vexabutton::PushButton,
       [](vexabutton& b) {
         QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 10));
         QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(200, 10));
       },
       "MouseDown, pressed, MouseUp, released"},
      {"space bar, option button", vexabutton::OptionButton, [](vexabutton& b) { key(b, Qt::Key_Space, true, true); },
       "ValueChanged, toggled, KeyDown, KeyPress, pressed, Click, released, clicked, KeyUp"},
      {"Enter", vexabutton::PushButton, [](vexabutton& b) { key(b, Qt::Key_Return, true, false); },
       "Click, pressed, released, clicked, KeyDown, KeyPress"},
      {"click() through Qt", vexabutton::CheckButton, [](vexabutton& b) { b.QAbstractButton::click(); },
       "pressed, ValueChanged, toggled, Click, released, clicked"},
  };
  for (const Clicking& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget window;
    auto* button = new vexabutton(&window);
    button->setGeometry(10, 10, 100, 30);
    button->loadNewInstance();
    button->setMode(c.mode);
    window.show();
    button->setFocus();
    inputtest::EventLog log;
    log.attach(*button);
    const auto note = [&log](const char* name) { return [&log, name] { log.entries << QString::fromLatin1(name); }; };
    QObject::connect(button, &QAbstractButton::pressed, note("pressed"));
    QObject::connect(button, &QAbstractButton::released, note("released"));
    QObject::connect(button, &QAbstractButton::toggled, note("toggled"));
    QObject::connect(button, &QAbstractButton::clicked, note("clicked"));
    QObject::connect(button, &vexabutton::ValueChanged, note("ValueChanged"));
    c.act(*button);
    QStringList seen = log.names();
    seen.removeIf([](const QString& name) {
      return name == QLatin1String("MouseMove") || name == QLatin1String("MouseEnter") ||
             name == QLatin1String("MouseLeave");
    });
    EXPECT_EQ(seen.join(QStringLiteral(", ")).toStdString(), c.expected);
    EXPECT_FALSE(button->isDown());
  }
}

// The checked button of an exclusive group stays checked until another is;
// Qt's unchecking of the other comes back as its Value.
TEST(QtButton, AnExclusiveGroupKeepsOneValue) {
  QWidget window;
  QButtonGroup group;
  vexabutton* buttons[2];
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new vexabutton(&window);
    buttons[i]->setGeometry(10, 10 + 40 * i, 100, 30);
    buttons[i]->setCheckable(true);
    group.addButton(buttons[i], i);
  }
  window.show();
  QSignalSpy firstValue(buttons[0], &vexabutton::ValueChanged);
  for (int i : {0, 0, 1})
    QTest::mouseClick(buttons[i], Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_FALSE(buttons[0]->Value());
  EXPECT_TRUE(buttons[1]->Value() && buttons[1]->isChecked());
  EXPECT_EQ(firstValue.count(), 2); // on, then off when the other was checked
}

// A button outside the program's forms follows its parent's font and
// direction until it has its own; a stored font wins.
TEST(QtButton, TheSurroundingsFontAndDirectionUntilItsOwn) {
  QWidget parent;
  parent.setFont(QFont(QStringLiteral("Carlito"), 12));
  auto* button = new vexabutton(&parent);
  button->loadNewInstance();
  EXPECT_EQ(recordOf(*button).mFont->Name(), QStringLiteral("Carlito")); // Font() would hand it out as its own
  parent.setFont(QFont(QStringLiteral("Carlito"), 20));
  EXPECT_EQ(recordOf(*button).mFont->Size(), 20);
  parent.setLayoutDirection(Qt::RightToLeft);
  EXPECT_TRUE(button->RightToLeft());
  button->setRightToLeft(false);
  parent.setLayoutDirection(Qt::LeftToRight);
  parent.setLayoutDirection(Qt::RightToLeft);
  EXPECT_FALSE(button->RightToLeft());

  platform::PropertyBag bag;
  bag.WriteProperty(QStringLiteral("Font"),
                    QVariant::fromValue(std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 10)));
  auto* stored = new vexabutton(&parent);
  ASSERT_TRUE(stored->ReadProperties(bag));
  parent.setFont(QFont(QStringLiteral("Carlito"), 9));
  EXPECT_EQ(recordOf(*stored).mFont->Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(recordOf(*stored).mFont->Size(), 10);
}
