// SPDX-License-Identifier: MIT
// The Designer plugin as Designer and QUiLoader use it: the factory, and a
// form of configured buttons saved to .ui and loaded back through the plugin.
// Only the public interface: this process links the installed libraries.
#include "button/model/vexabutton_p.h"
#include <VexaButton/vexabutton.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

using platform::PropertyBag;

namespace {

const QString PluginDir = QStringLiteral(VEXA_DESIGNER_PLUGIN_DIR);

QDesignerCustomWidgetInterface* plugin() {
  static QPluginLoader loader(PluginDir + QStringLiteral("/libvexabutton-designer.so"));
  return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

// Moves the pointer from a corner of the button's window onto the button and
// back, as the window system reports it; counts MouseEnter and MouseLeave.
std::pair<int, int> hoverSignals(vexabutton& button) {
  QSignalSpy enter(&button, &vexabutton::MouseEnter), leave(&button, &vexabutton::MouseLeave);
  const QWidget* window = button.window();
  const QPoint corner = window->mapToGlobal(QPoint(window->width() - 5, window->height() - 5));
  for (const QPoint to : {corner, button.mapToGlobal(button.rect().center()), corner})
    QCursor::setPos(to), QTest::qWait(200);
  return {int(enter.count()), int(leave.count())};
}

PropertyBag stored(const vexabutton& button) {
  PropertyBag bag;
  button.WriteProperties(bag);
  return bag;
}

void expectSameProperties(const vexabutton& expected, const vexabutton& actual, const QString& which) {
  const PropertyBag a = stored(expected), b = stored(actual);
  for (const QString& key : vexabutton::persistedKeys())
    EXPECT_TRUE(PropertyBag::valuesEqual(a.ReadProperty(key), b.ReadProperty(key)))
        << qPrintable(which) << ": " << qPrintable(key);
}

// One property in the .ui form, as Designer writes its value.
QString uiValue(const QMetaProperty& property, const QVariant& value, const QString& picturePath) {
  const auto escaped = [](const QString& text) { return text.toHtmlEscaped(); };
  if (property.isEnumType()) {
    const char* key = property.enumerator().valueToKey(value.toInt());
    return key ? QStringLiteral("<enum>vexabutton::%1</enum>").arg(QLatin1String(key))
               : QStringLiteral("<number>%1</number>").arg(value.toInt());
  }
  switch (value.metaType().id()) {
  case QMetaType::Bool:
    return QStringLiteral("<bool>%1</bool>").arg(value.toBool() ? "true" : "false");
  case QMetaType::Int:
    return QStringLiteral("<number>%1</number>").arg(value.toInt());
  case QMetaType::QString:
    return QStringLiteral("<string>%1</string>").arg(escaped(value.toString()));
  case QMetaType::QColor: {
    const QColor c = value.value<QColor>();
    return QStringLiteral("<color><red>%1</red><green>%2</green><blue>%3</blue></color>")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
  }
  case QMetaType::QFont: {
    const QFont f = value.value<QFont>();
    return QStringLiteral("<font><family>%1</family><pointsize>%2</pointsize><bold>%3</bold><italic>%4</italic>"
                          "<underline>%5</underline><strikeout>%6</strikeout></font>")
        .arg(escaped(f.family()))
        .arg(f.pointSize())
        .arg(f.bold() ? "true" : "false", f.italic() ? "true" : "false", f.underline() ? "true" : "false",
             f.strikeOut() ? "true" : "false");
  }
  case QMetaType::QPixmap:
    return picturePath.isEmpty() ? QString() : QStringLiteral("<pixmap>%1</pixmap>").arg(escaped(picturePath));
  }
  return QString();
}

// A form holding `buttons`, every stored property in declaration order, as
// Designer saves it with the plugin: Font only where it was changed from a
// new instance's, pictures as the files they were loaded from.
QByteArray uiForm(const std::vector<vexabutton*>& buttons, const QHash<QString, QString>& pictureFiles) {
  QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
                               "<class>Form</class>\n<widget class=\"QWidget\" name=\"Form\">\n");
  for (vexabutton* button : buttons) {
    xml += QStringLiteral("<widget class=\"vexabutton\" name=\"%1\">\n").arg(button->objectName());
    const QMetaObject& meta = vexabutton::staticMetaObject;
    vexabutton fresh;
    initProperties(fresh);
    // Qt's own properties come first; enabled, font and toolTip are the
    // control's Enabled, Font and ToolTip.
    for (int i = 0; i < meta.propertyCount(); ++i) {
      const QMetaProperty property = meta.property(i);
      if (i < meta.propertyOffset() && !QByteArrayList{"enabled", "font", "toolTip"}.contains(property.name()))
        continue;
      if (!property.isDesignable() || !property.isWritable() ||
          (qstrcmp(property.name(), "font") == 0 && button->Font()->sameAs(*fresh.Font())))
        continue;
      const QString name = QString::fromLatin1(property.name());
      const QString value =
          uiValue(property, property.read(button), pictureFiles.value(button->objectName() + QLatin1Char('.') + name));
      if (!value.isEmpty())
        xml += QStringLiteral("<property name=\"%1\">%2</property>\n").arg(name, value);
    }
    xml += QStringLiteral("</widget>\n");
  }
  xml += QStringLiteral("</widget>\n<customwidgets><customwidget><class>vexabutton</class><extends>QWidget</extends>"
                        "<header>VexaButton/vexabutton.h</header></customwidget></customwidgets>\n</ui>\n");
  return xml.toUtf8();
}

} // namespace

