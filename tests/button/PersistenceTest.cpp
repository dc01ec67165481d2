#include "button/model/vexabutton_p.h"

#include "platform/SystemColors.h"

#include <QImage>
#include <QMetaProperty>

#include <gtest/gtest.h>

using platform::Picture;
using platform::PicturePtr;
using platform::PropertyBag;
using platform::SharedFont;
using platform::SharedFontPtr;
namespace colours = platform::SystemColors;

namespace {

constexpr qint32 ButtonFace = 0xC8D0D4; // the fixed test table
constexpr qint32 InfoBackground = 0xE1FFFF;

// A control in a design-time host of its own (no subclassing).
struct Fixture {
  platform::StandaloneHost host;
  std::unique_ptr<vexabutton> button;
  Fixture() {
    host.setUserMode(false);
    button = std::make_unique<vexabutton>(nullptr, &host);
    button->resize(121, 33);
  }
};

QVariant font(const QString& face, double size, int weight = 400, int charset = 0) {
  return QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>(face, size, weight, charset)));
}

PicturePtr picture(QRgb colour) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(colour);
  return Picture::fromImage(image);
}

// The stored values of the program's check button, as its form keeps them.
PropertyBag checkButtonBag() {
  PropertyBag bag;
  bag.WriteProperty("_extentx", 3201);
  bag.WriteProperty("_extenty", 873);
  bag.WriteProperty("buttonstyle", 13);
  bag.WriteProperty("font", font("Tahoma", 9.75, 700));
  bag.WriteProperty("backcolor", 0);
  bag.WriteProperty("caption", QStringLiteral("Provera (3)"));
  bag.WriteProperty("pictureeffectonover", 0);
  bag.WriteProperty("pictureeffectondown", 0);
  bag.WriteProperty("captioneffects", 0);
  bag.WriteProperty("tooltipbackcolor", 0);
  return bag;
}

} // namespace

TEST(Persistence, AnEmptyBagYieldsTheReadDefaults) {
  Fixture f;
  ASSERT_TRUE(f.button->ReadProperties(PropertyBag()));
  const ButtonRecord& r = recordOf(*f.button);
  EXPECT_EQ(r.ButtonStyle, 1);
  EXPECT_TRUE(r.Enabled);
  EXPECT_TRUE(r.UseMaskColor);
  EXPECT_EQ(r.MaskColor, 0xE0E0E0);
  EXPECT_EQ(r.PictureOpacity, 255);
  EXPECT_EQ(r.PictureOpacityOnOver, 255);
  EXPECT_EQ(r.PictureAlign, 1);
  EXPECT_EQ(r.CaptionAlign, 1);
  EXPECT_EQ(r.PictureEffectOnOver, 1);
  EXPECT_EQ(r.PictureEffectOnDown, 2);
  EXPECT_FALSE(r.ShowFocusRect);
  EXPECT_EQ(r.BackColor, ButtonFace);
  EXPECT_EQ(r.ForeColor, 0);
  EXPECT_EQ(r.ForeColorHover, 0);
  EXPECT_EQ(r.TooltipBackColor, InfoBackground);
  EXPECT_EQ(r.Caption, "vexabutton");
  EXPECT_FALSE(r.HandPointer);
  EXPECT_FALSE(r.HandCursor);
  ASSERT_TRUE(r.mFont);
  EXPECT_TRUE(r.mFont->sameAs(*f.host.ambientFont()));
  EXPECT_NE(r.mFont, f.host.ambientFont()) << "the control keeps its own copy of the ambient font";
  EXPECT_EQ(f.button->MousePointer(), 0);
  EXPECT_FALSE(f.button->MouseIcon());
}

TEST(Persistence, SystemColourDefaultsFollowTheColoursAtReadingTime) {
  Fixture f;
  colours::installFixedTable({{colours::ButtonFace, 0x112233}, {colours::ButtonText, 0x445566}});
  const bool ok = f.button->ReadProperties(PropertyBag());
  colours::installClassicTable();
  ASSERT_TRUE(ok);
  EXPECT_EQ(f.button->BackColor(), 0x112233);
  EXPECT_EQ(f.button->ForeColor(), 0x445566);
  EXPECT_EQ(f.button->ForeColorHover(), 0x445566);
}

