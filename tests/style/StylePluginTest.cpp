// SPDX-License-Identifier: MIT
// The style plugin as a program meets it: loaded through QStyleFactory from
// the build tree's plugin folder, drawing real QPushButtons that are compared
// with real vexabuttons in the same window, driven by the same input.
#include "button/InputTestSupport.h"
#include "button/model/vexabutton_p.h"
#include "button/render/VisualStyles.h"
#include "platform/ControlHost.h"
#include "platform/SharedFont.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QStringList Keys = {"vexa-classic",
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
                          "vexa"};

std::unique_ptr<QStyle> createStyle(const QString& key) {
  static const bool added = [] {
    QCoreApplication::addLibraryPath(QStringLiteral(VEXA_PLUGIN_ROOT));
    // The plugin carries its own copy of the renderers and of the system
    // colours, which follows the application palette as in any program; the
    // control's copy here follows the same palette, so both draw alike.
    platform::SystemColors::usePalette();
    return true;
  }();
  (void)added;
  return std::unique_ptr<QStyle>(QStyleFactory::create(key));
}

TEST(StylePluginTest, EveryKeyLoadsThroughTheFactoryAndNoOtherDoes) {
  for (const QString& key : Keys) {
    const auto style = createStyle(key);
    ASSERT_NE(style, nullptr) << key.toStdString();
    EXPECT_STREQ(style->metaObject()->className(), "vexa::ButtonLookStyle");
    EXPECT_TRUE(QStyleFactory::keys().contains(key, Qt::CaseInsensitive)) << key.toStdString();
  }
  EXPECT_NE(createStyle(QStringLiteral("VEXA-GEL")), nullptr);
  for (const char* unknown : {"vexa-", "vexa-system"})
    EXPECT_EQ(createStyle(QLatin1String(unknown)), nullptr) << unknown;
}

// A shown, active window with a vexabutton and a QPushButton of the same
// size, caption and font side by side.
struct SideBySide {
  platform::StandaloneHost host;
  std::unique_ptr<QStyle> style; // outlives the window and the button drawn with it
  QWidget window;
  vexabutton* control;
  QPushButton* push;

  SideBySide(int look, const QString& key) : style(createStyle(key)) {
    window.setGeometry(50, 50, 300, 120);
    control = new vexabutton(&window, &host);
    inputtest::load(*control);
    control->setButtonStyle(look);
    control->setCaption(QStringLiteral("&Potvrdi"));
    control->setGeometry(10, 10, 96, 28);
    push = new QPushButton(control->Caption(), &window);
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
};

TEST(StylePluginTest, APushButtonIsDrawnAsAVexabuttonOfTheLookInEveryState) {
  using inputtest::Mouse;
  const auto none = [](auto&&) {};
  const struct {
    const char* name;
    std::function<void(SideBySide&)> both;  // before the control is drawn
    std::function<void(QWidget*)> eachTurn; // to the control, then to the pushed button
  } states[] = {
      {"normal", none, none},
      {"hover", none, [](QWidget* w) { inputtest::pointTo(w, QPoint(40, 14)); }},
      {"sunken", none, [](QWidget* w) { inputtest::mouse(Mouse::Press, w, QPoint(40, 14)); }},
      {"checked",
       [](SideBySide& s) {
         s.control->setMode(1), s.control->setValue(true);
         s.push->setCheckable(true), s.push->setChecked(true);
       },
       none},
      {"default",
       [](SideBySide& s) {
         s.push->setDefault(true), s.host.setDisplayAsDefault(true);
         s.control->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
       },
       none},
      {"disabled", none, [](QWidget* w) { w->setEnabled(false); }},
      {"focused", none, [](QWidget* w) { w->setFocus(Qt::TabFocusReason); }},
  };
  const QString appStyle = QApplication::style()->name();
  // Every look on a light desktop, then on a dark one.
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(0x424245), QColor(0x222020));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, Qt::white);
  for (int run = 0; run < 2 * int(Keys.size()); ++run) {
    const int look = run % int(Keys.size());
    QApplication::setPalette(run == look ? light : dark);
    // Without a theme the System look is the rounded gradient, in the
    // control as in the plugin: the classic application style has none.
    if (Keys[look] == QLatin1String("vexa")) {
      QApplication::setStyle(QStringLiteral("windows"));
      vexa::resetVisualStyles();
    }
    for (const auto& state : states) {
      SCOPED_TRACE(Keys[look].toStdString() + " " + state.name + (run == look ? "" : " dark"));
      const bool pressed = state.name == std::string("sunken");
      SideBySide s(look, Keys[look]);
      state.both(s);
      state.eachTurn(s.control);
      const QImage reference = surfaceOf(*s.control).image().copy();
      const QRegion region = surfaceOf(*s.control).windowRegion();
      if (pressed)
        inputtest::mouse(Mouse::Release, s.control, {40, 14});
      state.eachTurn(s.push);
      // The pushed button against the control as it was, in the pixels a
      // window shows: those inside the control's window region.
      QImage drawn = s.push->grab().toImage().convertToFormat(QImage::Format_RGB32);
      QPainter outside(&drawn);
      outside.setClipRegion(QRegion(drawn.rect()).subtracted(region));
      outside.drawImage(0, 0, reference);
      outside.end();
      EXPECT_TRUE(drawn == reference.convertToFormat(QImage::Format_RGB32));
      if (pressed) {
        inputtest::mouse(Mouse::Release, s.push, {40, 14});
        inputtest::pointTo(&s.window, {280, 100});
      }
    }
    QApplication::setStyle(appStyle);
    vexa::resetVisualStyles();
  }
  QApplication::setPalette(light);
}

// Controls other than buttons look exactly as under the style the plugin
// builds on.
TEST(StylePluginTest, OtherControlsAreTheBaseStyles) {
  const auto style = createStyle(QStringLiteral("vexa-gel"));
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
  for (QWidget* widget : std::initializer_list<QWidget*>{&checkBox, &edit}) {
    const QImage ours = grabUnder(style.get(), *widget);
    EXPECT_FALSE(ours.isNull());
    EXPECT_EQ(ours, grabUnder(base.get(), *widget)) << widget->metaObject()->className();
  }
}

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
}

} // namespace
