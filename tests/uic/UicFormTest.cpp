// SPDX-License-Identifier: MIT
// A form saved by Qt Designer, compiled by uic (and its picture by rcc)
// into this program: the generated code names the control's values as
// vexabutton::Gel and sets each property the form holds.
#include "ui_DesignerForm.h"

#include <gtest/gtest.h>

TEST(UicForm, TheGeneratedCodeSetsTheFormsProperties) {
  QWidget form;
  Ui::DesignerForm ui;
  ui.setupUi(&form);
  const vexabutton& b = *ui.vexaButton;
  EXPECT_EQ(b.ButtonStyle(), vexabutton::Gel);
  EXPECT_EQ(b.ColorScheme(), vexabutton::CustomScheme) << "BackColor came after the style";
  EXPECT_EQ(b.BackColor(), 0xC06020) << "stored as 0x00BBGGRR";
  EXPECT_EQ(std::tuple(b.Mode(), b.Value()), std::tuple(vexabutton::CheckButton, true));
  EXPECT_EQ(b.CaptionAlign(), vexabutton::CaptionLeft);
  EXPECT_EQ(std::tuple(b.Caption(), b.AccessKeys()), std::tuple(QStringLiteral("&Start"), QStringLiteral("s")));
  EXPECT_EQ(b.ToolTip(), QStringLiteral("Starts the game")) << "Qt's toolTip is the control's";
  EXPECT_EQ(std::tuple(b.Font()->Name(), b.Font()->Size(), b.Font()->Bold()),
            std::tuple(QStringLiteral("Tahoma"), 11.0, true));
  ASSERT_TRUE(b.PictureNormal()) << "from the resource";
  const QImage picture = b.pictureNormal().toImage();
  EXPECT_EQ(picture.pixelColor(1, 0), QColor(0x20, 0x60, 0xC0));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
}
