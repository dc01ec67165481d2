// SPDX-License-Identifier: MIT
#include "platform/PropertyBag.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using platform::Picture;
using platform::PicturePtr;
using platform::PropertyBag;
using platform::SharedFont;
using platform::SharedFontPtr;

namespace {
PicturePtr smallPicture(QRgb colour, int type = Picture::Bitmap) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(colour);
  return Picture::fromImage(image, type);
}
} // namespace

TEST(PropertyBag, KeysMatchWithoutRegardToCaseAndKeepTheirWritingOrder) {
  PropertyBag bag;
  bag.WriteProperty("Caption", QStringLiteral("OK"), QStringLiteral("vexabutton"));
  bag.WriteProperty("ButtonStyle", 13, 1);
  bag.WriteProperty("mode", 2, 0);
  EXPECT_EQ(bag.ReadProperty("caption").toString(), "OK");
  EXPECT_EQ(bag.ReadProperty("BUTTONSTYLE").toInt(), 13);
  EXPECT_EQ(bag.ReadProperty("Missing", 7).toInt(), 7);
  EXPECT_EQ(bag.keys(), (QStringList{"Caption", "ButtonStyle", "mode"}));

  // Rewriting keeps the place; writing the default removes the key.
  bag.WriteProperty("CAPTION", QStringLiteral("Cancel"), QStringLiteral("vexabutton"));
  EXPECT_EQ(bag.keys(), (QStringList{"Caption", "ButtonStyle", "mode"}));
  EXPECT_EQ(bag.ReadProperty("Caption").toString(), "Cancel");
  bag.WriteProperty("ButtonStyle", 1, 1);
  EXPECT_EQ(bag.keys(), (QStringList{"Caption", "mode"}));
}

TEST(PropertyBag, KeysRemovedFromTheMiddleLeaveEveryLaterKeyFindable) {
  PropertyBag bag;
  for (const char* key : {"A", "B", "Čas", "D"})
    bag.WriteProperty(key, 1, 0);
  bag.remove("b");
  bag.WriteProperty("A", 0, 0); // the default: removed too
  EXPECT_EQ(bag.ReadProperty("čAS").toInt(), 1);
  bag.WriteProperty("d", 7, 0);
  bag.WriteProperty("E", 8, 0);
  EXPECT_EQ(bag.keys(), (QStringList{"Čas", "D", "E"}));
  EXPECT_EQ(bag.ReadProperty("D").toInt(), 7);
  EXPECT_FALSE(bag.contains("B"));
}

TEST(PropertyBag, ValuesEqualToTheirWriteDefaultAreNotStored) {
  PropertyBag bag;
  bag.WriteProperty("A", 0, 0);
  bag.WriteProperty("B", false, false);
  bag.WriteProperty("C", QString(), QStringLiteral(""));
  bag.WriteProperty("D", QVariant::fromValue(PicturePtr()), QVariant::fromValue(PicturePtr()));
  bag.WriteProperty("E", QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>("Tahoma", 8.25))),
                    QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>("tahoma", 8.25))));
  bag.WriteProperty("F", qlonglong(5), 5);
  EXPECT_TRUE(bag.isEmpty()) << bag.keys().join(",").toStdString();

  // A Boolean is not equal to a number, nor a font of another size to the default.
  bag.WriteProperty("G", false, 0);
  bag.WriteProperty("H", QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>("Tahoma", 9.75))),
                    QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>("Tahoma", 8.25))));
  bag.WriteProperty("I", QVariant::fromValue(smallPicture(0xff0000)), QVariant::fromValue(PicturePtr()));
  EXPECT_EQ(bag.keys(), (QStringList{"G", "H", "I"}));
}

