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
  EXPECT_EQ(b.objectName(), QStringLiteral("vexaButton"));

  EXPECT_EQ(b.ButtonStyle(), vexabutton::Gel);
  EXPECT_EQ(b.ColorScheme(), vexabutton::CustomScheme);
  EXPECT_EQ(b.Mode(), vexabutton::CheckButton);
  EXPECT_TRUE(b.Value()) << "set after Mode, so a check button keeps it";
  EXPECT_EQ(b.MousePointer(), vexabutton::Cross);
  EXPECT_EQ(b.PictureAlign(), vexabutton::RightOfCaption);
  EXPECT_EQ(b.CaptionAlign(), vexabutton::CaptionLeft);
  EXPECT_EQ(b.ToolTipIcon(), vexabutton::WarningIcon);
  EXPECT_EQ(b.PictureOpacity(), 200);

  EXPECT_EQ(b.BackColor(), 0xC06020) << "stored as 0x00BBGGRR";
  EXPECT_EQ(b.foreColor(), QColor(255, 255, 255));

  EXPECT_EQ(b.Caption(), QStringLiteral("&Start"));
  EXPECT_EQ(b.AccessKeys(), QStringLiteral("s"));
  EXPECT_EQ(b.ToolTip(), QStringLiteral("Starts the game")) << "Qt's toolTip is the control's";

  ASSERT_TRUE(b.Font());
  EXPECT_EQ(b.Font()->Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(b.Font()->Size(), 11);
  EXPECT_TRUE(b.Font()->Bold()) << "Qt's font is the control's";

  ASSERT_TRUE(b.PictureNormal()) << "the picture came from the resource";
  const QImage picture = b.pictureNormal().toImage();
  EXPECT_EQ(picture.size(), QSize(8, 8));
  EXPECT_EQ(picture.pixelColor(3, 0), QColor(0x20, 0x60, 0xC0));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << "transparent where the picture has no pixel";
}