TEST(Persistence, TheFormsLowerCaseBagLoadsTheCheckButton) {
  Fixture f;
  QString error;
  ASSERT_TRUE(f.button->ReadProperties(checkButtonBag(), &error)) << error.toStdString();
  const ButtonRecord& r = recordOf(*f.button);
  EXPECT_EQ(r.ButtonStyle, 13);
  EXPECT_EQ(r.BackColor, 0);
  EXPECT_EQ(r.Caption, "Provera (3)");
  EXPECT_EQ(r.PictureEffectOnOver, 0);
  EXPECT_EQ(r.PictureEffectOnDown, 0);
  EXPECT_EQ(r.TooltipBackColor, 0);
  EXPECT_TRUE(r.mFont->sameAs(SharedFont("Tahoma", 9.75, 700, 0)));
  EXPECT_EQ(surfaceOf(*f.button).font().pixelSize(), 13);
  EXPECT_EQ(surfaceOf(*f.button).font().weight(), QFont::Bold);
  EXPECT_EQ(r.ClientWidth, 121);
  EXPECT_EQ(r.ClientHeight, 33);
  EXPECT_TRUE(vexabutton::unknownKeys(checkButtonBag()).isEmpty());
}

TEST(Persistence, TheFontReadIsACopyThatTheControlFollows) {
  Fixture f;
  PropertyBag bag;
  const auto stored = std::make_shared<SharedFont>("Tahoma", 9.75);
  bag.WriteProperty("Font", QVariant::fromValue(SharedFontPtr(stored)));
  ASSERT_TRUE(f.button->ReadProperties(bag));
  stored->setSize(20); // the bag's object is not the control's
  EXPECT_EQ(f.button->Font()->Size(), 9.75);

  f.host.changedNames.clear();
  f.button->Font()->setSize(12); // e.g. through the host's font dialog
  EXPECT_EQ(f.host.changedNames, QStringList{"Font"});
  EXPECT_EQ(surfaceOf(*f.button).font().pixelSize(), 16);
}

TEST(Persistence, ANewInstanceSavesItsNonDefaultKeysAndLoadsBackTheSame) {
  Fixture f;
  f.host.setDisplayName("vexabutton1");
  f.button->InitProperties();
  const ButtonRecord& r = recordOf(*f.button);
  EXPECT_EQ(r.ButtonStyle, 13);
  EXPECT_EQ(r.BackColor, 0);
  EXPECT_EQ(r.Caption, "vexabutton1");
  EXPECT_TRUE(r.mFont->sameAs(SharedFont("Tahoma", 8.25)));

  PropertyBag bag;
  f.button->WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("ButtonStyle").toInt(), 13);
  EXPECT_EQ(bag.ReadProperty("PictureEffectOnOver").toInt(), 0);
  EXPECT_EQ(bag.ReadProperty("PictureEffectOnDown").toInt(), 0);
  EXPECT_EQ(bag.ReadProperty("BackColor").toInt(), 0);
  EXPECT_EQ(bag.ReadProperty("TooltipBackColor").toInt(), 0);
  EXPECT_EQ(bag.ReadProperty("Caption").toString(), "vexabutton1");
  EXPECT_FALSE(bag.contains("Font")) << "equal to the host's font";
  EXPECT_FALSE(bag.contains("ForeColor")) << "the button-text colour";
  EXPECT_FALSE(bag.contains("ForeColorHover")) << "0 is the button-text colour here";

  // Saved keys come in the writing order.
  const QStringList order = vexabutton::persistedKeys();
  int last = -1;
  for (const QString& key : bag.keys()) {
    const int at = order.indexOf(key);
    ASSERT_GT(at, last) << key.toStdString();
    last = at;
  }

  Fixture g;
  ASSERT_TRUE(g.button->ReadProperties(bag));
  EXPECT_EQ(g.button->ButtonStyle(), 13);
  EXPECT_EQ(g.button->PictureEffectOnOver(), 0);
  EXPECT_EQ(g.button->PictureEffectOnDown(), 0);
  EXPECT_EQ(g.button->BackColor(), 0);
  EXPECT_EQ(g.button->Caption(), "vexabutton1");
}

