// SPDX-License-Identifier: MIT
// Every property at its boundaries and beyond, in every style and state:
// the control stores what it is given (or refuses a value its type cannot
// hold) and paints without crashing.

#include "button/model/vexabutton_p.h"

#include <QImage>

#include <gtest/gtest.h>

#include <limits>
#include <random>

using platform::Picture;
using platform::PicturePtr;
using platform::PropertyBag;
using platform::SharedFont;

namespace {

constexpr qint32 Min32 = std::numeric_limits<qint32>::min();
constexpr qint32 Max32 = std::numeric_limits<qint32>::max();
const qint32 Numbers[] = {Min32, -65536, -1, 0, 1, 2, 3, 4, 5, 8, 9, 13, 14, 99, 255, 256, 65535, Max32};
const qint32 Colours[] = {
    Min32, -1, 0, 0xFFFFFF, 0x1000000, qint32(0x80000000), qint32(0x80000012), qint32(0x800000FF), qint32(0xFFFFFFFF),
    Max32};

PicturePtr picture(int width, int height, bool alpha, int type = Picture::Bitmap) {
  QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  image.fill(alpha ? qRgba(200, 40, 40, 100) : qRgb(0xE0, 0xE0, 0xE0));
  return Picture::fromImage(image, type);
}

// Repaints in each visual state with focus and default marks, enabled and not.
void paintAllStates(vexabutton& button) {
  ButtonRecord& r = recordOf(button);
  for (bool enabled : {true, false}) {
    r.Enabled = enabled;
    for (qint32 state : {qint32(ButtonRecord::Normal), qint32(ButtonRecord::Hot), qint32(ButtonRecord::Down), 7, -3}) {
      r.ButtonState = state;
      r.HasFocus = state == ButtonRecord::Hot;
      r.IsDefault = state == ButtonRecord::Down;
      redrawNow(button);
    }
  }
  r.Enabled = true;
  r.ButtonState = ButtonRecord::Normal;
}

struct Fixture {
  platform::StandaloneHost host;
  std::unique_ptr<vexabutton> button;
  explicit Fixture(QSize size = {121, 33}) {
    host.setUserMode(false);
    button = std::make_unique<vexabutton>(nullptr, &host);
    button->resize(size);
    button->ReadProperties(PropertyBag());
  }
};

} // namespace

TEST(PropertyFuzz, IntegerPropertiesStoreAnyValueAndPaint) {
  Fixture f;
  f.button->setPictureNormal(picture(16, 16, true));
  for (qint32 style : Numbers) {
    f.button->setButtonStyle(style);
    ASSERT_EQ(f.button->ButtonStyle(), style);
    for (qint32 n : Numbers) {
      f.button->setCaptionAlign(n);
      f.button->setCaptionEffects(n);
      f.button->setPictureAlign(n);
      f.button->setDropDownSymbol(n);
      f.button->setDisabledPictureMode(n);
      f.button->setPictureEffectOnOver(n);
      f.button->setPictureEffectOnDown(n);
      f.button->setToolTipIcon(n);
      f.button->setToolTipType(n);
      f.button->setMode(n);
      f.button->setColorScheme(n);
      EXPECT_EQ(f.button->CaptionAlign(), n);
      EXPECT_EQ(f.button->CaptionEffects(), n);
      EXPECT_EQ(f.button->PictureAlign(), n);
      EXPECT_EQ(f.button->DropDownSymbol(), n);
      EXPECT_EQ(f.button->DisabledPictureMode(), n);
      EXPECT_EQ(f.button->PictureEffectOnOver(), n);
      EXPECT_EQ(f.button->PictureEffectOnDown(), n);
      EXPECT_EQ(f.button->ToolTipIcon(), n);
      EXPECT_EQ(f.button->ToolTipType(), n);
      EXPECT_EQ(f.button->Mode(), n);
      EXPECT_EQ(f.button->ColorScheme(), n);
      f.button->setValue(true);
      paintAllStates(*f.button);
    }
  }
}

TEST(PropertyFuzz, ColourPropertiesStoreAnyValueAndPaint) {
  Fixture f;
  for (qint32 style = -1; style <= 14; ++style) {
    f.button->setButtonStyle(style);
    for (qint32 c : Colours) {
      f.button->setBackColor(c);
      f.button->setForeColor(c);
      f.button->setForeColorHover(c);
      f.button->setMaskColor(c);
      f.button->setTooltipBackColor(c);
      EXPECT_EQ(f.button->BackColor(), c);
      // The silver style sets the caption colour itself on every paint.
      if (style != 6) {
        EXPECT_EQ(f.button->ForeColor(), c);
      }
      EXPECT_EQ(f.button->ForeColorHover(), c);
      EXPECT_EQ(f.button->MaskColor(), c);
      EXPECT_EQ(f.button->TooltipBackColor(), c);
      paintAllStates(*f.button);
    }
  }
}

