// SPDX-License-Identifier: MIT
#include "button/model/vexabutton_p.h"

#include "button/render/ColorKit.h"
#include "platform/Form.h"

#include <QPointer>

#include <gtest/gtest.h>

using platform::PropertyBag;

TEST(Lifecycle, CreationFillsTheEffectTables) {
  vexabutton button;
  const ButtonRecord& r = recordOf(button);
  EXPECT_EQ((std::vector<int>{r.LightenTable[0], r.LightenTable[100], r.LightenTable[221], r.LightenTable[222],
                              r.LightenTable[255], r.DarkenTable[255], r.DarkenTable[100]}),
            (std::vector<int>{0, 114, 253, 255, 255, 217, 85}));
  EXPECT_TRUE(r.UnicodeText);
  EXPECT_TRUE(r.mFont) << "a font even before it is initialised or loaded";
}

TEST(Lifecycle, ANewInstanceTakesItsDisplayNameAndTheStyleDefaults) {
  platform::StandaloneHost host;
  host.setDisplayName("vexabutton7");
  host.setUserMode(false);
  vexabutton button(nullptr, &host);
  initProperties(button);
  EXPECT_EQ(button.ButtonStyle(), 13);
  // ShowFocusRect was set, then the style defaults decided (for style 13: off).
  ButtonRecord expected;
  expected.ButtonStyle = 13;
  expected.ShowFocusRect = true;
  expected.BackColor = 0;
  expected.ColorScheme = 0;
  vexa::ApplyDefaultColorScheme(expected);
  vexa::ApplyStyleDefaults(expected);
  EXPECT_FALSE(button.ShowFocusRect());
  EXPECT_EQ(button.ShowFocusRect(), expected.ShowFocusRect);
  EXPECT_EQ(button.ColorScheme(), expected.ColorScheme);
  EXPECT_EQ(button.BackColor(), 0);
  EXPECT_EQ(button.Caption(), "vexabutton7");
  EXPECT_EQ(button.ForeColor(), 0); // the button-text colour of the test table
  EXPECT_EQ(button.Font()->Name(), "Tahoma");
  EXPECT_EQ(button.Font()->Size(), 8.25);
  EXPECT_EQ(button.MaskColor(), 0xE0E0E0);
  EXPECT_EQ(button.PictureEffectOnOver(), 0);
  EXPECT_EQ(host.changedNames, QStringList{"Font"});
}

TEST(Lifecycle, ResizeKeepsAtLeastTwoHundredTwentyTwips) {
  QWidget window;
  window.resize(200, 200);
  auto* button = new vexabutton(&window);
  button->resize(100 / 15, 100 / 15); // 100 twips, before the first show
  window.show();
  EXPECT_EQ(button->size(), QSize(15, 15));
  EXPECT_EQ(surfaceOf(*button).width(), 15);
  EXPECT_EQ(surfaceOf(*button).height(), 15);

  button->resize(15, 40);
  EXPECT_EQ(button->size(), QSize(15, 40));
  button->resize(14, 40);
  EXPECT_EQ(button->size(), QSize(15, 40));
  button->resize(60, 3);
  EXPECT_EQ(button->size(), QSize(60, 15));
  EXPECT_EQ(surfaceOf(*button).width(), 60);
  EXPECT_EQ(surfaceOf(*button).height(), 15);
  EXPECT_TRUE(surfaceOf(*button).hasWindowRegion());
  EXPECT_EQ(recordOf(*button).ClientWidth, 60);
  EXPECT_EQ(recordOf(*button).ClientHeight, 15);
}

TEST(Lifecycle, TheLoadStepAppliesTheMinimumToAHiddenControl) {
  platform::StandaloneHost host;
  host.setUserMode(false);
  vexabutton button(nullptr, &host);
  button.resize(6, 100);
  ASSERT_TRUE(button.ReadProperties(PropertyBag()));
  EXPECT_EQ(button.size(), QSize(15, 100));
  EXPECT_EQ(surfaceOf(button).width(), 15);
}

TEST(Lifecycle, ShowClearsTheHostTooltipAndHidePutsToolTipBack) {
  QWidget window;
  platform::StandaloneHost host;
  host.setUserMode(false);
  auto* button = new vexabutton(&window, &host);
  button->setToolTip("Proverite odgovore");
  host.extender(button).ToolTipText = "host text";
  window.show();
  EXPECT_EQ(host.extender(button).ToolTipText, "");
  button->hide();
  EXPECT_EQ(host.extender(button).ToolTipText, "Proverite odgovore");
  button->show();
  EXPECT_EQ(host.extender(button).ToolTipText, "");
}

TEST(Lifecycle, LoadAtDesignTimeKeepsUserModeOffAndFindsTheParentWindow) {
  QWidget window;
  QWidget frame(&window);
  platform::StandaloneHost host;
  host.setUserMode(false);
  vexabutton button(&frame, &host);
  ASSERT_TRUE(button.ReadProperties(PropertyBag()));
  EXPECT_FALSE(recordOf(button).UserMode);
  EXPECT_EQ(recordOf(button).ParentHwnd, quintptr(window.winId() ? recordOf(button).ParentHwnd : 0));
  EXPECT_NE(recordOf(button).ParentHwnd, 0u);
  EXPECT_NE(recordOf(button).ParentHwnd, quintptr(windowHandleOf(button)));
}

TEST(Lifecycle, AVisibleFormDestroyedWithItsButtonsDoesNotCallItsHostAnyMore) {
  QPointer<platform::Form> form = new platform::Form;
  auto* button = new vexabutton(form);
  form->registerControl(button, "vexabutton1");
  button->ReadProperties(PropertyBag());
  button->setToolTip("tip");
  form->show();
  delete form; // hides the buttons after the form's hosting part is gone
  EXPECT_TRUE(form.isNull());
}
