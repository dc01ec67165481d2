// SPDX-License-Identifier: MIT
#include "button/model/vexabutton_p.h"

#include <QImage>

#include <gtest/gtest.h>

using platform::Picture;
using platform::PicturePtr;
using platform::PropertyBag;
using platform::SharedFont;

namespace {

struct Fixture {
  platform::StandaloneHost host;
  std::unique_ptr<vexabutton> button;
  Fixture() {
    host.setUserMode(false);
    button = std::make_unique<vexabutton>(nullptr, &host);
    button->resize(121, 33);
    button->ReadProperties(PropertyBag());
    host.changedNames.clear();
  }
  QStringList changed() {
    QStringList names = host.changedNames;
    host.changedNames.clear();
    return names;
  }
};

PicturePtr picture() {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  return Picture::fromImage(image);
}

} // namespace

TEST(Properties, CommonSettersStoreRepaintAndNotifyUnderTheirNames) {
  Fixture f;
  f.button->setCaptionAlign(2);
  f.button->setToolTipType(1);
  f.button->setToolTipIcon(2);
  f.button->setTooltipBackColor(0x123456);
  f.button->setShowFocusRect(true);
  f.button->setDropDownSymbol(6);
  EXPECT_EQ(f.changed(), (QStringList{"CaptionAlign", "ToolTipType", "TooltipIcon", "TooltipBackcolor", "ShowFocusRect",
                                      "DropDownSymbol"}));
  EXPECT_EQ(f.button->CaptionAlign(), 2);
  EXPECT_EQ(f.button->ToolTipIcon(), 2);
  EXPECT_EQ(f.button->TooltipBackColor(), 0x123456);
}

TEST(Properties, BackColorMakesTheSchemeCustomExceptForTheToolbarStyle) {
  Fixture f;
  recordOf(*f.button).ColorScheme = 1;
  recordOf(*f.button).ButtonStyle = 4;
  f.button->setBackColor(0x00FF00);
  EXPECT_EQ(f.button->ColorScheme(), 1);
  recordOf(*f.button).ButtonStyle = 2;
  f.button->setBackColor(0x0000FF);
  EXPECT_EQ(f.button->ColorScheme(), 3);
  EXPECT_EQ(f.button->BackColor(), 0x0000FF);
  EXPECT_EQ(f.changed(), (QStringList{"BackColor", "BackColor"})) << "no notification for ColorScheme";
}

TEST(Properties, ValueOnAPushButtonOnlyRepaintsItNormal) {
  Fixture f;
  recordOf(*f.button).ButtonState = ButtonRecord::Hot;
  f.button->setValue(true);
  EXPECT_FALSE(f.button->Value());
  EXPECT_EQ(recordOf(*f.button).ButtonState, ButtonRecord::Normal);
  EXPECT_TRUE(f.changed().isEmpty());

  f.button->setMode(1);
  EXPECT_EQ(f.changed(), (QStringList{"Value", "Mode"}));
  f.button->setValue(true);
  EXPECT_TRUE(f.button->Value());
  EXPECT_EQ(f.changed(), QStringList{"Value"});

  // Back to a push button: Normal, and no Value.
  recordOf(*f.button).ButtonState = ButtonRecord::Down;
  f.button->setMode(0);
  EXPECT_EQ(recordOf(*f.button).ButtonState, ButtonRecord::Normal);
  EXPECT_FALSE(f.button->Value());
}

TEST(Properties, PictureNormalIsFilledFirstAndClearingItClearsTheOthers) {
  Fixture f;
  const PicturePtr hot = picture();
  f.button->setPictureHot(hot);
  EXPECT_EQ(f.button->PictureNormal(), hot);
  EXPECT_FALSE(f.button->PictureHot());
  EXPECT_EQ(f.changed(), QStringList{"PictureNormal"});

  f.button->setPictureHot(picture());
  f.button->setPictureDown(picture());
  EXPECT_TRUE(f.button->PictureHot());
  EXPECT_TRUE(f.button->PictureDown());
  EXPECT_EQ(f.changed(), (QStringList{"PictureHot", "PictureDown"}));

  f.button->resize(5, 5);
  f.button->setPictureNormal(nullptr);
  EXPECT_FALSE(f.button->PictureHot());
  EXPECT_FALSE(f.button->PictureDown());
  EXPECT_EQ(f.changed(), (QStringList{"PictureHot", "PictureDown"}));
  EXPECT_EQ(f.button->size(), QSize(15, 15)) << "the resize step ran";
}

