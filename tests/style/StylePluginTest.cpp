// SPDX-License-Identifier: MIT
// The style plugin as a program meets it: loaded through QStyleFactory from
// the build tree's plugin folder, drawing real QPushButtons that are compared
// with real vexabuttons in the same window, driven by the same input.
#include "button/InputTestSupport.h"
#include "button/model/vexabutton_p.h"
#include "button/services/VisualStyles.h"
#include "platform/ControlHost.h"
#include "platform/SharedFont.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QStringList Keys = {
    "vexa-classic",
    "vexa-classic-thin",
    "vexa-rounded-gradient",
    "vexa-blue-glass",
    "vexa-toolbar",
    "vexa-warm-highlight",
    "vexa-silver",
    "vexa-soft-blue",
    "vexa-gel",
    "vexa-white-gloss",
    "vexa-shaded",
    "vexa-flat-classic",
    "vexa-flat-thin",
    "vexa",
};

void addPluginFolder() {
  static const bool added = [] {
    QCoreApplication::addLibraryPath(QStringLiteral(VEXA_PLUGIN_ROOT));
    // The plugin carries its own copy of the renderers and of the system
    // colours, which follows the application palette as in any program; the
    // control's copy here follows the same palette, so both draw alike.
    platform::SystemColors::usePalette();
    return true;
  }();
  (void)added;
}

std::unique_ptr<QStyle> createStyle(const QString& key) {
  addPluginFolder();
  return std::unique_ptr<QStyle>(QStyleFactory::create(key));
}

TEST(StylePluginTest, EveryKeyLoadsThroughTheFactoryAndNoOtherDoes) {
  addPluginFolder();
  const QStringList known = QStyleFactory::keys();
  for (const QString& key : Keys) {
    EXPECT_TRUE(known.contains(key, Qt::CaseInsensitive)) << key.toStdString();
    const auto style = createStyle(key);
    ASSERT_NE(style, nullptr) << key.toStdString();
    EXPECT_STREQ(style->metaObject()->className(), "vexa::ButtonLookStyle");
  }
  EXPECT_NE(createStyle(QStringLiteral("VEXA-GEL")), nullptr);
  EXPECT_EQ(createStyle(QStringLiteral("vexa-")), nullptr);
  EXPECT_EQ(createStyle(QStringLiteral("vexa-system")), nullptr);
}

// A shown, active window with a vexabutton and a QPushButton of the same
// size, caption and font side by side.
struct SideBySide {
  platform::StandaloneHost host;
  QWidget window;
  vexabutton* control;
  QPushButton* push;
  std::unique_ptr<QStyle> style;

  SideBySide(int look, const QString& key) {
    addPluginFolder();
    window.setGeometry(50, 50, 300, 120);
    control = new vexabutton(&window, &host);
    inputtest::load(*control);
    control->setButtonStyle(look);
    control->setCaption(QStringLiteral("&Potvrdi"));
    control->setGeometry(10, 10, 96, 28);
    style = createStyle(key);
    push = new QPushButton(QStringLiteral("&Potvrdi"), &window);
    push->setStyle(style.get());
    push->setFont(platform::SharedFont(QStringLiteral("Tahoma"), 8.25).toQFont());
    push->setGeometry(150, 10, 96, 28);
    // Takes the focus when the window is activated, so neither button has it.
    auto* focusHolder = new QLineEdit(&window);
    focusHolder->setGeometry(10, 60, 80, 22);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    focusHolder->setFocus();
    inputtest::pointTo(&window, {280, 100});
  }
  ~SideBySide() { push->setStyle(nullptr); }

  // The pushed button's pixels inside the control's window region (those a
  // window shows) against the control's surface as it was in the state.
  void expectSame(const QImage& reference, const QRegion& region) const {
    const QImage drawn = push->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), reference.size());
    int differ = 0;
    for (const QRect& r : region)
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          differ += (drawn.pixel(x, y) & 0xFFFFFF) != (reference.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differ, 0);
  }
};

struct StateCase {
  const char* name;
  std::function<void(SideBySide&, QWidget*)> bring; // brings one of the two buttons into the state
};

