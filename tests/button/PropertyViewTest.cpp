// SPDX-License-Identifier: MIT
// The Q_PROPERTYs as Qt's tools use them: names and numbers for the named
// values, colours, fonts and pictures in Qt's types, the change signals,
// and the font, tool tip and enabled state shared with QWidget.
#include "button/model/vexabutton.h"
#include "button/model/vexabutton_p.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QToolTip>

#include <gtest/gtest.h>

#include <tuple>

TEST(PropertyView, NamedValuesTakeNumbersOrNamesAndKeepValuesWithoutAName) {
  vexabutton button;
  initProperties(button);
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
  initProperties(button);
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
  initProperties(button);
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
  initProperties(button);
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
// A value of `property`'s own type other than `now`.
QVariant otherValue(const QMetaProperty& property, const QVariant& now) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(now.value<QPixmap>().isNull() ? Qt::red : Qt::blue);
  QFont italic;
  italic.setItalic(!now.value<QFont>().italic());
  switch (property.isEnumType() ? int(QMetaType::Int) : now.metaType().id()) {
  case QMetaType::Int:
    return now.toInt() == 1 ? 2 : 1;
  case QMetaType::QColor:
    return now.value<QColor>() == Qt::red ? QColor(Qt::blue) : QColor(Qt::red);
  case QMetaType::QFont:
    return italic;
  case QMetaType::QPixmap:
    return QPixmap::fromImage(image);
  }
  return now.metaType().id() == QMetaType::Bool ? QVariant(!now.toBool()) : QVariant(now.toString() + "x");
}
} // namespace

// Every writable property, in declaration order (PictureNormal before the
// pictures it would take the place of, Mode before Value): a change emits
// its NameChanged once with the new value, the same value written back none.
TEST(PropertyView, EveryWritablePropertyNotifiesOncePerRealChange) {
  vexabutton button;
  initProperties(button);
  const QMetaObject& meta = vexabutton::staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    if (!property.isWritable() || !property.isStored())
      continue; // Qt's names for the same state (text, checked...) notify as the stored property
    SCOPED_TRACE(property.name());
    EXPECT_EQ(property.notifySignal().name(), QByteArray(property.name()) + "Changed");
    QSignalSpy spy(&button, property.notifySignal());
    ASSERT_TRUE(property.write(&button, otherValue(property, property.read(&button))));
    ASSERT_EQ(spy.count(), 1);
    if (property.metaType() != QMetaType::fromType<QPixmap>()) {
      EXPECT_EQ(spy.first().value(0), property.read(&button)) << "with the new value";
    }
    property.write(&button, property.read(&button));
    EXPECT_EQ(spy.count(), 1) << "the same value again";
  }
}

// Through a QWidget*, as layouts, forms and Qt's tools reach the control.
TEST(PropertyView, QWidgetsSettersAndTheControlsPropertiesAreOne) {
  vexabutton button;
  initProperties(button);
  button.setFont(std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 9.75, 400, 238));
  QWidget* widget = &button;
  QSignalSpy tip(&button, &vexabutton::ToolTipChanged), font(&button, &vexabutton::FontChanged),
      enabled(&button, &vexabutton::EnabledChanged);
  widget->setToolTip(QStringLiteral("Savet"));
  widget->setEnabled(false);
  widget->setEnabled(false);
  QFont italic;
  italic.setItalic(true);
  widget->setFont(italic);
  EXPECT_EQ(std::tuple(button.ToolTip(), button.Enabled(), button.Font()->Italic(), button.Font()->Charset()),
            std::tuple(QStringLiteral("Savet"), false, true, 238))
      << "what the QFont does not set stays";
  EXPECT_EQ(std::tuple(widget->font().family(), widget->font().pointSizeF()),
            std::tuple(QStringLiteral("Tahoma"), 9.75));
  button.Font()->setUnderline(true); // the shared font, changed in place
  EXPECT_TRUE(widget->font().underline());

  // A load that changes a value is a change like any other.
  platform::PropertyBag bag;
  button.WriteProperties(bag);
  bag.WriteProperty(QStringLiteral("ToolTip"), QStringLiteral("Iz sloga"));
  bag.WriteProperty(QStringLiteral("Enabled"), true);
  ASSERT_TRUE(button.ReadProperties(bag));
  EXPECT_EQ(std::tuple(widget->toolTip(), widget->isEnabled()), std::tuple(QStringLiteral("Iz sloga"), true));
  EXPECT_EQ(std::tuple(tip.count(), enabled.count(), font.count()), std::tuple(2, 2, 2));

  // Qt's own tip never shows beside the control's tip window.
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &help);
  EXPECT_FALSE(QToolTip::isVisible());
}

// The header declares each accessor in words; the property list is what the
// library defines them from. A row added, retyped or given a stored setter
// without the header following fails to compile here.
namespace {
struct DeclaredAsListed : vexabutton {
  static constexpr bool check() {
#define VEXA_GETTER(Name, Type, ...)                                                                                   \
  static_assert(std::is_same_v<decltype(&vexabutton::Name), Type (vexabutton::*)() const>);
#define VEXA_SETTER(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)                 \
  VEXA_SETTER_##Setter(Name, Type)
#define VEXA_SETTER_Stored(Name, Type) (void)static_cast<void (vexabutton::*)(vexa::In<Type>)>(&vexabutton::set##Name);
#define VEXA_SETTER_Own(Name, Type)
#define VEXA_SETTER_Widget(Name, Type)
    VEXA_BUTTON_PROPERTIES(VEXA_GETTER)
    VEXA_BUTTON_PROPERTIES(VEXA_SETTER)
#undef VEXA_GETTER
#undef VEXA_SETTER
#undef VEXA_SETTER_Stored
#undef VEXA_SETTER_Own
#undef VEXA_SETTER_Widget
    return true;
  }
};
static_assert(DeclaredAsListed::check());
} // namespace
