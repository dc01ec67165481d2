// SPDX-License-Identifier: MIT
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Geometry.h"

#include <QFontMetrics>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using platform::ComboBox;
using platform::Label;

namespace {

const platform::SharedFont calibriBold(QStringLiteral("Calibri"), 9.75, 700, 238);

QStringList entriesOf(const ComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.ListCount(); ++i)
    items << list.List(i);
  return items;
}

} // namespace

// ---- Label -----------------------------------------------------------------------

TEST(Label, AutoSizeWidthFollowsTheCaptionAtOnceInWholePixels) {
  QWidget parent;
  Label label(&parent);
  label.move(2520, 6600, 2325, 225);
  label.setFont(calibriBold);
  label.setAutoSize(true);
  label.setCaption(QStringLiteral("30"));
  const QFontMetrics metrics(calibriBold.toQFont());
  const double narrow = label.Width();
  EXPECT_GT(narrow, 0);
  EXPECT_EQ(int(narrow) % 15, 0);
  EXPECT_NEAR(narrow, metrics.horizontalAdvance(QStringLiteral("30")) * 15.0, 15.0);
  EXPECT_EQ(label.Height(), metrics.height() * 15.0);
  label.setCaption(QStringLiteral("isteklo."));
  EXPECT_GT(label.Width(), narrow);
  // Left and Top stay; the pixel geometry follows the twips.
  EXPECT_EQ(label.Left(), 2520);
  EXPECT_EQ(label.Top(), 6600);
  EXPECT_EQ(label.geometry(), QRect(168, 440, platform::twipsToPixels(label.Width()), metrics.height()));
}

TEST(Label, EmptyAutoSizeCaptionHasNoWidthAndOneLineHeight) {
  Label label;
  label.setFont(calibriBold);
  label.setAutoSize(true);
  label.setCaption(QStringLiteral("x"));
  label.setCaption(QString());
  EXPECT_EQ(label.Width(), 0);
  EXPECT_EQ(label.Height(), QFontMetrics(calibriBold.toQFont()).height() * 15.0);
}

TEST(Label, MultiLineCaptionStacksLinesAtTheFontHeight) {
  Label label;
  label.setFont(calibriBold);
  label.setAutoSize(true);
  label.setCaption(QStringLiteral("jedan\r\ndva\r\ntri"));
  EXPECT_EQ(label.Height(), 3 * QFontMetrics(calibriBold.toQFont()).height() * 15.0);
  const double oneLine = [] {
    Label single;
    single.setFont(calibriBold);
    single.setAutoSize(true);
    single.setCaption(QStringLiteral("jedan"));
    return single.Width();
  }();
  EXPECT_EQ(label.Width(), oneLine);
}

TEST(Label, WordWrapWithAutoSizeKeepsTheWidthAndGrowsTheHeight) {
  Label label;
  label.setFont(calibriBold);
  label.move(0, 0, 900, 225);
  label.setWordWrap(true);
  label.setAutoSize(true);
  label.setCaption(QStringLiteral("jedna dve tri cetiri pet sest sedam osam devet deset"));
  EXPECT_EQ(label.Width(), 900);
  EXPECT_GE(label.Height(), 3 * QFontMetrics(calibriBold.toQFont()).height() * 15.0);
}

TEST(Label, FixedBoxKeepsItsSizeWhateverTheText) {
  Label label;
  label.move(120, 1320, 4335, 3495);
  label.setCaption(QStringLiteral("a long caption that would need far more room than the box has to offer"));
  EXPECT_EQ(label.Width(), 4335);
  EXPECT_EQ(label.Height(), 3495);
  EXPECT_FALSE(label.testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_FALSE(label.autoFillBackground());
}

TEST(Label, PaintsItsForeColourOnATransparentBackground) {
  QWidget parent;
  parent.resize(200, 40);
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(230, 230, 230));
  parent.setPalette(palette);
  Label label(&parent);
  label.move(0, 0, 3000, 600);
  label.setFont(platform::SharedFont(QStringLiteral("Calibri"), 20, 700));
  label.setForeColor(0x000000C0);
  label.setCaption(QStringLiteral("MMMM"));
  const QImage image = parent.grab().toImage();
  bool sawText = false;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x)
      if (image.pixelColor(x, y) == QColor(192, 0, 0))
        sawText = true;
  EXPECT_TRUE(sawText);
  EXPECT_EQ(image.pixelColor(199, 39), QColor(230, 230, 230));
}

