// SPDX-License-Identifier: MIT
// The tooltip window's layout: wrapping, title line, mirroring, stem; and
// its background colour.

#include "platform/TooltipWindow.h"
#include "platform/SystemColors.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using platform::TooltipContent;
using platform::TooltipLayout;
using platform::TooltipWindow;

TooltipLayout layoutOf(const TooltipContent& content, bool stemBelow = true, int stemX = 30) {
  return TooltipWindow::layoutFor(content, TooltipWindow::tipFont(), stemBelow, stemX);
}

TooltipContent withText(const QString& text) {
  TooltipContent content;
  content.text = text;
  return content;
}

TEST(TooltipLayout, TextWrapsAt240PixelsAndLineBreaksStartNewLines) {
  const QFontMetrics metrics(TooltipWindow::tipFont());
  const TooltipLayout one = layoutOf(withText(QStringLiteral("Jedan")));
  EXPECT_LT(one.text.width(), TooltipWindow::MaxTextWidth / 2); // a short text is not stretched

  const TooltipLayout wrapped = layoutOf(withText(QStringLiteral("rec ").repeated(80).trimmed()));
  EXPECT_LE(wrapped.text.width(), TooltipWindow::MaxTextWidth);
  EXPECT_GT(wrapped.text.width(), TooltipWindow::MaxTextWidth - metrics.horizontalAdvance(QStringLiteral("rec ")));
  EXPECT_GE(wrapped.text.height(), 5 * metrics.lineSpacing());
  EXPECT_TRUE(wrapped.body.contains(wrapped.text));

  // A short text with a line break: two lines, each no wider than it is.
  const TooltipLayout broken = layoutOf(withText(QStringLiteral("Jedan\nDva")));
  EXPECT_EQ(broken.text.width(), one.text.width());
  EXPECT_GT(broken.text.height(), one.text.height());
  EXPECT_LT(broken.text.height(), 3 * one.text.height());
}

// The title line: bold title after the icon, 8 pixels apart, the text 8
// pixels below; an icon only beside a title, and only for 1 to 3.
TEST(TooltipLayout, TitleAndIconOnlyWithATitle) {
  struct Case {
    const char* title;
    int icon;
    bool wantTitle;
    bool wantIcon;
  };
  for (const Case& c : {Case{"", 2, false, false}, Case{"Paznja", 0, true, false}, Case{"Paznja", 2, true, true},
                        Case{"Paznja", 4, true, false}, Case{"Paznja", -1, true, false}}) {
    TooltipContent content = withText(QStringLiteral("Tekst"));
    content.title = QString::fromLatin1(c.title);
    content.icon = c.icon;
    const TooltipLayout layout = layoutOf(content);
    EXPECT_EQ(!layout.title.isEmpty(), c.wantTitle) << c.title << c.icon;
    EXPECT_EQ(!layout.icon.isEmpty(), c.wantIcon) << c.title << c.icon;
    if (c.wantTitle) {
      EXPECT_EQ(layout.text.top(), std::max(layout.title.bottom(), layout.icon.bottom()) + 1 + 8);
    }
    if (c.wantIcon) {
      EXPECT_EQ(layout.title.left(), layout.icon.right() + 1 + 8);
      EXPECT_EQ(layout.icon.left(), layout.text.left());
    }
  }
}

TEST(TooltipLayout, RightToLeftMirrorsTheTitleLineAndTheText) {
  TooltipContent content = withText(QStringLiteral("Kratko"));
  content.title = QStringLiteral("Naslov koji je duzi od teksta");
  content.icon = 1;
  const TooltipLayout ltr = layoutOf(content);
  content.rightToLeft = true;
  const TooltipLayout rtl = layoutOf(content);
  EXPECT_EQ(rtl.body, ltr.body);
  EXPECT_EQ(rtl.body.right() - rtl.icon.right(), ltr.icon.left() - ltr.body.left());
  EXPECT_EQ(rtl.title.right() + 1 + 8, rtl.icon.left());
  EXPECT_EQ(rtl.text.right(), rtl.icon.right()); // flush with the far edge
  EXPECT_EQ(ltr.text.left(), ltr.icon.left());
}

TEST(TooltipLayout, OnlyABalloonHasAStemAndItEndsAtThePointedPlace) {
  TooltipContent content = withText(QStringLiteral("Balon"));
  EXPECT_TRUE(layoutOf(content).stem.isEmpty());
  content.balloon = true;
  const TooltipLayout below = layoutOf(content, true, 30);
  EXPECT_EQ(below.body.top(), 0);
  EXPECT_EQ(below.stem.last().x(), 30);
  EXPECT_GT(below.stem.last().y(), below.body.bottom());
  EXPECT_EQ(below.windowSize.height(), below.stem.last().y() + 1); // the tip is the last row
  const TooltipLayout above = layoutOf(content, false, 30);
  EXPECT_EQ(above.stem.last(), QPoint(30, 0));
  EXPECT_GT(above.body.top(), 0);
  // The stem leaves the body on its straight edge, even for a far place.
  const TooltipLayout far = layoutOf(content, true, 500);
  EXPECT_LE(far.stem.at(1).x(), far.body.right());
  EXPECT_EQ(far.stem.last().x(), 500);
}

TEST(TooltipWindow, BackColourIsTheGivenOneOrTheSystemTooltipColour) {
  TooltipContent content = withText(QStringLiteral("Boja"));
  const qint32 info = platform::SystemColors::get(platform::SystemColors::InfoBackground);
  EXPECT_EQ(TooltipWindow(nullptr, content).backColor(), QColor(info & 0xFF, (info >> 8) & 0xFF, (info >> 16) & 0xFF));
  content.backColor = 0x00336699; // 0x00BBGGRR
  EXPECT_EQ(TooltipWindow(nullptr, content).backColor(), QColor(0x99, 0x66, 0x33));
}

} // namespace
