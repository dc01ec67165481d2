// SPDX-License-Identifier: MIT
// A button made in code and never loaded, on a real X server: it tracks the
// pointer, shows its tip, takes the focus and answers its access key as a
// loaded one does.

#include "X11Support.h"

#include "platform/TooltipWindow.h"

namespace {

class CodeMadeButton : public x11test::ButtonWindow {
protected:
  void prepare() override {
    other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(other, button); // takes the focus first
    button->setCaption(QStringLiteral("&Kraj"));
    button->setToolTip(QStringLiteral("Zatvara prozor"));
  }
  QWidget* other = nullptr;
};

TEST_F(CodeMadeButton, HoversLeavesShowsItsTipTakesTheFocusAndAnswersItsAccessKey) {
  EXPECT_TRUE(rec().ParentActive);

  inputtest::pointTo(button, {50, 15});
  EXPECT_EQ(rec().ButtonState, ButtonRecord::Hot);
  const auto tipShown = [&] {
    const auto* tip = button->findChild<platform::TooltipWindow*>();
    return tip && tip->isVisible();
  };
  EXPECT_TRUE(QTest::qWaitFor(tipShown, 3000));
  log.clear();
  park();
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(std::pair(rec().ButtonState, rec().MouseInside), std::pair(qint32(ButtonRecord::Normal), false));
  EXPECT_FALSE(tipShown());

  other->setFocus();
  QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
  EXPECT_TRUE(button->hasFocus() && rec().HasFocus);
  other->setFocus();
  log.clear();
  QTest::keyClick(window.windowHandle(), Qt::Key_K, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
}

} // namespace