TEST(Properties, MouseIconTurnsHandPointerOffAndSelectsTheCustomPointer) {
  Fixture f;
  f.button->setHandPointer(true);
  EXPECT_TRUE(f.button->HandPointer());
  EXPECT_TRUE(recordOf(*f.button).HandCursor);
  f.changed();

  f.button->setMouseIcon(picture());
  EXPECT_FALSE(f.button->HandPointer());
  EXPECT_EQ(f.button->MousePointer(), 99);
  EXPECT_EQ(f.changed(), (QStringList{"HandPointer", "MouseIcon"}));
  EXPECT_EQ(f.button->cursor().shape(), Qt::BitmapCursor);

  f.button->setMouseIcon(nullptr);
  EXPECT_EQ(f.button->MousePointer(), 0);
  EXPECT_EQ(f.changed(), QStringList{"MouseIcon"});
}

TEST(Properties, HandPointerResetsThePointerAndFallsBackWithoutAHandPointer) {
  Fixture f;
  ASSERT_TRUE(f.button->setMousePointer(2));
  EXPECT_EQ(f.button->cursor().shape(), Qt::CrossCursor);
  f.button->setHandPointer(true);
  EXPECT_EQ(f.button->MousePointer(), 0);

  Fixture g;
  vexabuttonPrivate::setSystemHandPointerAvailable(false);
  g.button->setHandPointer(true);
  vexabuttonPrivate::setSystemHandPointerAvailable(true);
  EXPECT_FALSE(g.button->HandPointer());
  EXPECT_EQ(g.changed(), QStringList{"HandPointer"});
}

TEST(Properties, OutOfRangeConversionsFailAndChangeNothing) {
  Fixture f;
  ASSERT_TRUE(f.button->setMousePointer(-32768));
  ASSERT_TRUE(f.button->setMousePointer(32767));
  QString error;
  EXPECT_FALSE(f.button->setMousePointer(32768, &error));
  EXPECT_TRUE(error.contains("32768"));
  EXPECT_FALSE(f.button->setMousePointer(-40000));
  EXPECT_EQ(f.button->MousePointer(), 32767);

  EXPECT_FALSE(f.button->setPictureOpacity(256, &error));
  EXPECT_TRUE(error.contains("PictureOpacity 256"));
  EXPECT_FALSE(f.button->setPictureOpacityOnOver(-1));
  EXPECT_EQ(f.button->PictureOpacity(), 255);
  EXPECT_EQ(f.button->PictureOpacityOnOver(), 255);
  EXPECT_EQ(f.changed(), (QStringList{"MousePointer", "MousePointer"}));
}

TEST(Properties, EnabledAndRightToLeftReachTheSurfaceAndTheTooltip) {
  Fixture f;
  f.button->setEnabled(false);
  EXPECT_FALSE(f.button->isEnabled());
  f.button->setEnabled(true);
  EXPECT_TRUE(f.button->isEnabled());
  f.button->setRightToLeft(true);
  EXPECT_TRUE(recordOf(*f.button).Tooltip.rightToLeft);
  f.button->setForeColorHover(0x80000005); // a system colour reference is translated
  EXPECT_EQ(surfaceOf(*f.button).textColor(), 0xFFFFFF);
}

TEST(Properties, AFontAndItsChangesRepaintAndNotifyFont) {
  Fixture f;
  const auto font = std::make_shared<SharedFont>("Tahoma", 9.75, 700);
  f.button->setFont(font);
  EXPECT_EQ(f.button->Font(), font);
  EXPECT_EQ(f.changed(), (QStringList{"Font", "Font"}));
  EXPECT_EQ(surfaceOf(*f.button).font().pixelSize(), 13);

  font->setSize(12);
  EXPECT_EQ(f.changed(), QStringList{"Font"});
  EXPECT_EQ(surfaceOf(*f.button).font().pixelSize(), 16);

  // The previous font no longer reaches the control; a null font is refused.
  f.button->setFont(std::make_shared<SharedFont>());
  f.changed();
  font->setSize(20);
  EXPECT_TRUE(f.changed().isEmpty());
  f.button->setFont(nullptr);
  EXPECT_TRUE(f.button->Font());
}

TEST(Properties, CaptionDerivesTheAccessKeyAndNotifies) {
  Fixture f;
  f.button->setCaption("O &Programu");
  EXPECT_EQ(f.button->Caption(), "O &Programu");
  EXPECT_EQ(f.changed(), QStringList{"Caption"});
}