TEST(PropertyFuzz, PicturesFontsAndTextsAtTheirExtremes) {
  const PicturePtr pictures[] = {nullptr, picture(1, 1, false), picture(16, 16, true, Picture::Icon),
                                 picture(400, 300, false), picture(3, 200, true)};
  const QString captions[] = {
      "", "&", "A&", "&&&", QString(2000, QLatin1Char('W')), "a\nb\r\nc", "\u05D0\u05D1 x", "O &Tesmiru Vokrantu"};
  const double sizes[] = {1, 8.25, 72, 400};
  for (QSize size : {QSize(15, 15), QSize(121, 33), QSize(500, 15)}) {
    Fixture f(size);
    for (qint32 style = 0; style <= 13; ++style) {
      f.button->setButtonStyle(style);
      for (const PicturePtr& p : pictures) {
        f.button->setPictureNormal(p);
        f.button->setPictureHot(p);
        f.button->setPictureDown(p);
        EXPECT_EQ(f.button->PictureNormal(), p);
        for (bool flag : {false, true}) {
          f.button->setPictureShadow(flag);
          f.button->setUseMaskColor(flag);
          f.button->setPicturePushOnHover(flag);
          f.button->setRightToLeft(flag);
          f.button->setDropDownSeparator(flag);
          f.button->setShowFocusRect(flag);
          for (int opacity : {0, 1, 254, 255})
            ASSERT_TRUE(f.button->setPictureOpacity(opacity) && f.button->setPictureOpacityOnOver(255 - opacity));
          paintAllStates(*f.button);
        }
      }
      for (const QString& caption : captions) {
        f.button->setCaption(caption);
        EXPECT_EQ(f.button->Caption(), caption);
        f.button->setDropDownSymbol(6);
        paintAllStates(*f.button);
      }
      for (double points : sizes) {
        f.button->setFont(std::make_shared<SharedFont>("Tahoma", points, 700, 0, true, true, true));
        paintAllStates(*f.button);
      }
    }
  }
}

TEST(PropertyFuzz, ConversionsThatCannotHoldTheValueFail) {
  Fixture f;
  for (qint32 n : Numbers) {
    const bool fits16 = n >= -32768 && n <= 32767;
    EXPECT_EQ(f.button->setMousePointer(n), fits16) << n;
    const bool fitsByte = n >= 0 && n <= 255;
    EXPECT_EQ(f.button->setPictureOpacity(n), fitsByte) << n;
    EXPECT_EQ(f.button->setPictureOpacityOnOver(n), fitsByte) << n;
    if (fits16) {
      EXPECT_EQ(f.button->MousePointer(), n);
    }
    if (fitsByte) {
      EXPECT_EQ(f.button->PictureOpacity(), n);
    }
  }
}

TEST(PropertyFuzz, RandomBagsLoadOrFailCleanly) {
  // Random values of random kinds under the real keys: every load either
  // succeeds and paints, or fails naming a key and leaves the record as it was.
  std::mt19937 random(20240611);
  const QStringList keys = vexabutton::persistedKeys();
  const QVariant kinds[] = {QVariant(0),
                            QVariant(-1),
                            QVariant(Max32),
                            QVariant(qlonglong(1) << 33),
                            QVariant(2.5),
                            QVariant(13.0),
                            QVariant(true),
                            QVariant(QStringLiteral("abc")),
                            QVariant(QStringLiteral("12")),
                            QVariant(QStringLiteral("Tahoma,9.75,700,0")),
                            QVariant::fromValue(std::make_shared<SharedFont>()),
                            QVariant::fromValue(PicturePtr()),
                            QVariant::fromValue(picture(4, 4, false))};
  Fixture f;
  for (int round = 0; round < 300; ++round) {
    PropertyBag bag;
    const int count = int(random() % 8);
    for (int i = 0; i < count; ++i)
      bag.WriteProperty(keys[int(random() % keys.size())], kinds[random() % std::size(kinds)]);
    PropertyBag before;
    f.button->WriteProperties(before);
    QString error;
    if (f.button->ReadProperties(bag, &error)) {
      paintAllStates(*f.button);
      continue;
    }
    EXPECT_TRUE(error.startsWith("property \"")) << error.toStdString();
    PropertyBag after;
    f.button->WriteProperties(after);
    EXPECT_EQ(after.toJson(), before.toJson());
  }
}
