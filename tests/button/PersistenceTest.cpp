// SPDX-License-Identifier: MIT
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
  const vexabutton& b = *f.button;
  const qint64 numbers[][2] = {
      {b.ButtonStyle(), 1},         {b.MaskColor(), 0xE0E0E0},
      {b.PictureOpacity(), 255},    {b.PictureOpacityOnOver(), 255},
      {b.PictureAlign(), 1},        {b.CaptionAlign(), 1},
      {b.PictureEffectOnOver(), 1}, {b.PictureEffectOnDown(), 2},
      {b.BackColor(), ButtonFace},  {b.ForeColor(), 0},
      {b.ForeColorHover(), 0},      {b.TooltipBackColor(), InfoBackground},
      {b.MousePointer(), 0},
  };
  for (const auto& [got, expected] : numbers)
    EXPECT_EQ(got, expected);
  EXPECT_EQ(
      (std::vector<bool>{b.Enabled(), b.UseMaskColor(), b.ShowFocusRect(), b.HandPointer(), recordOf(b).HandCursor}),
      (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(b.Caption(), "vexabutton");
  ASSERT_TRUE(b.Font());
  EXPECT_TRUE(b.Font()->sameAs(*f.host.ambientFont()));
  EXPECT_NE(b.Font(), f.host.ambientFont()) << "the control keeps its own copy of the ambient font";
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
  const vexabutton& b = *f.button;
  const ButtonRecord& r = recordOf(b);
  EXPECT_EQ((std::vector<qint32>{b.ButtonStyle(), b.BackColor(), b.PictureEffectOnOver(), b.PictureEffectOnDown(),
                                 b.TooltipBackColor(), r.ClientWidth, r.ClientHeight}),
            (std::vector<qint32>{13, 0, 0, 0, 0, 121, 33}));
  EXPECT_EQ(b.Caption(), "Provera (3)");
  EXPECT_TRUE(b.Font()->sameAs(SharedFont("Tahoma", 9.75, 700, 0)));
  EXPECT_EQ(surfaceOf(b).font().pixelSize(), 13);
  EXPECT_EQ(surfaceOf(b).font().weight(), QFont::Bold);
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
  initProperties(*f.button);
  EXPECT_EQ(f.button->ButtonStyle(), 13);
  EXPECT_EQ(f.button->BackColor(), 0);
  EXPECT_EQ(f.button->Caption(), "vexabutton1");
  EXPECT_TRUE(f.button->Font()->sameAs(SharedFont("Tahoma", 8.25)));

  PropertyBag bag, again;
  f.button->WriteProperties(bag);
  const std::pair<const char*, QVariant> kept[] = {
      {"ButtonStyle", 13}, {"PictureEffectOnOver", 0}, {"PictureEffectOnDown", 0},
      {"BackColor", 0},    {"TooltipBackColor", 0},    {"Caption", QStringLiteral("vexabutton1")}};
  for (const auto& [key, value] : kept)
    EXPECT_EQ(bag.ReadProperty(key), value) << key;
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
  g.button->WriteProperties(again);
  EXPECT_EQ(again.toJson(), bag.toJson()) << "loads back the same";
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

  // Each value where it belongs, not only the same bag again.
  const vexabutton& a = *f.button;
  const vexabutton& b = *g.button;
  const qint64 numbers[][2] = {
      {b.ButtonStyle(), 7},
      {b.BackColor(), qint32(0x8000000F)},
      {b.ForeColor(), 0x0000C0},
      {b.ForeColorHover(), 0x00FF00},
      {b.Mode(), 1},
      {b.MousePointer(), 11},
      {b.PictureAlign(), 8},
      {b.PictureEffectOnOver(), 2},
      {b.PictureEffectOnDown(), 0},
      {b.PictureOpacity(), 0},
      {b.PictureOpacityOnOver(), 128},
      {b.DisabledPictureMode(), 1},
      {b.CaptionEffects(), 5},
      {b.MaskColor(), 0xFF00FF},
      {b.CaptionAlign(), 2},
      {b.ToolTipType(), 1},
      {b.ToolTipIcon(), 3},
      {b.TooltipBackColor(), -1},
      {b.DropDownSymbol(), 6},
      {b.ColorScheme(), 3}, // custom since BackColor was set
  };
  for (const auto& [got, expected] : numbers)
    EXPECT_EQ(got, expected);
  EXPECT_EQ((std::vector<bool>{b.ShowFocusRect(), b.Enabled(), g.button->isEnabled(), b.Value(), b.HandPointer(),
                               recordOf(b).HandCursor, b.PicturePushOnHover(), b.PictureShadow(), b.UseMaskColor(),
                               b.RightToLeft(), recordOf(b).Tooltip.rightToLeft, b.DropDownSeparator()}),
            (std::vector<bool>{true, false, false, true, true, true, true, true, false, true, true, true}));
  EXPECT_EQ((QStringList{b.Caption(), b.ToolTip(), b.TooltipTitle()}), (QStringList{"O &Programu", "Tip", "Title"}));
  EXPECT_TRUE(b.Font()->sameAs(*a.Font()));
  for (auto picture :
       {&vexabutton::MouseIcon, &vexabutton::PictureNormal, &vexabutton::PictureHot, &vexabutton::PictureDown}) {
    ASSERT_TRUE((b.*picture)());
    EXPECT_EQ((b.*picture)()->image, (a.*picture)()->image);
  }
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
  EXPECT_EQ((std::vector<bool>{f.button->RightToLeft(), recordOf(*f.button).Tooltip.rightToLeft,
                               f.button->HandPointer(), recordOf(*f.button).HandCursor}),
            std::vector<bool>(4, true));

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
  };
  std::vector<Case> cases = {
      {"Font", text, "font"},
      {"Font", QVariant(5), "a font"},
      {"Font", QVariant::fromValue(SharedFontPtr()), "a font"},
      {"BackColor", QVariant(qlonglong(0x100000000LL)), "colour"},
      {"BackColor", QStringLiteral("0x-1"), "colour"},
      {"Font", QStringLiteral("Tahoma,nan,400,0"), "from 1 to 2000"},
      {"Enabled", aFont, "True or False"},
      {"Caption", true, "text"},
      {"Caption", aFont, "text"},
      {"Value", 2.5, "True or False"},
      {"MousePointer", 40000, "-32768 to 32767"},
      {"MouseIcon", text, "picture"},
      {"PictureNormal", 1, "picture"},
      {"PictureHot", aFont, "picture"},
      {"PictureDown", true, "picture"},
      {"PictureShadow", QVariant::fromValue(PicturePtr()), "True or False"},
      {"PictureOpacity", 256, "0 to 255"},
      {"PictureOpacity", -1, "0 to 255"},
      {"PictureOpacityOnOver", text, "0 to 255"},
      {"DisabledPictureMode", 1.5, "whole number"},
      {"PictureEffectOnDown", qlonglong(1) << 40, "whole number"},
      {"PictureAlign", true, "whole number"},
      {"ForeColorHover", 1.25, "colour"},
      {"TooltipTitle", QVariant::fromValue(PicturePtr()), "text"},
      {"ToolTip", aFont, "text"},
  };
  // Text where a truth value, a number or a colour belongs.
  for (const char* key :
       {"ShowFocusRect", "HandPointer", "PicturePushOnHover", "UseMaskColor", "DropDownSeparator", "RightToLeft"})
    cases.push_back({key, text, "True or False"});
  for (const char* key : {"ButtonStyle", "MousePointer", "PictureEffectOnOver", "CaptionEffects", "Mode",
                          "CaptionAlign", "TooltipIcon", "TooltipType", "DropDownSymbol", "ColorScheme"})
    cases.push_back({key, text, "whole number"});
  for (const char* key : {"BackColor", "MaskColor", "ForeColor", "TooltipBackColor"})
    cases.push_back({key, text, "colour"});
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