TEST(StylePluginTest, APushButtonIsDrawnAsAVexabuttonOfTheLookInEveryState) {
  using inputtest::Mouse;
  const std::vector<StateCase> states = {
      {"normal", [](SideBySide&, QWidget*) {}},
      {"hover",
       [](SideBySide&, QWidget* w) {
         inputtest::pointTo(w, {40, 14});
       }},
      {"sunken",
       [](SideBySide&, QWidget* w) {
         inputtest::mouse(Mouse::Press, w, {40, 14});
       }},
      {"checked",
       [](SideBySide& s, QWidget* w) {
         if (w == s.push) {
           s.push->setCheckable(true);
           s.push->setChecked(true);
         } else {
           s.control->setMode(1);
           s.control->setValue(true);
         }
       }},
      {"default",
       [](SideBySide& s, QWidget* w) {
         if (w == s.push) {
           s.push->setDefault(true);
         } else {
           s.host.setDisplayAsDefault(true);
           s.control->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
         }
       }},
      {"disabled", [](SideBySide&, QWidget* w) { w->setEnabled(false); }},
      {"focused", [](SideBySide&, QWidget* w) { w->setFocus(Qt::TabFocusReason); }},
  };
  for (int look = 0; look < int(Keys.size()); ++look) {
    for (const StateCase& state : states) {
      SCOPED_TRACE(Keys[look].toStdString() + " " + state.name);
      // Without a theme the System look is the rounded gradient, in the
      // control as in the plugin: the classic application style has none.
      const QString appStyle = QApplication::style()->name();
      if (look == 13) {
        QApplication::setStyle(QStringLiteral("windows"));
        vexa::resetVisualStyles();
      }
      SideBySide s(look, Keys[look]);
      state.bring(s, s.control);
      const QImage reference = surfaceOf(*s.control).image().copy();
      const QRegion region = surfaceOf(*s.control).windowRegion();
      if (state.name == std::string("sunken"))
        inputtest::mouse(Mouse::Release, s.control, {40, 14});
      state.bring(s, s.push);
      s.expectSame(reference, region);
      if (state.name == std::string("sunken")) {
        inputtest::mouse(Mouse::Release, s.push, {40, 14});
        inputtest::pointTo(&s.window, {280, 100});
      }
      if (look == 13) {
        QApplication::setStyle(appStyle);
        vexa::resetVisualStyles();
      }
    }
  }
}

// Controls other than buttons look exactly as under the style the plugin
// builds on.
TEST(StylePluginTest, OtherControlsAreTheBaseStyles) {
  const auto style = createStyle(QStringLiteral("vexa-gel"));
  ASSERT_NE(style, nullptr);
  auto* proxy = qobject_cast<QProxyStyle*>(style.get());
  ASSERT_NE(proxy, nullptr);
  const std::unique_ptr<QStyle> base(QStyleFactory::create(proxy->baseStyle()->name()));
  ASSERT_NE(base, nullptr);

  const auto grabUnder = [](QStyle* with, QWidget& widget) {
    widget.setStyle(with);
    widget.resize(140, 26);
    const QImage image = widget.grab().toImage();
    widget.setStyle(nullptr);
    return image;
  };
  QCheckBox checkBox(QStringLiteral("Kuća"));
  checkBox.setChecked(true);
  QLineEdit edit(QStringLiteral("tekst"));
  for (QWidget* widget : {static_cast<QWidget*>(&checkBox), static_cast<QWidget*>(&edit)}) {
    const QImage ours = grabUnder(style.get(), *widget);
    EXPECT_FALSE(ours.isNull());
    EXPECT_EQ(ours, grabUnder(base.get(), *widget)) << widget->metaObject()->className();
  }
}

} // namespace

namespace {

// The paints the style keeps are taken again when a system colour they were
// drawn from changes.
TEST(StylePluginTest, AKeptPaintFollowsTheSystemColours) {
  const auto style = createStyle(QStringLiteral("vexa-classic"));
  ASSERT_NE(style, nullptr);
  QPushButton push(QStringLiteral("Dalje"));
  push.setStyle(style.get());
  push.resize(80, 24);
  const QImage before = push.grab().toImage();
  // A palette change is the system-colour change a program sees.
  const QPalette original = QApplication::palette();
  QPalette changed = original;
  changed.setColor(QPalette::Active, QPalette::Button, QColor(0xA0, 0x50, 0x30));
  QApplication::setPalette(changed);
  const QImage after = push.grab().toImage();
  QApplication::setPalette(original);
  EXPECT_EQ(QColor(after.pixel(40, 12)), QColor(0xA0, 0x50, 0x30));
  EXPECT_EQ(push.grab().toImage(), before);
  push.setStyle(nullptr);
}

} // namespace
