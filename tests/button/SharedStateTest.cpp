// SPDX-License-Identifier: MIT
// What buttons share to stay small (the default host of one parent, the
// default font, the effect tables, the text layouts): a change to one button
// reaches no other.

#include "button/model/vexabutton_p.h"

#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace {

struct Pair {
  QWidget window;
  vexabutton* a = new vexabutton(&window);
  vexabutton* b = new vexabutton(&window);
  Pair() {
    for (vexabutton* button : {a, b}) {
      initProperties(*button);
      button->setCaption(QStringLiteral("Dalje"));
      button->setGeometry(0, 0, 75, 23);
    }
  }
};

} // namespace

TEST(SharedState, AChangeToOneButtonLeavesTheOtherAsItWas) {
  const struct {
    const char* what;
    std::function<void(vexabutton&)> change;
    bool drawn; // the changed button looks different
  } cases[] = {
      {"font in place", [](vexabutton& x) { x.Font()->setBold(true); }, true},
      {"font given", [](vexabutton& x) { x.setFont(std::make_shared<platform::SharedFont>("Tahoma", 12)); }, true},
      {"QWidget font", [](vexabutton& x) { x.setFont(QFont(QStringLiteral("Tahoma"), 14)); }, true},
      {"caption", [](vexabutton& x) { x.setCaption(QStringLiteral("Nazad")); }, true},
      {"tag", [](vexabutton& x) { x.setTag(QStringLiteral("prvi")); }, false},
      {"tool tip", [](vexabutton& x) { x.setToolTip(QStringLiteral("Savet")); }, false},
      {"effect table", [](vexabutton& x) { recordOf(x).LightenTable[200] = 7; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pair pair;
    const QImage before = surfaceOf(*pair.b).image().copy();
    const QString font = pair.b->Font()->toText();
    const quint8 lighten = recordOf(*pair.b).LightenTable[200];
    c.change(*pair.a);
    EXPECT_EQ(pair.b->Font()->toText(), font);
    EXPECT_EQ(pair.b->Tag(), QString());
    EXPECT_EQ(pair.b->ToolTip(), QString());
    EXPECT_EQ(recordOf(*pair.b).LightenTable[200], lighten);
    EXPECT_EQ(surfaceOf(*pair.b).image(), before);
    EXPECT_EQ(surfaceOf(*pair.a).image() != before, c.drawn);
  }
}

// The shared default font is handed out as the button's own: the same
// object from then on, followed when it changes.
TEST(SharedState, TheFontHandedOutIsTheButtonsOwnAndFollowed) {
  Pair pair;
  const platform::SharedFontPtr font = pair.a->Font();
  EXPECT_EQ(pair.a->Font(), font);
  EXPECT_NE(pair.b->Font(), font);
  const int before = recordOf(*pair.a).CaptionRect.width();
  font->setSize(16);
  EXPECT_GT(recordOf(*pair.a).CaptionRect.width(), before);
  EXPECT_EQ(pair.a->font().pointSizeF(), 16);
}

// A host used for long keeps only the latest names it was told.
TEST(SharedState, AStandaloneHostKeepsTheLatestChangedNames) {
  platform::StandaloneHost host;
  vexabutton button(nullptr, &host);
  for (int i = 0; i < platform::StandaloneHost::ChangedNamesKept; ++i)
    button.setCaption(QString::number(i));
  button.setForeColor(0xFF);
  ASSERT_EQ(host.changedNames.size(), platform::StandaloneHost::ChangedNamesKept);
  EXPECT_EQ(host.changedNames.first(), QStringLiteral("Caption"));
  EXPECT_EQ(host.changedNames.last(), QStringLiteral("ForeColor"));
}