TEST(PropertyBag, JsonRoundTripKeepsEveryKindOfValueAndTheOrder) {
  PropertyBag bag;
  bag.WriteProperty("ButtonStyle", 13, 1);
  bag.WriteProperty("Enabled", false, true);
  bag.WriteProperty("Font",
                    QVariant::fromValue(SharedFontPtr(std::make_shared<SharedFont>("Tahoma", 9.75, 700, 238, true))),
                    QVariant());
  bag.WriteProperty("BackColor", qint32(0x8000000F), 0);
  bag.WriteProperty("Caption", QStringLiteral("O &Programu \"x\" \\ 1"), QString());
  bag.WriteProperty("PictureNormal", QVariant::fromValue(smallPicture(0x123456, Picture::Icon)), QVariant());
  bag.WriteProperty("MouseIcon", QVariant::fromValue(PicturePtr()), 0);
  auto withVariant = std::make_shared<Picture>(*smallPicture(0x0000ff));
  withVariant->highResolution = smallPicture(0x00ff00)->image.scaled(withVariant->image.size() * 2);
  bag.WriteProperty("PictureHot", QVariant::fromValue(PicturePtr(withVariant)), QVariant());

  const QByteArray json = bag.toJson();
  QString error;
  const auto back = PropertyBag::fromJson(json, &error);
  ASSERT_TRUE(back) << error.toStdString();
  EXPECT_EQ(back->keys(), bag.keys());
  EXPECT_EQ(back->ReadProperty("ButtonStyle").toInt(), 13);
  EXPECT_EQ(back->ReadProperty("Enabled").toBool(), false);
  EXPECT_EQ(back->ReadProperty("BackColor").toInt(), qint32(0x8000000F));
  EXPECT_EQ(back->ReadProperty("Caption").toString(), QStringLiteral("O &Programu \"x\" \\ 1"));
  const auto font = back->ReadProperty("Font").value<SharedFontPtr>();
  ASSERT_TRUE(font);
  EXPECT_TRUE(font->sameAs(SharedFont("Tahoma", 9.75, 700, 238, true)));
  const auto picture = back->ReadProperty("PictureNormal").value<PicturePtr>();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Type, Picture::Icon);
  EXPECT_EQ(picture->image.pixel(2, 1), 0xff123456u);
  EXPECT_FALSE(back->ReadProperty("MouseIcon").value<PicturePtr>());
  const auto hot = back->ReadProperty("PictureHot").value<PicturePtr>();
  ASSERT_TRUE(hot);
  EXPECT_EQ(hot->highResolution, withVariant->highResolution);
  EXPECT_EQ(back->toJson(), json);

  // A high-resolution variant that is not twice the size is refused by name.
  QJsonObject object = QJsonDocument::fromJson(json).object();
  QJsonObject stored = object["PictureHot"].toObject();
  stored["Png2x"] = stored["Png"];
  object["PictureHot"] = stored;
  EXPECT_FALSE(PropertyBag::fromJson(QJsonDocument(object).toJson(), &error));
  EXPECT_TRUE(error.contains("PictureHot") && error.contains("Png2x")) << error.toStdString();
}

TEST(PropertyBag, MalformedJsonAndBrokenEntriesFailWithTheKeyNamed) {
  struct Case {
    const char* json;
    const char* mentions;
  } cases[] = {
      {"{\"ButtonStyle\": 13,", "malformed"},
      {"[1, 2]", "one JSON object"},
      {"{\"Font\": {\"Font\": \"Tahoma,abc,400,0\"}}", "Font"},
      {"{\"Font\": {\"Font\": \"Tahoma\"}}", "Font"},
      {"{\"PictureNormal\": {\"Picture\": 1, \"Png\": \"not base64!\"}}", "PictureNormal"},
      {"{\"PictureHot\": {\"Picture\": 2, \"Png\": \"\"}}", "PictureHot"},
      {"{\"Caption\": [1, 2]}", "Caption"},
      {"{\"Mode\": {\"x\": 1}}", "Mode"},
      {"{\"Caption\": \"a\", \"caption\": \"b\"}", "more than once"},
      {"{\"Caption\": \"a\", \"Caption\": \"b\"}", "more than once"},
  };
  for (const auto& c : cases) {
    QString error;
    EXPECT_FALSE(PropertyBag::fromJson(c.json, &error)) << c.json;
    EXPECT_TRUE(error.contains(QLatin1String(c.mentions))) << c.json << " -> " << error.toStdString();
  }
}

TEST(PropertyBag, FromJsonKeepsTheOrderOfTheTextAndNumberKinds) {
  const auto bag = PropertyBag::fromJson(R"({"zeta": 1, "alpha": {"Font": "Tahoma,8.25,400,0"}, "mid": [], "x": 2})");
  EXPECT_FALSE(bag); // a list is no value
  const auto ok = PropertyBag::fromJson(R"({"zeta": 1, "Alpha": "s", "mid": 4294967295, "x": 2.5, "y": null})");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->keys(), (QStringList{"zeta", "Alpha", "mid", "x", "y"}));
  EXPECT_EQ(ok->ReadProperty("zeta").metaType().id(), QMetaType::Int);
  EXPECT_EQ(ok->ReadProperty("mid").toLongLong(), 4294967295LL);
  EXPECT_EQ(ok->ReadProperty("x").toDouble(), 2.5);
  EXPECT_EQ(ok->ReadProperty("y").metaType(), QMetaType::fromType<PicturePtr>());
}

TEST(PropertyBag, WholeNumberTextTakesDecimalAndHexDigitsOnly) {
  struct Case {
    const char* text;
    std::optional<qint64> hex;     // with allowHex
    std::optional<qint64> decimal; // without
  } cases[] = {
      {" -5 ", -5, -5},
      {"+7", 7, 7},
      {"0x80000012", 0x80000012LL, {}},
      {"&H8000000F&", 0x8000000FLL, {}},
      {"&hff", 0xFF, {}},
      {"0xFFFFFFFF", 0xFFFFFFFFLL, {}},
      {"0x-1", {}, {}},
      {"0x+1", {}, {}},
      {"&H-1&", {}, {}},
      {"0x 1", {}, {}},
      {"0x", {}, {}},
      {"0x123456789", {}, {}},
      {"12abc", {}, {}},
      {"", {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PropertyBag::parseWholeNumber(c.text, true), c.hex) << c.text;
    EXPECT_EQ(PropertyBag::parseWholeNumber(c.text, false), c.decimal) << c.text;
  }
}