TEST(Persistence, EveryPropertySurvivesASaveAndALoadThroughJson) {
  Fixture f;
  f.button->setButtonStyle(7);
  f.button->setColorScheme(2); // style and scheme first: their defaults touch other properties
  f.button->setShowFocusRect(true);
  f.button->setEnabled(false);
  f.button->setFont(std::make_shared<SharedFont>("Calibri", 11.25, 700, 238, true));
  f.button->setBackColor(0x8000000F);
  f.button->setCaption("O &Programu");
  f.button->setForeColor(0x0000C0);
  f.button->setForeColorHover(0x00FF00);
  f.button->setMode(1);
  f.button->setValue(true);
  f.button->setMouseIcon(picture(0xff00ffff)); // turns HandPointer off: set first
  f.button->setHandPointer(true);
  ASSERT_TRUE(f.button->setMousePointer(11)); // after HandPointer, which resets it
  f.button->setPictureNormal(picture(0xff0000ff));
  f.button->setPictureHot(picture(0xff00ff00));
  f.button->setPictureDown(picture(0xffff0000));
  f.button->setPictureAlign(8);
  f.button->setPictureEffectOnOver(2);
  f.button->setPictureEffectOnDown(0);
  f.button->setPicturePushOnHover(true);
  f.button->setPictureShadow(true);
  ASSERT_TRUE(f.button->setPictureOpacity(0));
  ASSERT_TRUE(f.button->setPictureOpacityOnOver(128));
  f.button->setDisabledPictureMode(1);
  f.button->setCaptionEffects(5);
  f.button->setUseMaskColor(false);
  f.button->setMaskColor(0xFF00FF);
  f.button->setCaptionAlign(2);
  f.button->setToolTip("Tip");
  f.button->setToolTipType(1);
  f.button->setToolTipIcon(3);
  f.button->setTooltipTitle("Title");
  f.button->setTooltipBackColor(-1);
  f.button->setRightToLeft(true);
  f.button->setDropDownSymbol(6);
  f.button->setDropDownSeparator(true);

  PropertyBag saved;
  f.button->WriteProperties(saved);
  EXPECT_EQ(saved.keys().join(",").toStdString(), vexabutton::persistedKeys().join(",").toStdString())
      << "every key differs from its default";
  QString error;
  const auto loaded = PropertyBag::fromJson(saved.toJson(), &error);
  ASSERT_TRUE(loaded) << error.toStdString();

  Fixture g;
  ASSERT_TRUE(g.button->ReadProperties(*loaded, &error)) << error.toStdString();
  PropertyBag again;
  g.button->WriteProperties(again);
  EXPECT_EQ(again.toJson(), saved.toJson());

  const ButtonRecord& a = recordOf(*f.button);
  const ButtonRecord& b = recordOf(*g.button);
  EXPECT_EQ(b.ButtonStyle, 7);
  EXPECT_TRUE(b.ShowFocusRect);
  EXPECT_FALSE(b.Enabled);
  EXPECT_FALSE(g.button->isEnabled());
  EXPECT_TRUE(b.mFont->sameAs(*a.mFont));
  EXPECT_EQ(b.BackColor, qint32(0x8000000F));
  EXPECT_EQ(b.Caption, "O &Programu");
  EXPECT_EQ(b.ForeColor, 0x0000C0);
  EXPECT_EQ(b.ForeColorHover, 0x00FF00);
  EXPECT_EQ(b.Mode, 1);
  EXPECT_TRUE(b.Value);
  EXPECT_EQ(g.button->MousePointer(), 11);
  ASSERT_TRUE(g.button->MouseIcon());
  EXPECT_EQ(g.button->MouseIcon()->image, f.button->MouseIcon()->image);
  EXPECT_TRUE(b.HandPointer);
  EXPECT_TRUE(b.HandCursor);
  EXPECT_EQ(b.PictureNormal->image, a.PictureNormal->image);
  EXPECT_EQ(b.PictureHot->image, a.PictureHot->image);
  EXPECT_EQ(b.PictureDown->image, a.PictureDown->image);
  EXPECT_EQ(b.PictureAlign, 8);
  EXPECT_EQ(b.PictureEffectOnOver, 2);
  EXPECT_EQ(b.PictureEffectOnDown, 0);
  EXPECT_TRUE(b.PicturePushOnHover);
  EXPECT_TRUE(b.PictureShadow);
  EXPECT_EQ(b.PictureOpacity, 0);
  EXPECT_EQ(b.PictureOpacityOnOver, 128);
  EXPECT_EQ(b.DisabledPictureMode, 1);
  EXPECT_EQ(b.CaptionEffects, 5);
  EXPECT_FALSE(b.UseMaskColor);
  EXPECT_EQ(b.MaskColor, 0xFF00FF);
  EXPECT_EQ(b.CaptionAlign, 2);
  EXPECT_EQ(b.ToolTip, "Tip");
  EXPECT_EQ(b.TooltipType, 1);
  EXPECT_EQ(b.TooltipIcon, 3);
  EXPECT_EQ(b.TooltipTitle, "Title");
  EXPECT_EQ(b.TooltipBackColor, -1);
  EXPECT_TRUE(b.RightToLeft);
  EXPECT_TRUE(b.Tooltip.rightToLeft);
  EXPECT_EQ(b.DropDownSymbol, 6);
  EXPECT_TRUE(b.DropDownSeparator);
  EXPECT_EQ(b.ColorScheme, 3) << "custom since BackColor was set";
}