// Runs before the design-time test below, which switches the plugin to
// Designer's side for the rest of the process.
TEST(DesignerPlugin, AFormOfConfiguredButtonsLoadsBackThroughQUiLoaderWithEveryProperty) {
  ASSERT_NE(plugin(), nullptr);
  QTemporaryDir dir;
  QHash<QString, QString> pictureFiles;
  const auto pictureFile = [&](const QString& name, QRgb colour, bool withAlpha) {
    QImage image(12, 10, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(colour);
    if (withAlpha)
      image.setPixel(0, 0, 0); // one transparent corner
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    EXPECT_TRUE(image.save(path));
    return path;
  };

  // Three buttons set up through their setters and a stored layout, with
  // pictures from files (as Designer refers to them).
  QWidget form;
  std::vector<vexabutton*> buttons;
  for (const char* name : {"check", "toolbar", "plain"}) {
    auto* button = new vexabutton(&form);
    button->setObjectName(QLatin1String(name));
    initProperties(*button);
    buttons.push_back(button);
  }
  const auto setPicture = [&](vexabutton* button, const char* property, QRgb colour, bool alpha) {
    const QString path = pictureFile(button->objectName() + QLatin1String(property), colour, alpha);
    pictureFiles.insert(button->objectName() + QLatin1Char('.') + QLatin1String(property), path);
    button->setProperty(property, QPixmap(path));
  };
  vexabutton& check = *buttons[0];
  check.setButtonStyle(2);
  check.setColorScheme(1);
  check.setCaption(QStringLiteral("&Provera (3)"));
  check.setFont(std::make_shared<platform::SharedFont>(QStringLiteral("Carlito"), 11, 700, 0, true));
  check.setMode(1);
  check.setValue(true);
  check.setForeColorHover(0x0000C0);
  setPicture(&check, "PictureNormal", qRgb(200, 40, 40), false);
  check.setPictureAlign(3);
  check.setCaptionEffects(3);
  check.setTooltipTitle(QStringLiteral("Provera"));
  check.setToolTip(QStringLiteral("Proveri <odgovore> & nastavi"));
  check.setToolTipType(1);
  check.setToolTipIcon(2);

  vexabutton& toolbar = *buttons[1];
  toolbar.setButtonStyle(4);
  toolbar.setBackColor(0x336699);
  toolbar.setHandPointer(true);
  setPicture(&toolbar, "PictureNormal", qRgb(10, 120, 10), true);
  setPicture(&toolbar, "PictureHot", qRgb(10, 180, 10), true);
  setPicture(&toolbar, "PictureDown", qRgb(10, 60, 10), false);
  setPicture(&toolbar, "MouseIcon", qRgb(0, 0, 255), true);
  toolbar.setMousePointer(2);
  toolbar.setEnabled(false);
  toolbar.setDisabledPictureMode(1);
  toolbar.setPictureOpacity(128);
  toolbar.setPictureOpacityOnOver(200);
  toolbar.setPictureEffectOnOver(2);
  toolbar.setPictureShadow(true);
  toolbar.setUseMaskColor(false);
  toolbar.setMaskColor(0x00FF00);
  toolbar.setRightToLeft(true);
  toolbar.setDropDownSymbol(6);
  toolbar.setDropDownSeparator(true);
  toolbar.setCaptionAlign(2);
  toolbar.setTooltipBackColor(0xCCFFFF);

  // A value without a name, from a stored layout.
  PropertyBag bag;
  buttons[2]->WriteProperties(bag);
  bag.WriteProperty("CaptionEffects", 9);
  bag.WriteProperty("ShowFocusRect", true);
  bag.WriteProperty("Caption", QStringLiteral("Obično dugme"));
  QString error;
  ASSERT_TRUE(buttons[2]->ReadProperties(bag, &error)) << qPrintable(error);

  QByteArray ui = uiForm(buttons, pictureFiles);
  QBuffer buffer(&ui);
  QUiLoader loader;
  loader.addPluginPath(PluginDir);
  ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("vexabutton")));
  std::unique_ptr<QWidget> loaded(loader.load(&buffer));
  ASSERT_NE(loaded, nullptr) << qPrintable(loader.errorString());
  loaded->setGeometry(100, 100, 400, 300);
  loaded->show();
  for (vexabutton* original : buttons) {
    auto* copy = loaded->findChild<vexabutton*>(original->objectName());
    ASSERT_NE(copy, nullptr) << qPrintable(original->objectName());
    expectSameProperties(*original, *copy, original->objectName());
  }
  // A loaded form runs, with hover tracking.
  auto* plain = loaded->findChild<vexabutton*>(QStringLiteral("plain"));
  plain->setGeometry(20, 20, 120, 30);
  loaded->activateWindow();
  EXPECT_EQ(hoverSignals(*plain), std::make_pair(1, 1));
}

