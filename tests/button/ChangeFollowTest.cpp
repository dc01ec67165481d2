// SPDX-License-Identifier: MIT
// What the change signals and the stored layout say after changes that come
// from Qt (a disabled container, a font in pixels), from a change signal's
// own handler, or from a mode that no longer has the value it had.

#include "button/model/vexabutton_p.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using platform::PropertyBag;

namespace {

// Inside a disabled container Qt tells a widget nothing when its own
// setting changes: the getter and the save still say it, and EnabledChanged
// follows once the button gets an event (here its show).
TEST(ChangeFollow, TheOwnEnabledSettingInsideADisabledContainerIsReadSavedAndAnnounced) {
  QWidget box;
  auto* button = new vexabutton(&box);
  button->loadNewInstance();
  QSignalSpy enabled(button, &vexabutton::EnabledChanged);
  box.setEnabled(false);
  button->setEnabled(false);
  EXPECT_FALSE(button->Enabled());
  PropertyBag bag;
  button->WriteProperties(bag);
  EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
  vexabutton reloaded;
  reloaded.ReadProperties(bag);
  EXPECT_FALSE(reloaded.Enabled());

  box.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(enabled.count(), 1);
  box.setEnabled(true); // the button keeps its own setting
  button->setEnabled(true);
  EXPECT_TRUE(button->Enabled() && button->isEnabled());
  EXPECT_EQ(enabled.count(), 2);
}

// A handler of one change that changes another property announces that one
// once; the change still going out does not announce it again.
TEST(ChangeFollow, AStyleHandlerSettingBackColorAnnouncesItOnce) {
  for (const bool setBack : {false, true}) {
    SCOPED_TRACE(setBack);
    vexabutton button;
    button.loadNewInstance();
    const qint32 before = button.BackColor();
    const qint32 wanted = setBack ? before : 0x123456;
    QObject::connect(&button, &vexabutton::ButtonStyleChanged, [&button, wanted] { button.setBackColor(wanted); });
    QSignalSpy back(&button, &vexabutton::BackColorChanged);
    button.setButtonStyle(vexabutton::Gel);
    ASSERT_EQ(button.BackColor(), wanted);
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back.at(0).at(0).value<QColor>(), vexabutton::toColor(wanted));
  }
}

// A push button has no Value; an option button set by its new mode clears
// the others of its group.
TEST(ChangeFollow, ANewModeKeepsOnlyTheValuesItCanHold) {
  QWidget group;
  auto* check = new vexabutton(&group);
  auto* option = new vexabutton(&group);
  for (vexabutton* b : {check, option}) {
    b->loadNewInstance();
    b->setMode(vexabutton::CheckButton);
    b->setValue(true);
  }
  option->setMode(vexabutton::OptionButton);
  QSignalSpy checkValue(check, &vexabutton::ValueChanged);
  check->setMode(vexabutton::PushButton);
  EXPECT_FALSE(check->Value());
  EXPECT_EQ(checkValue.count(), 1);
  PropertyBag bag;
  check->WriteProperties(bag);
  EXPECT_FALSE(bag.contains(QStringLiteral("Value")));

  check->setMode(vexabutton::CheckButton);
  check->setValue(true);
  check->setMode(vexabutton::OptionButton);
  EXPECT_TRUE(check->Value());
  EXPECT_FALSE(option->Value());
}

// A size in pixels is taken as points at the button's logical dpi.
TEST(ChangeFollow, AFontSizeInPixelsBecomesPoints) {
  const struct {
    const char* how;
    std::function<void(vexabutton&)> apply;
  } cases[] = {
      {"QFont",
       [](vexabutton& b) {
         QFont font = b.font();
         font.setPixelSize(30);
         b.setFont(font);
       }},
      {"style sheet",
       [](vexabutton& b) {
         b.setStyleSheet(QStringLiteral("font-size: 30px"));
         b.ensurePolished();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    vexabutton button;
    button.loadNewInstance();
    c.apply(button);
    EXPECT_DOUBLE_EQ(button.Font()->Size(), 30 * 72.0 / button.logicalDpiY());
  }
}

} // namespace