TEST(Persistence, KeysAtTheirDefaultsComeBackAsTheReadDefaults) {
  Fixture f;
  ASSERT_TRUE(f.button->ReadProperties(PropertyBag()));
  f.button->setForeColorHover(0); // black, the button-text colour of the test table
  f.button->setRightToLeft(false);
  PropertyBag bag;
  f.button->WriteProperties(bag);
  EXPECT_FALSE(bag.contains("ForeColorHover"));
  EXPECT_FALSE(bag.contains("Caption")) << "\"vexabutton\" is the default both ways";

  colours::installFixedTable({{colours::ButtonText, 0x0000FF}});
  Fixture g;
  const bool ok = g.button->ReadProperties(bag);
  colours::installClassicTable();
  ASSERT_TRUE(ok);
  EXPECT_EQ(g.button->ForeColorHover(), 0x0000FF) << "follows the loading machine's button-text colour";
  EXPECT_EQ(g.button->Caption(), "vexabutton");
}

TEST(Persistence, StoredRightToLeftSetsBothFlagsAndHandPointerLoadsTheHandPointer) {
  Fixture f;
  PropertyBag bag;
  bag.WriteProperty("righttoleft", true);
  bag.WriteProperty("handpointer", true);
  ASSERT_TRUE(f.button->ReadProperties(bag));
  EXPECT_TRUE(recordOf(*f.button).RightToLeft);
  EXPECT_TRUE(recordOf(*f.button).Tooltip.rightToLeft);
  EXPECT_TRUE(f.button->HandPointer());
  EXPECT_TRUE(recordOf(*f.button).HandCursor);

  vexabuttonPrivate::setSystemHandPointerAvailable(false);
  Fixture g;
  const bool ok = g.button->ReadProperties(bag);
  vexabuttonPrivate::setSystemHandPointerAvailable(true);
  ASSERT_TRUE(ok);
  EXPECT_FALSE(g.button->HandPointer()) << "no hand pointer to load";
  EXPECT_FALSE(recordOf(*g.button).HandCursor);
}