// ---- Frame -----------------------------------------------------------------------

TEST(Frame, ChildrenArePlacedInTwipsRelativeToTheFrame) {
  QWidget parent;
  platform::Frame frame(&parent);
  frame.move(4320, 1080, 6015, 975);
  ComboBox list(&frame);
  list.move(1290, 360, 975, 345);
  EXPECT_EQ(frame.geometry(), QRect(288, 72, 401, 65));
  EXPECT_EQ(list.geometry(), QRect(86, 24, 65, 23));
  EXPECT_EQ(list.mapTo(&parent, QPoint(0, 0)), QPoint(288 + 86, 72 + 24));
  frame.hide();
  EXPECT_FALSE(frame.Visible());
  EXPECT_TRUE(list.Visible()); // its own flag
  EXPECT_FALSE(list.isVisibleTo(&parent));
}

TEST(Frame, FillsItsBackColour) {
  platform::Frame frame;
  frame.move(0, 0, 1500, 1500);
  frame.setBackColor(0x00E6E6E6);
  frame.setCaption(QStringLiteral("Boja kuce"));
  const QImage image = frame.grab().toImage();
  EXPECT_EQ(image.pixelColor(50, 50), QColor(230, 230, 230));
}

// ---- ComboBox --------------------------------------------------------------------

TEST(ComboBox, SortedListPlacesEachEntryAlphabeticallyAndSelectsNothing) {
  ComboBox list;
  list.setSorted(true);
  for (const char* entry : {"Zuta", "Plava", "Crvena", "Zelena", "Bela"})
    list.AddItem(QLatin1String(entry));
  EXPECT_EQ(entriesOf(list), (QStringList{"Bela", "Crvena", "Plava", "Zelena", "Zuta"}));
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_TRUE(list.Text().isEmpty());
  EXPECT_EQ(list.ListCount(), 5);
  EXPECT_FALSE(list.isEditable());
}

TEST(ComboBox, SortingIgnoresLetterCaseAndKeepsEqualEntriesInInsertionOrder) {
  ComboBox list;
  list.setSorted(true);
  for (const char* entry : {"beta", "Alfa", "Beta", "alfa"})
    list.AddItem(QLatin1String(entry));
  EXPECT_EQ(entriesOf(list), (QStringList{"Alfa", "alfa", "beta", "Beta"}));
}

TEST(ComboBox, UnsortedListAppendsAndAddingKeepsTheSelectedEntry) {
  ComboBox list;
  for (const char* entry : {"Zuta", "Plava", "Crvena"})
    list.AddItem(QLatin1String(entry));
  EXPECT_EQ(entriesOf(list), (QStringList{"Zuta", "Plava", "Crvena"}));
  list.setListIndex(1);
  EXPECT_EQ(list.Text(), QStringLiteral("Plava"));

  ComboBox sorted;
  sorted.setSorted(true);
  sorted.AddItem(QStringLiteral("Pivo"));
  sorted.setListIndex(0);
  sorted.AddItem(QStringLiteral("Caj")); // lands before the selected entry
  EXPECT_EQ(sorted.ListIndex(), 1);
  EXPECT_EQ(sorted.Text(), QStringLiteral("Pivo"));
}

// The font a list already shows (its frame's) is kept; any other is applied.
TEST(ComboBox, SetFontAppliesAFontThatDiffersInAnyAttribute) {
  platform::Frame frame;
  frame.setFont(calibriBold);
  ComboBox list(&frame);
  list.setFont(calibriBold);
  EXPECT_EQ(list.font(), calibriBold.toQFont());
  const platform::SharedFont regular(QStringLiteral("Calibri"), 9.75, 400, 238);
  list.setFont(regular);
  EXPECT_FALSE(list.font().bold());
  EXPECT_EQ(list.font(), regular.toQFont());
}

