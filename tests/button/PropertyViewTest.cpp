// The Q_PROPERTYs as Qt's tools use them: names and numbers for the named
// values, colours, fonts and pictures in Qt's types, the change signals,
// and the font, tool tip and enabled state shared with QWidget.
#include "button/model/vexabutton.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QToolTip>

#include <gtest/gtest.h>

#include <tuple>

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

TEST(PropertyView, WritesAreTheSettersSoAFormInDeclarationOrderLoadsBack) {
  vexabutton button;
  button.InitProperties();
  button.setButtonStyle(2); // scheme 0
  button.setProperty("BackColor", button.property("BackColor"));
  EXPECT_EQ(button.ColorScheme(), 0) << "the colour the style gave, written back: no change";
  button.setProperty("BackColor", QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(button.BackColor(), 0x302010);
  EXPECT_EQ(button.ColorScheme(), vexabutton::CustomScheme);

  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  button.setProperty("PictureHot", QPixmap::fromImage(image));
  EXPECT_TRUE(button.PictureNormal() && !button.PictureHot()) << "the first picture is PictureNormal";
  button.setProperty("MouseIcon", QPixmap::fromImage(image));
  button.setProperty("HandPointer", true);
  button.setProperty("MousePointer", 2);
  EXPECT_TRUE(button.HandPointer());
  EXPECT_EQ(button.MousePointer(), 2) << "MousePointer comes after HandPointer in a form";
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

namespace {
// A value of `property` other than `current`, of its own type.
QVariant otherValue(const QMetaProperty& property, const QVariant& current) {
  if (property.isEnumType()) {
    const QMetaEnum names = property.enumerator();
    return current.toInt() == names.value(0) ? names.value(1) : names.value(0);
  }
  switch (current.metaType().id()) {
  case QMetaType::Bool:
    return !current.toBool();
  case QMetaType::Int:
    return current.toInt() == 255 ? 254 : current.toInt() + 1;
  case QMetaType::QString:
    return current.toString() + QStringLiteral("x");
  case QMetaType::QColor:
    return current.value<QColor>() == QColor(1, 2, 3) ? QColor(4, 5, 6) : QColor(1, 2, 3);
  case QMetaType::QFont: {
    QFont font;
    font.setItalic(!current.value<QFont>().italic());
    return font;
  }
  case QMetaType::QPixmap: {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(current.value<QPixmap>().isNull() ? Qt::red : Qt::blue);
    return QPixmap::fromImage(image);
  }
  }
  return {};
}
} // namespace

// Every writable property, in declaration order (PictureNormal before the
// pictures it would take the place of, Mode before Value): a change emits
// its NameChanged once with the new value, the same value written back none.
TEST(PropertyView, EveryWritablePropertyNotifiesOncePerRealChange) {
  vexabutton button;
  button.InitProperties();
  const QMetaObject& meta = vexabutton::staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    if (!property.isWritable())
      continue;
    SCOPED_TRACE(property.name());
    ASSERT_TRUE(property.hasNotifySignal());
    EXPECT_EQ(property.notifySignal().name(), QByteArray(property.name()) + "Changed");
    QSignalSpy spy(&button, property.notifySignal());
    const QVariant changed = otherValue(property, property.read(&button));
    ASSERT_TRUE(property.write(&button, changed));
    ASSERT_EQ(spy.count(), 1);
    if (property.metaType() != QMetaType::fromType<QPixmap>()) {
      EXPECT_EQ(spy.first().value(0), property.read(&button)) << "with the new value";
    }
    property.write(&button, property.read(&button));
    EXPECT_EQ(spy.count(), 1) << "the same value again";
  }
}

TEST(PropertyView, ALoadThatChangesAValueNotifiesIt) {
  vexabutton button;
  button.InitProperties();
  platform::PropertyBag bag;
  button.WriteProperties(bag);
  QSignalSpy caption(&button, &vexabutton::CaptionChanged), style(&button, &vexabutton::ButtonStyleChanged);
  bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("Nova"));
  ASSERT_TRUE(button.ReadProperties(bag));
  EXPECT_EQ(caption.count(), 1);
  EXPECT_EQ(style.count(), 0) << "read back as it was";
}

// Through a QWidget*, as layouts, forms and Qt's tools reach the control.
TEST(PropertyView, QWidgetsSettersAndTheControlsPropertiesAreOne) {
  vexabutton button;
  button.InitProperties();
  button.setFont(std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 9.75, 400, 238));
  QWidget* widget = &button;
  QSignalSpy tip(&button, &vexabutton::ToolTipChanged), font(&button, &vexabutton::FontChanged),
      enabled(&button, &vexabutton::EnabledChanged);

  widget->setToolTip(QStringLiteral("Savet"));
  EXPECT_EQ(button.ToolTip(), QStringLiteral("Savet"));
  platform::PropertyBag bag;
  button.WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty(QStringLiteral("ToolTip")).toString(), QStringLiteral("Savet")) << "and it is saved";

  widget->setEnabled(false);
  EXPECT_FALSE(button.Enabled());
  widget->setEnabled(false);

  QFont italic;
  italic.setItalic(true);
  widget->setFont(italic);
  EXPECT_TRUE(button.Font()->Italic());
  EXPECT_EQ(button.Font()->Charset(), 238) << "what the QFont does not set stays";
  EXPECT_EQ(widget->font().family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(widget->font().pointSizeF(), 9.75);
  button.Font()->setUnderline(true); // the shared font, changed in place
  EXPECT_TRUE(widget->font().underline());
  EXPECT_EQ(std::tuple(tip.count(), enabled.count(), font.count()), std::tuple(1, 1, 2));

  bag.WriteProperty(QStringLiteral("ToolTip"), QStringLiteral("Iz sloga"));
  bag.WriteProperty(QStringLiteral("Enabled"), true);
  ASSERT_TRUE(button.ReadProperties(bag));
  EXPECT_EQ(widget->toolTip(), QStringLiteral("Iz sloga"));
  EXPECT_TRUE(widget->isEnabled());

  // Qt's own tip never shows beside the control's tip window.
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &help);
  EXPECT_FALSE(QToolTip::isVisible());
}