TEST(Persistence, AValueOfTheWrongTypeFailsTheLoadNamingTheKeyAndKeepsTheRecord) {
  const QVariant text = QStringLiteral("abc");
  const QVariant aFont = font("Tahoma", 9);
  struct Case {
    const char* key;
    QVariant value;
    const char* expected;
  } cases[] = {
      {"ButtonStyle", text, "whole number"},
      {"ShowFocusRect", text, "True or False"},
      {"Font", text, "font"},
      {"Font", QVariant(5), "a font"},
      {"Font", QVariant::fromValue(SharedFontPtr()), "a font"},
      {"BackColor", text, "colour"},
      {"BackColor", QVariant(qlonglong(0x100000000LL)), "colour"},
      {"BackColor", QStringLiteral("0x-1"), "colour"},
      {"Font", QStringLiteral("Tahoma,nan,400,0"), "from 1 to 2000"},
      {"Enabled", aFont, "True or False"},
      {"Caption", true, "text"},
      {"Caption", aFont, "text"},
      {"Value", 2.5, "True or False"},
      {"MousePointer", 40000, "-32768 to 32767"},
      {"MousePointer", text, "whole number"},
      {"HandPointer", text, "True or False"},
      {"MouseIcon", text, "picture"},
      {"PictureNormal", 1, "picture"},
      {"PictureHot", aFont, "picture"},
      {"PictureDown", true, "picture"},
      {"PictureShadow", QVariant::fromValue(PicturePtr()), "True or False"},
      {"PictureOpacity", 256, "0 to 255"},
      {"PictureOpacity", -1, "0 to 255"},
      {"PictureOpacityOnOver", text, "0 to 255"},
      {"DisabledPictureMode", 1.5, "whole number"},
      {"PicturePushOnHover", text, "True or False"},
      {"PictureEffectOnOver", text, "whole number"},
      {"PictureEffectOnDown", qlonglong(1) << 40, "whole number"},
      {"MaskColor", text, "colour"},
      {"UseMaskColor", text, "True or False"},
      {"CaptionEffects", text, "whole number"},
      {"Mode", text, "whole number"},
      {"PictureAlign", true, "whole number"},
      {"CaptionAlign", text, "whole number"},
      {"ForeColor", text, "colour"},
      {"ForeColorHover", 1.25, "colour"},
      {"DropDownSeparator", text, "True or False"},
      {"TooltipTitle", QVariant::fromValue(PicturePtr()), "text"},
      {"ToolTip", aFont, "text"},
      {"TooltipIcon", text, "whole number"},
      {"TooltipType", text, "whole number"},
      {"TooltipBackColor", text, "colour"},
      {"RightToLeft", text, "True or False"},
      {"DropDownSymbol", text, "whole number"},
      {"ColorScheme", text, "whole number"},
  };
  Fixture f;
  ASSERT_TRUE(f.button->ReadProperties(checkButtonBag()));
  PropertyBag before;
  f.button->WriteProperties(before);
  const auto fontBefore = f.button->Font();

  for (const auto& c : cases) {
    PropertyBag bag = checkButtonBag();
    bag.WriteProperty("Caption", QStringLiteral("Changed")); // an earlier key that must not stick
    bag.WriteProperty(QString::fromLatin1(c.key).toLower(), c.value);
    QString error;
    EXPECT_FALSE(f.button->ReadProperties(bag, &error)) << c.key;
    EXPECT_TRUE(error.contains(QStringLiteral("\"%1\"").arg(QLatin1String(c.key)))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(c.expected))) << error.toStdString();
    PropertyBag after;
    f.button->WriteProperties(after);
    EXPECT_EQ(after.toJson(), before.toJson()) << c.key;
    EXPECT_EQ(f.button->Font(), fontBefore);
  }
}

TEST(Persistence, CleanTextNumbersAndUnsignedColoursAreAccepted) {
  Fixture f;
  PropertyBag bag;
  bag.WriteProperty("ButtonStyle", QStringLiteral(" 13 "));
  bag.WriteProperty("Enabled", QStringLiteral("false"));
  bag.WriteProperty("Value", -1); // True as older layouts store it
  bag.WriteProperty("Mode", 1.0);
  bag.WriteProperty("PictureOpacity", QStringLiteral("200"));
  bag.WriteProperty("ForeColor", qlonglong(0x80000012u));
  bag.WriteProperty("BackColor", QStringLiteral("&H8000000F&"));
  bag.WriteProperty("MaskColor", QStringLiteral("0xFF00FF"));
  bag.WriteProperty("Caption", 42);
  bag.WriteProperty("Font", QStringLiteral("Tahoma,9.75,700,0"));
  QString error;
  ASSERT_TRUE(f.button->ReadProperties(bag, &error)) << error.toStdString();
  EXPECT_EQ(f.button->ButtonStyle(), 13);
  EXPECT_FALSE(f.button->Enabled());
  EXPECT_TRUE(f.button->Value());
  EXPECT_EQ(f.button->Mode(), 1);
  EXPECT_EQ(f.button->PictureOpacity(), 200);
  EXPECT_EQ(f.button->ForeColor(), qint32(0x80000012));
  EXPECT_EQ(f.button->BackColor(), qint32(0x8000000F));
  EXPECT_EQ(f.button->MaskColor(), 0xFF00FF);
  EXPECT_EQ(f.button->Caption(), "42");
  EXPECT_TRUE(f.button->Font()->sameAs(SharedFont("Tahoma", 9.75, 700)));
}