namespace {

// The warnings of the control's logging category while alive.
struct ControlWarnings {
  ControlWarnings() { seen.clear(), previous = qInstallMessageHandler(&collect); }
  ~ControlWarnings() { qInstallMessageHandler(previous); }
  static void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && qstrcmp(context.category, "vexabutton") == 0)
      seen << text;
  }
  static inline QStringList seen;
  QtMessageHandler previous;
};

} // namespace

TEST(DesignerPlugin, AFormsOversizedOrBadValuesAreBoundedAndNamedInWarnings) {
  QByteArray ui = R"(<ui version="4.0"><class>Form</class><widget class="QWidget" name="Form">
    <widget class="vexabutton" name="big">
     <property name="geometry"><rect><x>0</x><y>0</y><width>16000</width><height>300</height></rect></property>
     <property name="Caption"><string>)" +
                  QByteArray(vexabutton::MaxCaptionLength + 1, 'x') + R"(</string></property></widget>
    <widget class="vexabutton" name="style"><property name="ButtonStyle"><number>99</number></property></widget>
    <widget class="vexabutton" name="named"><property name="Mode"><enum>vexabutton::Sideways</enum></property></widget>
    <widget class="vexabutton" name="opacity"><property name="PictureOpacity"><number>300</number></property></widget>
    </widget><customwidgets><customwidget><class>vexabutton</class><extends>QWidget</extends>
    <header>VexaButton/vexabutton.h</header></customwidget></customwidgets></ui>)";
  QBuffer buffer(&ui);
  QUiLoader loader;
  loader.addPluginPath(PluginDir);
  ControlWarnings collected;
  const std::unique_ptr<QWidget> loaded(loader.load(&buffer));
  ASSERT_NE(loaded, nullptr) << qPrintable(loader.errorString());
  loaded->show();
  QCoreApplication::processEvents(); // the plugin's queued warnings
  const QStringList& warnings = ControlWarnings::seen;
  auto* big = loaded->findChild<vexabutton*>(QStringLiteral("big"));
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(big->size(), QSize(vexabutton::MaximumSizePixels, 300));
  EXPECT_TRUE(big->Caption().startsWith(QLatin1String("vexabutton"))) << "the caption a new instance has";
  const QString all = warnings.join(QLatin1Char('\n'));
  // An unknown name reaches the button as -1.
  for (const char* named :
       {"\"big\": 16000 x 300 pixels is larger than the 4096", "4097 characters is longer than the 4096",
        "\"style\": ButtonStyle 99 is none of its values (0 Classic,", "\"named\": Mode -1 is none of its values",
        "kept as given", "\"opacity\": PictureOpacity 300 is outside the byte range", "keeps its value"})
    EXPECT_TRUE(all.contains(QLatin1String(named))) << named << "\n" << qPrintable(all);
  EXPECT_EQ(warnings.size(), 5) << qPrintable(all);
}

TEST(DesignerPlugin, TheFactoryMakesNewInstancesForDesignersWidgetBox) {
  QDesignerCustomWidgetInterface* factory = plugin();
  ASSERT_NE(factory, nullptr);
  EXPECT_EQ(factory->name(), QStringLiteral("vexabutton"));
  EXPECT_FALSE(factory->group().isEmpty());
  EXPECT_FALSE(factory->icon().isNull());
  EXPECT_TRUE(factory->domXml().contains(QStringLiteral("class=\"vexabutton\"")));
  EXPECT_FALSE(factory->domXml().contains(QStringLiteral(" name=\"vexabutton\""))) << "uic's class would clash";

  // In Designer a new instance is one a designer just placed, at design time.
  factory->initialize(nullptr);
  QWidget form;
  std::unique_ptr<QWidget> created(factory->createWidget(&form));
  auto* button = qobject_cast<vexabutton*>(created.get());
  ASSERT_NE(button, nullptr);
  vexabutton fresh;
  initProperties(fresh);
  PropertyBag expected = stored(fresh);
  expected.remove(QStringLiteral("Caption"));
  PropertyBag actual = stored(*button);
  EXPECT_TRUE(actual.ReadProperty(QStringLiteral("Caption")).toString().startsWith(QStringLiteral("vexabutton")));
  actual.remove(QStringLiteral("Caption"));
  EXPECT_EQ(actual.toJson(), expected.toJson());
  // The button's host is Designer's: design time.
  const platform::ControlHost* host = nullptr;
  for (QObject* child : button->children())
    if (!host)
      host = dynamic_cast<const platform::ControlHost*>(child);
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(host->ambientUserMode());
}