// ---- TimerControl ----------------------------------------------------------------

TEST(TimerControl, RunsOnlyWhileEnabledWithAnInterval) {
  platform::TimerControl timer;
  QSignalSpy ticks(&timer, &platform::TimerControl::Timer);
  timer.setInterval(10);
  EXPECT_FALSE(timer.Enabled());
  QTest::qWait(40);
  EXPECT_EQ(ticks.count(), 0);
  timer.setEnabled(true);
  EXPECT_TRUE(ticks.wait(2000));
  timer.setEnabled(false);
  const int count = ticks.count();
  QTest::qWait(40);
  EXPECT_EQ(ticks.count(), count);

  timer.setTag(QStringLiteral("60"));
  EXPECT_EQ(timer.Tag(), QStringLiteral("60"));
  timer.fire();
  EXPECT_EQ(ticks.count(), count + 1);

  timer.setInterval(0);
  timer.setEnabled(true);
  QTest::qWait(40);
  EXPECT_EQ(ticks.count(), count + 1);
}

// ---- PictureBox ------------------------------------------------------------------

TEST(PictureBox, AutoSizeTakesThePictureSizeAndTakesTheFocus) {
  QWidget parent;
  platform::PictureBox box(&parent);
  box.move(0, 4930, 100, 100);
  box.setAutoSize(true);
  QImage picture(154, 200, QImage::Format_RGB32);
  picture.fill(QColor(10, 20, 30));
  box.setPicture(picture);
  EXPECT_EQ(box.Width(), 2310);
  EXPECT_EQ(box.Height(), 3000);
  EXPECT_EQ(box.geometry(), QRect(0, 328, 154, 200));
  EXPECT_TRUE(box.focusPolicy() & Qt::TabFocus);
  box.setToolTipText(QStringLiteral(":-P"));
  EXPECT_EQ(box.ToolTipText(), QStringLiteral(":-P"));
  EXPECT_EQ(box.grab().toImage().pixelColor(5, 5), QColor(10, 20, 30));
}

// ---- Form ------------------------------------------------------------------------

namespace {

class ProbeForm : public platform::Form {
public:
  int loads = 0;
  int queryUnloads = 0;
  bool cancelNext = false;
  std::vector<int> modes;

protected:
  void Form_Load() override { ++loads; }
  void Form_QueryUnload(bool& cancel, int unloadMode) override {
    ++queryUnloads;
    modes.push_back(unloadMode);
    cancel = cancelNext;
  }
};

} // namespace

TEST(Form, ToolWindowStyleHasNoMinimizeMaximizeAndIsFixed) {
  QPointer<ProbeForm> form = new ProbeForm;
  form->setBorderStyle(4);
  form->setMaxButton(false);
  form->setMinButton(false);
  form->setShowInTaskbar(false);
  form->setClientSizeTwips(8925, 7575);
  EXPECT_EQ(form->size(), QSize(595, 505));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  delete form.data();
}

TEST(Form, LoadRunsOnceAndUnloadAsksQueryUnloadThenDeletesTheForm) {
  QPointer<ProbeForm> form = new ProbeForm;
  form->Show();
  form->Show();
  EXPECT_EQ(form->loads, 1);
  form->cancelNext = true;
  EXPECT_FALSE(form->Unload());
  EXPECT_TRUE(form->isVisible());
  form->cancelNext = false;
  form->close(); // the close box
  EXPECT_EQ(form->modes, (std::vector<int>{platform::Form::FormCode, platform::Form::FormControlMenu}));
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->isLoaded());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

TEST(Form, PaintsBackColourAndPictureUnscaledAtTheTopLeft) {
  QPointer<ProbeForm> form = new ProbeForm;
  form->setClientSizeTwips(1500, 1500);
  form->setBackColor(0x00E6E6E6);
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(QColor(0, 0, 255));
  form->setPicture(picture);
  const QImage image = form->grab().toImage();
  EXPECT_EQ(image.pixelColor(19, 9), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(20, 9), QColor(230, 230, 230));
  EXPECT_EQ(image.pixelColor(19, 10), QColor(230, 230, 230));
  delete form.data();
}