TEST(Persistence, UnknownKeysAreIgnoredByTheLoadAndListedByName) {
  Fixture f;
  PropertyBag bag = checkButtonBag();
  bag.WriteProperty("Colour", 5);
  bag.WriteProperty("ToolTipStyle", 1);
  bag.WriteProperty("TOOLTIPICON", 2); // the key in another letter case
  ASSERT_TRUE(f.button->ReadProperties(bag));
  EXPECT_EQ(f.button->ToolTipIcon(), 2);
  EXPECT_EQ(vexabutton::unknownKeys(bag), (QStringList{"Colour", "ToolTipStyle"}));
}

TEST(Persistence, MalformedJsonNeverReachesTheControl) {
  QString error;
  EXPECT_FALSE(PropertyBag::fromJson("{\"buttonstyle\": 13, \"font\": {\"Font\": \"Tahoma,x,700,0\"}}", &error));
  EXPECT_TRUE(error.contains("\"font\"")) << error.toStdString();
}

TEST(Persistence, HelpStringsAreThoseOfThePropertyBrowser) {
  EXPECT_EQ(vexabutton::helpString("PictureEffectOnOver"),
            "Returns/Sets the Picture Effects to be applied when the mouseis over the control.");
  EXPECT_EQ(vexabutton::helpString("hwnd"), "Returns a handle that uniquely identifies the control.");
  EXPECT_EQ(vexabutton::helpString("MouseEnter"), "Occrus when the cursor moves around the button for the first time.");
  EXPECT_EQ(vexabutton::helpString("OpenWebsite"), "Opens a website specified by URL");
  EXPECT_EQ(vexabutton::helpString("Nothing"), "");
}

// Each value survives a save and a load, and the save leaves the key out
// exactly at the value a missing key reads as.
TEST(Persistence, NamedValuesRoundTripAndAreLeftOutExactlyAtTheirReadDefault) {
  const std::pair<const char*, int> properties[] = {
      {"PictureEffectOnDown", 2}, {"PictureEffectOnOver", 1}, {"PictureAlign", 1}, {"CaptionEffects", 0}};
  for (const auto& [key, readDefault] : properties)
    for (int value = 0; value <= 3; ++value) {
      Fixture f, g;
      PropertyBag bag, saved, again;
      bag.WriteProperty(key, value);
      ASSERT_TRUE(f.button->ReadProperties(bag));
      f.button->WriteProperties(saved);
      EXPECT_EQ(saved.contains(key), value != readDefault) << key << " " << value;
      ASSERT_TRUE(g.button->ReadProperties(saved));
      g.button->WriteProperties(again);
      EXPECT_EQ(again.ReadProperty(key, readDefault).toInt(), value) << key;
    }
}

// Qt's tools see every stored property, under the name the control knows it by.
TEST(Persistence, ThePropertyViewShowsEveryStoredProperty) {
  const QMetaObject& meta = vexabutton::staticMetaObject;
  QStringList view;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
    if (meta.property(i).isStored())
      view << QLatin1String(meta.property(i).name());
#define VEXA_NAME(Name, ...) QStringLiteral(#Name),
  QStringList stored = {VEXA_BUTTON_PROPERTIES(VEXA_NAME)};
#undef VEXA_NAME
  view.sort();
  stored.sort();
  EXPECT_EQ(view, stored);
}
