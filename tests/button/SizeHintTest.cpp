// SPDX-License-Identifier: MIT
// Buttons in Qt's layouts: the size they ask for holds their content, and a
// layout follows when the content grows.
#include "button/model/vexabutton_p.h"
#include "platform/PropertyBag.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <gtest/gtest.h>

namespace {

platform::PicturePtr picture(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  return platform::Picture::fromImage(image);
}

vexabutton* button(QWidget* parent, const QString& caption, int pictureSide = 0, int align = 1, int dropDown = 0) {
  auto* b = new vexabutton(parent);
  b->ReadProperties(platform::PropertyBag{});
  b->setCaption(caption);
  if (pictureSide)
    b->setPictureNormal(picture(pictureSide));
  b->setPictureAlign(align);
  b->setDropDownSymbol(dropDown);
  b->setDropDownSeparator(dropDown != 0);
  return b;
}

// Inside the button, and (for a non-empty second) apart from another rectangle.
bool inside(const platform::Rect& r, const QSize& size) {
  return r.left >= 0 && r.top >= 0 && r.right <= size.width() && r.bottom <= size.height();
}
bool apart(const platform::Rect& a, const platform::Rect& b) {
  return b.isEmpty() || a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

} // namespace

TEST(SizeHint, ButtonsInEachLayoutComeOutAtTheirHintsApartFromEachOther) {
  for (QLayout* layout :
       std::initializer_list<QLayout*>{new QVBoxLayout, new QHBoxLayout, new QGridLayout, new QFormLayout}) {
    QWidget window;
    window.setLayout(layout);
    const QList<vexabutton*> buttons = {
        button(&window, QStringLiteral("OK")), button(&window, QStringLiteral("Provera\n(3)"), 16, 1),
        button(&window, QStringLiteral("Izlaz"), 24, 6, 6), button(&window, QStringLiteral("Pauza"), 20, 3, 6)};
    for (int i = 0; i < buttons.size(); ++i) {
      if (auto* grid = qobject_cast<QGridLayout*>(layout))
        grid->addWidget(buttons[i], i / 2, i % 2);
      else if (auto* form = qobject_cast<QFormLayout*>(layout))
        form->addRow(QStringLiteral("Red:"), buttons[i]);
      else
        layout->addWidget(buttons[i]);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (vexabutton* b : buttons) {
      SCOPED_TRACE(b->Caption().toStdString());
      EXPECT_EQ(b->height(), b->sizeHint().height());
      EXPECT_GE(b->width(), b->sizeHint().width());
      EXPECT_TRUE(inside(recordOf(*b).CaptionRect, b->size()) && inside(recordOf(*b).PictureRect, b->size()));
      for (vexabutton* other : buttons)
        EXPECT_TRUE(b == other || !b->geometry().intersects(other->geometry()));
    }
  }
}

TEST(SizeHint, EveryAlignmentFitsAtTheMinimumHint) {
  QWidget window;
  window.show();
  for (int align = 0; align <= 8; ++align)
    for (int captionAlign = 0; captionAlign <= 2; ++captionAlign)
      for (int dropDown : {0, 6}) {
        vexabutton* b = button(&window, QStringLiteral("Provera (3)"), 24, align, dropDown);
        b->setCaptionAlign(captionAlign);
        b->resize(b->minimumSizeHint());
        b->show();
        const ButtonRecord& rec = recordOf(*b);
        const platform::Rect oneLine = surfaceOf(*b).measureText(
            b->Caption(), {0, 0, 4096, 100}, platform::Surface::TextWordBreak | platform::Surface::TextCalcRect);
        const int limit = dropDown ? b->width() - 16 : b->width();
        EXPECT_TRUE(inside(rec.CaptionRect, {limit, b->height()}) && inside(rec.PictureRect, {limit, b->height()}) &&
                    (align == 4 || apart(rec.CaptionRect, rec.PictureRect)) &&
                    rec.CaptionRect.width() >= oneLine.right && rec.CaptionRect.height() == oneLine.bottom)
            << "PictureAlign " << align << ", CaptionAlign " << captionAlign << ", drop-down " << dropDown;
      }
}

TEST(SizeHint, GrowsWithItsContentAndTheLayoutFollows) {
  struct Case {
    const char* name;
    std::function<void(vexabutton&)> change;
    bool wider, taller;
  } cases[] = {
      {"longer caption", [](vexabutton& b) { b.setCaption(QStringLiteral("Proverite odgovore")); }, true, false},
      {"larger font", [](vexabutton& b) { b.Font()->setSize(16); }, true, true},
      {"picture above", [](vexabutton& b) { b.setPictureNormal(picture(32)), b.setPictureAlign(6); }, false, true},
      {"second line", [](vexabutton& b) { b.setCaption(QStringLiteral("Prove\nrite")); }, false, true},
  };
  for (const Case& c : cases) {
    QWidget window;
    vexabutton* b = button(&window, QStringLiteral("Proverite"));
    (new QVBoxLayout(&window))->addWidget(b);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize before = b->sizeHint();
    c.change(*b);
    EXPECT_EQ(b->sizeHint().width() > before.width(), c.wider) << c.name;
    EXPECT_EQ(b->sizeHint().height() > before.height(), c.taller) << c.name;
    EXPECT_TRUE(QTest::qWaitFor([&] { return b->height() == b->sizeHint().height(); })) << c.name;
  }
  // Nothing to show still asks for the control's smallest size.
  QWidget window;
  EXPECT_EQ(button(&window, QString())->minimumSizeHint(), QSize(15, 15));
}
