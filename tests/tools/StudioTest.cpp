// The studio's document (modified flag, presets) and its property browser.
#include "PropertyFields.h"
#include "StudioDocument.h"
#include "StudioWindow.h"
#include "button/model/vexabutton_p.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using platform::PropertyBag;

namespace {

platform::PicturePtr picture(QRgb colour) {
  QImage image(6, 5, QImage::Format_RGB32);
  image.fill(colour);
  return platform::Picture::fromImage(image);
}

} // namespace

TEST(StudioDocument, ChangesMarkItModifiedAndSavingOrANewDocumentClearsTheMark) {
  StudioDocument document;
  QSignalSpy modified(&document, &StudioDocument::modifiedChanged);
  EXPECT_FALSE(document.isModified()) << "a new document";
  document.button().setCaption(QStringLiteral("OK"));
  EXPECT_TRUE(document.isModified());
  document.button().setButtonStyle(2);
  EXPECT_EQ(modified.count(), 1) << "signalled once, when it became modified";

  QTemporaryDir dir;
  QString error;
  ASSERT_TRUE(document.save(dir.filePath("ok.json"), &error)) << qPrintable(error);
  EXPECT_FALSE(document.isModified());
  // A change of the shared font object is a change of the button too.
  document.button().Font()->setSize(12);
  EXPECT_TRUE(document.isModified());
  document.newDocument();
  EXPECT_FALSE(document.isModified());
  EXPECT_TRUE(document.filePath().isEmpty());
}

TEST(StudioDocument, APresetSavedAndOpenedAgainHasEveryPropertyAndTheSize) {
  StudioDocument first;
  vexabutton& b = first.button();
  // In an order where no setter undoes an earlier one.
  b.setButtonStyle(4);
  b.setColorScheme(1);
  b.setBackColor(0x123456);
  b.setCaption(QStringLiteral("Dalje &>"));
  b.setFont(std::make_shared<platform::SharedFont>(QStringLiteral("Carlito"), 9.75, 700, 238, true, true));
  b.setMode(2);
  b.setValue(true);
  b.setForeColor(0x0000C0);
  b.setForeColorHover(0x00C000);
  b.setPictureNormal(picture(qRgb(1, 2, 3)));
  b.setPictureHot(picture(qRgb(4, 5, 6)));
  b.setPictureDown(picture(qRgb(7, 8, 9)));
  b.setMouseIcon(picture(qRgb(9, 9, 9)));
  b.setHandPointer(true);
  b.setMousePointer(11);
  b.setPictureAlign(6);
  b.setPictureEffectOnOver(2);
  b.setPictureEffectOnDown(0);
  b.setPictureShadow(true);
  b.setPictureOpacity(40);
  b.setPictureOpacityOnOver(90);
  b.setDisabledPictureMode(1);
  b.setCaptionEffects(4);
  b.setUseMaskColor(false);
  b.setMaskColor(0x010203);
  b.setCaptionAlign(0);
  b.setToolTip(QStringLiteral("Sledeći korak"));
  b.setToolTipType(1);
  b.setToolTipIcon(3);
  b.setTooltipTitle(QStringLiteral("Dalje"));
  b.setTooltipBackColor(0x80000005);
  b.setRightToLeft(true);
  b.setDropDownSymbol(6);
  b.setDropDownSeparator(true);
  b.setShowFocusRect(true);
  b.setEnabled(false);
  first.setButtonSize(QSize(150, 40));

  QTemporaryDir dir;
  const QString path = dir.filePath("preset.json");
  QString error;
  ASSERT_TRUE(first.save(path, &error)) << qPrintable(error);
  StudioDocument second;
  ASSERT_TRUE(second.open(path, &error)) << qPrintable(error);
  EXPECT_EQ(second.filePath(), path);
  EXPECT_FALSE(second.isModified());
  EXPECT_EQ(second.button().size(), QSize(150, 40));
  PropertyBag saved, loaded;
  first.button().WriteProperties(saved);
  second.button().WriteProperties(loaded);
  for (const QString& key : vexabutton::persistedKeys()) {
    EXPECT_TRUE(saved.contains(key)) << "not left at its default: " << qPrintable(key);
    EXPECT_TRUE(PropertyBag::valuesEqual(saved.ReadProperty(key), loaded.ReadProperty(key))) << qPrintable(key);
  }
}

TEST(StudioDocument, APresetThatCannotBeUsedIsNamedAndChangesNothing) {
  QTemporaryDir dir;
  const struct {
    const char* text;
    const char* named; // what the message must name
  } cases[] = {
      {R"({"ButtonStyle": 2, "Caption": )", "preset.json"},
      {R"({"ButtonStyle": 2, "Caption": "x", "Mode": "push"})", "Mode"},
      {R"({"ButtonStile": 2})", "ButtonStile"},
      {R"({"PictureNormal": {"Picture": 1, "Png": "not a picture"}})", "PictureNormal"},
      {R"({"_ExtentX": -15})", "_ExtentX"},
      {R"([1, 2])", "preset.json"},
  };
  StudioDocument document;
  document.button().setCaption(QStringLiteral("Zadrži me"));
  const QByteArray before = document.presetText();
  for (const auto& c : cases) {
    const QString path = dir.filePath("preset.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.text);
    file.close();
    QString error;
    EXPECT_FALSE(document.open(path, &error)) << c.text;
    EXPECT_TRUE(error.contains(QLatin1String(c.named))) << c.text << " -> " << qPrintable(error);
    EXPECT_EQ(document.presetText(), before) << c.text;
    EXPECT_TRUE(document.isModified()) << c.text;
    EXPECT_TRUE(document.filePath().isEmpty()) << c.text;
  }
  QString error;
  EXPECT_FALSE(document.open(dir.filePath("missing.json"), &error));
  EXPECT_TRUE(error.contains(QLatin1String("missing.json")));
}

TEST(StudioWindow, TheBrowserEditsEveryStoredPropertyAndTheTryButtonRunsIt) {
  StudioWindow window;
  QTableWidget* table = window.propertyTable();
  ASSERT_EQ(table->rowCount(), 37);
  QStringList names;
  for (int row = 0; row < table->rowCount(); ++row) {
    names << table->item(row, 0)->text();
    EXPECT_FALSE(vexabutton::helpString(names.last()).isEmpty()) << qPrintable(names.last());
  }
  for (const QString& key : vexabutton::persistedKeys())
    EXPECT_TRUE(names.contains(key, Qt::CaseInsensitive)) << qPrintable(key);

  // Choosing a style in its list runs the setter: the style's colours follow.
  auto* styles = qobject_cast<QComboBox*>(table->cellWidget(names.indexOf("ButtonStyle"), 1));
  ASSERT_NE(styles, nullptr);
  styles->activated(styles->findData(2));
  EXPECT_EQ(window.document().button().ButtonStyle(), 2);
  EXPECT_EQ(window.document().button().BackColor(), 0xE7EBEC);
  EXPECT_TRUE(window.isWindowModified());

  // The try button is a running copy, and its events reach the log.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  vexabutton* button = window.tryButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ButtonStyle(), 2);
  EXPECT_TRUE(recordOf(*button).UserMode);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  const QString log = window.eventLog()->toPlainText();
  EXPECT_LT(log.indexOf("MouseDown Button=1"), log.indexOf("Click"));
  EXPECT_LT(log.indexOf("Click"), log.indexOf("MouseUp"));
}
