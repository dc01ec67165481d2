// The Q_PROPERTYs as Qt's tools use them: names and numbers for the named
// values, colours, and writes that restore one value without its setter's
// side effects on other properties.
#include "button/model/vexabutton.h"

#include <gtest/gtest.h>

TEST(PropertyView, NamedValuesTakeNumbersOrNamesAndKeepValuesWithoutAName) {
  vexabutton button;
  button.InitProperties();
  EXPECT_TRUE(button.setProperty("ButtonStyle", 4));
  EXPECT_EQ(button.ButtonStyle(), 4);
  EXPECT_TRUE(button.PicturePushOnHover()) << "the style's defaults came with it";
  EXPECT_TRUE(button.setProperty("Mode", QStringLiteral("CheckButton")));
  EXPECT_EQ(button.Mode(), 1);
  EXPECT_TRUE(button.setProperty("CaptionEffects", 9));
  EXPECT_EQ(button.CaptionEffects(), 9);
  EXPECT_EQ(button.property("CaptionEffects").toInt(), 9);
  EXPECT_EQ(button.property("ButtonStyle").toString(), QStringLiteral("Toolbar"));
}

TEST(PropertyView, WritesOtherThanTheStyleChoicesTouchNoOtherProperty) {
  vexabutton button;
  button.InitProperties();
  button.setButtonStyle(2); // scheme 0
  button.setProperty("BackColor", QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(button.BackColor(), 0x302010);
  EXPECT_EQ(button.ColorScheme(), 0) << "the setter would have made it custom";

  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  button.setProperty("PictureHot", QPixmap::fromImage(image));
  EXPECT_TRUE(button.PictureHot() && !button.PictureNormal()) << "not moved to PictureNormal";
  button.setProperty("MouseIcon", QPixmap::fromImage(image));
  button.setProperty("HandPointer", true);
  button.setProperty("MousePointer", 2);
  EXPECT_TRUE(button.HandPointer());
  EXPECT_EQ(button.MousePointer(), 2);
  button.setProperty("Value", true); // a push button keeps it too
  EXPECT_TRUE(button.Value());
}

TEST(PropertyView, ColoursAndPicturesWrittenBackUnchangedKeepWhatTheyWere) {
  vexabutton button;
  button.InitProperties();
  button.setTooltipBackColor(0x80000018); // a system colour
  button.setProperty("TooltipBackColor", button.property("TooltipBackColor"));
  EXPECT_EQ(button.TooltipBackColor(), qint32(0x80000018));

  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(qRgba(0, 0, 255, 255));
  const platform::PicturePtr icon = platform::Picture::fromImage(image, platform::Picture::Icon);
  button.setPictureNormal(icon);
  button.setProperty("PictureNormal", button.property("PictureNormal"));
  EXPECT_EQ(button.PictureNormal(), icon) << "the same picture object, still an icon";
  EXPECT_TRUE(button.setProperty("PictureNormal", QPixmap()));
  EXPECT_EQ(button.PictureNormal(), nullptr);

  button.setProperty("PictureOpacity", 300);
  EXPECT_EQ(button.PictureOpacity(), 255) << "out of the byte range: refused";
}

TEST(PropertyView, AFontWritesOnlyTheAttributesItSets) {
  vexabutton button;
  button.InitProperties();
  button.setFont(std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 9.75, 400, 238));
  QFont bold;
  bold.setBold(true);
  button.setProperty("Font", bold);
  EXPECT_TRUE(button.Font()->Bold());
  EXPECT_EQ(button.Font()->Size(), 9.75);
  EXPECT_EQ(button.Font()->Charset(), 238);
  EXPECT_EQ(button.Font()->Name(), QStringLiteral("Tahoma"));
}
