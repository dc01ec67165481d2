// SPDX-License-Identifier: MIT
// A button made in code and never loaded, on a real X server: it tracks the
// pointer, shows its tip, takes the focus and answers its access key as a
// loaded one does.

#include "X11Support.h"

#include "platform/TooltipWindow.h"

#include <QElapsedTimer>

namespace {

TEST(CodeMadeButton, HoversLeavesShowsItsTipTakesTheFocusAndAnswersItsAccessKey) {
  QWidget window;
  window.setGeometry(312, 284, 400, 200);
  auto* other = new QWidget(&window); // takes the focus first
  other->setFocusPolicy(Qt::StrongFocus);
  auto* button = new vexabutton(&window);
  button->setGeometry(150, 85, 100, 30);
  button->setCaption(QStringLiteral("&Kraj"));
  button->setToolTip(QStringLiteral("Zatvara prozor"));
  inputtest::EventLog log;
  log.attach(*button);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const ButtonRecord& rec = recordOf(*button);
  EXPECT_TRUE(rec.ParentActive);

  inputtest::pointTo(&window, {20, 20});
  inputtest::pointTo(button, {50, 15});
  EXPECT_EQ(rec.ButtonState, ButtonRecord::Hot);
  auto tipShown = [&] {
    const auto* tip = button->findChild<platform::TooltipWindow*>();
    return tip && tip->isVisible();
  };
  QElapsedTimer waited;
  waited.start();
  while (!tipShown() && waited.elapsed() < 3000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_TRUE(tipShown());

  log.clear();
  inputtest::pointTo(&window, {20, 20});
  EXPECT_EQ(log.sequence(), "MouseLeave");
  EXPECT_EQ(rec.ButtonState, ButtonRecord::Normal);
  EXPECT_FALSE(rec.MouseInside);
  EXPECT_FALSE(tipShown());

  other->setFocus();
  QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
  EXPECT_TRUE(button->hasFocus());
  EXPECT_TRUE(rec.HasFocus);
  other->setFocus();
  log.clear();
  QTest::keyClick(window.windowHandle(), Qt::Key_K, Qt::AltModifier);
  EXPECT_EQ(log.count("Click"), 1);
}

} // namespace
