// SPDX-License-Identifier: MIT
// The QML module: the item under its QML names, and a stored layout loaded
// into it.
#include "Faces.h"

#include "platform/PropertyBag.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml>

#include <gtest/gtest.h>

namespace {

// The scene graph draws in software, so the tests need no GPU.
class SoftwareScene : public ::testing::Environment {
public:
  void SetUp() override {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    qmlRegisterType<VexaButtonItem>("VexaButton", 1, 0, "VexaButton");
  }
};
const auto* const softwareScene = ::testing::AddGlobalTestEnvironment(new SoftwareScene);

std::unique_ptr<QObject> create(QQmlEngine& engine, const QByteArray& qml) {
  QQmlComponent component(&engine);
  component.setData("import QtQuick\nimport VexaButton\n" + qml, QUrl(QStringLiteral("file:///test.qml")));
  std::unique_ptr<QObject> object(component.create());
  EXPECT_TRUE(object) << component.errorString().toStdString();
  return object;
}

TEST(Module, QmlNamesTheEnumerationsAndPropertiesAsTheWidgetDoes) {
  QQmlEngine engine;
  const auto item = create(engine, "VexaButton { buttonStyle: VexaButton.Gel; mode: VexaButton.OptionButton;"
                                   " colorScheme: VexaButton.Scheme2; backColor: \"#102030\"; caption: \"&Save\";"
                                   " pictureNormal: \"qrc:/qt-project.org/styles/commonstyle/images/"
                                   "standardbutton-apply-16.png\" }");
  ASSERT_TRUE(item);
  EXPECT_EQ(item->property("buttonStyle").toInt(), 8);
  EXPECT_EQ(item->property("mode").toInt(), 2);
  // A back colour makes the scheme custom, as on the widget.
  EXPECT_EQ(item->property("colorScheme").toInt(), 3);
  EXPECT_EQ(item->property("backColor").value<QColor>(), QColor(0x10, 0x20, 0x30));
  ASSERT_TRUE(qobject_cast<VexaButtonItem*>(item.get())->buttonRecord().PictureNormal) << "from a qrc: URL";
  // Each property of the list is there, under its lowerCamel name, with a change signal.
  const QMetaObject* meta = item->metaObject();
  for (const QString& key : vexabutton::persistedKeys()) {
    if (key == QLatin1String("Enabled"))
      continue;
    QByteArray name = key.toLatin1();
    name[0] = char(QChar::toLower(uint(name[0])));
    if (name == "tooltipIcon" || name == "tooltipType")
      name.replace("tooltip", "toolTip"); // the keys of ToolTipIcon and ToolTipType
    const int index = meta->indexOfProperty(name.constData());
    ASSERT_GE(index, 0) << name.constData();
    EXPECT_TRUE(meta->property(index).hasNotifySignal()) << name.constData();
  }
  // Each of its enumerations is the widget's of the same name, value for
  // value (moc needs both written out: a look added to one is added to both).
  ASSERT_GT(meta->enumeratorCount(), meta->enumeratorOffset());
  for (int i = meta->enumeratorOffset(); i < meta->enumeratorCount(); ++i) {
    const QMetaEnum mine = meta->enumerator(i);
    const int widgets = vexabutton::staticMetaObject.indexOfEnumerator(mine.name());
    ASSERT_GE(widgets, 0) << mine.name();
    const QMetaEnum theirs = vexabutton::staticMetaObject.enumerator(widgets);
    ASSERT_EQ(mine.keyCount(), theirs.keyCount()) << mine.name();
    for (int k = 0; k < mine.keyCount(); ++k)
      EXPECT_EQ(theirs.keyToValue(mine.key(k)), mine.value(k)) << mine.name() << "::" << mine.key(k);
  }
}

// A stored layout: the widget's keys and defaults, and a bad value naming
// the key without changing the item.
TEST(Module, LoadsAStoredLayoutAsTheWidgetReadsIt) {
  QTemporaryDir dir;
  const auto write = [&](const char* name, const QByteArray& json) {
    QFile file(dir.filePath(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json);
    return file.fileName();
  };
  const QString good = write("good.json", R"({"ButtonStyle": 8, "Caption": "&Open", "Mode": 1, "Value": true})");
  const QString bad = write("bad.json", R"({"ButtonStyle": 3, "PictureOpacity": 300})");

  QQuickWindow view;
  VexaButtonItem item(view.contentItem());
  vexabutton widget;
  QString widgetError;
  ASSERT_TRUE(item.loadLayout(QUrl::fromLocalFile(good).toString()));
  QFile goodFile(good);
  ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
  ASSERT_TRUE(widget.ReadProperties(platform::PropertyBag::fromJson(goodFile.readAll()).value(), &widgetError));
  EXPECT_EQ(item.buttonStyle(), VexaButtonItem::Gel);
  EXPECT_EQ(item.caption(), QStringLiteral("&Open"));
  EXPECT_TRUE(item.value());
  EXPECT_TRUE(item.layoutError().isEmpty());
  // Every key the layout leaves out reads as the widget reads it.
  const QMetaObject* meta = item.metaObject();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    QByteArray name = property.name();
    name[0] = char(QChar::toUpper(uint(name[0])));
    const int index = widget.metaObject()->indexOfProperty(name.constData());
    if (index < 0 || name == "Font" || property.typeId() == QMetaType::QVariant)
      continue;
    const QVariant mine = property.read(&item);
    const QVariant theirs = widget.metaObject()->property(index).read(&widget);
    EXPECT_EQ(mine.toString(), theirs.toString()) << name.constData();
  }

  EXPECT_FALSE(item.loadLayout(bad));
  EXPECT_TRUE(item.layoutError().contains(QLatin1String("PictureOpacity"))) << item.layoutError().toStdString();
  EXPECT_EQ(item.buttonStyle(), VexaButtonItem::Gel) << "a failed load changes nothing";
  EXPECT_FALSE(item.loadLayout(dir.filePath(QStringLiteral("missing.json"))));
  EXPECT_TRUE(item.layoutError().contains(QLatin1String("missing.json")));
}

} // namespace
