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
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
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
         static_cast<platform::HostedControl*>(s.control)->hostAmbientChanged(QStringLiteral("DisplayAsDefault"));
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
    // The base style keeps panels it drew in the shared pixmap cache, under
    // keys that do not name the style.
    QPixmapCache::clear();
    widget.setStyle(with);
    widget.resize(140, 26);
    const QImage image = widget.grab().toImage();
    widget.setStyle(nullptr);
    return image;
  };
  QCheckBox checkBox(QStringLiteral("Kuća"));
  checkBox.setChecked(true);
  QLineEdit edit(QStringLiteral("tekst"));
  // These two ask the style for a button panel of their own.
  QComboBox combo;
  combo.addItem(QStringLiteral("Crvena"));
  QSpinBox spin;
  for (QWidget* widget : std::initializer_list<QWidget*>{&checkBox, &edit, &combo, &spin}) {
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

// The looks without a panel at rest still show one in a dialog's button
// row, where a bare caption would read as a label.
TEST(StylePluginTest, ADialogsButtonsKeepAPanelInTheBareLooks) {
  for (const char* key : {"vexa-toolbar", "vexa-flat-classic", "vexa-flat-thin"}) {
    SCOPED_TRACE(key);
    const auto style = createStyle(QLatin1String(key));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    box.setStyle(style.get());
    for (QObject* child : box.children())
      if (auto* w = qobject_cast<QWidget*>(child))
        w->setStyle(style.get());
    box.resize(320, 40);
    box.show();
    QPushButton* ok = box.button(QDialogButtonBox::Ok);
    const QImage image = ok->grab().toImage();
    const int middle = image.height() / 2;
    // The edge differs from the face just inside it.
    EXPECT_NE(image.pixel(0, middle), image.pixel(4, middle));
    EXPECT_NE(image.pixel(image.width() / 2, image.height() - 1), image.pixel(image.width() / 2, middle - 4));
    // The same button outside a dialog's row stays bare.
    QPushButton bare(QStringLiteral("OK"));
    bare.setStyle(style.get());
    bare.resize(ok->size());
    const QImage plain = bare.grab().toImage();
    EXPECT_EQ(plain.pixel(0, middle), plain.pixel(4, middle));
  }
}

// The pointer over a disabled button changes nothing: it is drawn as a
// disabled one in every look.
TEST(StylePluginTest, ADisabledButtonUnderThePointerIsDrawnDisabled) {
  QPushButton push(QStringLiteral("&Potvrdi"));
  push.resize(96, 28);
  push.setEnabled(false);
  for (const QString& key : Keys) {
    SCOPED_TRACE(key.toStdString());
    const auto style = createStyle(key);
    const auto draw = [&](QStyle::State extra) {
      QStyleOptionButton option;
      option.initFrom(&push);
      option.text = push.text();
      option.state |= extra;
      QImage image(push.size(), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      style->drawControl(QStyle::CE_PushButton, &option, &painter, &push);
      return image;
    };
    EXPECT_EQ(draw(QStyle::State_MouseOver), draw({}));
  }
}

// Right to left, the icon and the menu arrow change sides.
TEST(StylePluginTest, RightToLeftMirrorsTheIconAndTheArrow) {
  const auto style = createStyle(QStringLiteral("vexa-gel"));
  QPixmap red(16, 16);
  red.fill(Qt::red);
  QMenu menu;
  menu.addAction(QStringLiteral("Jedan"));
  QPushButton push;
  push.setStyle(style.get());
  push.setIcon(QIcon(red));
  push.setMenu(&menu);
  push.resize(120, 30);
  // The columns of the icon's red and of the arrow's dark ink.
  const auto columns = [&](Qt::LayoutDirection direction) {
    push.setLayoutDirection(direction);
    const QImage image = push.grab().toImage();
    QList<int> icon, arrow;
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
          icon << x;
          break;
        }
        if (qGray(c.rgb()) < 60) {
          arrow << x;
          break;
        }
      }
    return std::pair{icon, arrow};
  };
  const auto [iconLtr, arrowLtr] = columns(Qt::LeftToRight);
  const auto [iconRtl, arrowRtl] = columns(Qt::RightToLeft);
  ASSERT_FALSE(iconLtr.isEmpty());
  ASSERT_FALSE(arrowLtr.isEmpty());
  const auto mirrored = [](QList<int> xs) {
    for (int& x : xs)
      x = 119 - x;
    std::sort(xs.begin(), xs.end());
    return xs;
  };
  EXPECT_EQ(iconRtl, mirrored(iconLtr));
  EXPECT_GT(arrowLtr.first(), 60);
  EXPECT_LT(arrowRtl.last(), 60);
  EXPECT_EQ(arrowRtl.size(), arrowLtr.size());
}

// A huge button seen through a small region is drawn without rendering all
// of it, and what the style keeps of its paints stays within a budget.
TEST(StylePluginTest, HugeButtonsAreDrawnAndKeptWithinBounds) {
  const auto style = createStyle(QStringLiteral("vexa-gel"));
  QPushButton huge(QStringLiteral("Veliko"));
  huge.setStyle(style.get());
  huge.resize(100000, 100000);
  QImage corner(64, 64, QImage::Format_RGB32);
  corner.fill(Qt::white);
  huge.render(&corner, QPoint(), QRegion(0, 0, 64, 64));
  EXPECT_NE(corner.pixel(32, 32), QColor(Qt::white).rgb());

  // Resident memory in kB, from the kernel.
  const auto resident = [] {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
      return qint64(-1);
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmRSS:"))
        return line.mid(6).trimmed().split(' ').first().toLongLong();
    return qint64(-1);
  };
  [[maybe_unused]] const qint64 before = resident();
  QImage target(16, 16, QImage::Format_RGB32);
  target.setDevicePixelRatio(2);
  for (int i = 0; i < 64; ++i) {
    QStyleOptionButton option;
    option.state = QStyle::State_Enabled;
    option.rect = QRect(0, 0, 2000 + 10 * i, 1000 + 10 * i);
    option.text = QStringLiteral("Dalje");
    QPainter painter(&target);
    style->drawControl(QStyle::CE_PushButton, &option, &painter, nullptr);
  }
  // AddressSanitizer keeps up to 256 MB of freed memory in quarantine, so
  // what a process holds says nothing of what the style keeps there.
#if !defined(__SANITIZE_ADDRESS__)
  if (before > 0) {
    EXPECT_LT(resident() - before, 256 * 1024) << "kB kept after 64 large paints";
  }
#endif
}

// Sizes saturate instead of overflowing.
TEST(StylePluginTest, ContentSizesAtTheLimitSaturate) {
  const auto style = createStyle(QStringLiteral("vexa-classic"));
  QStyleOptionButton push;
  push.features = QStyleOptionButton::HasMenu;
  EXPECT_EQ(style->sizeFromContents(QStyle::CT_PushButton, &push, QSize(INT_MAX, INT_MAX)), QSize(INT_MAX, INT_MAX));
  QStyleOptionToolButton tool;
  EXPECT_EQ(style->sizeFromContents(QStyle::CT_ToolButton, &tool, QSize(10, INT_MAX)), QSize(18, INT_MAX));
}

} // namespace
