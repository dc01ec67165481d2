// SPDX-License-Identifier: MIT
// Event handlers that open modal boxes, run event loops, change properties,
// hide the window or destroy the button while the button is still inside
// its own handler.

#include "InputTestSupport.h"

#include "platform/MessageBox.h"

#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using inputtest::EventLog;

namespace {

class Reentrancy : public ::testing::Test {
protected:
  void SetUp() override {
    log.clear();
    window = std::make_unique<QWidget>();
    window->resize(300, 200);
    button = new vexabutton(window.get());
    button->setGeometry(10, 10, 80, 30);
    inputtest::load(*button);
    log.attach(*button);
  }

  void mouse(QEvent::Type type, Qt::MouseButton which = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(which);
    QMouseEvent event(type, QPointF(5, 5), button ? button->mapToGlobal(QPointF(5, 5)) : QPointF(), which, held,
                      Qt::NoModifier);
    if (button)
      QCoreApplication::sendEvent(button, &event);
  }
  void move() {
    QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
  }
  void key(QEvent::Type type, int code, const char* text) {
    QKeyEvent event(type, code, Qt::NoModifier, QString::fromLatin1(text));
    if (button)
      QCoreApplication::sendEvent(button, &event);
  }
  // The handler of `signal` deletes the button.
  template <typename Signal> void deleteOn(Signal signal) {
    QObject::connect(button, signal, button, [this] { delete button.data(); });
  }

  std::unique_ptr<QWidget> window;
  QPointer<vexabutton> button;
  EventLog log;
};

TEST_F(Reentrancy, ClickHandlerDeletesTheButtonOnAMouseRelease) {
  deleteOn(&vexabutton::Click);
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_TRUE(button.isNull());
  EXPECT_EQ(log.sequence(), "MouseDown, Click"); // no MouseUp from a deleted button
}

TEST_F(Reentrancy, ClickHandlerDeletesTheButtonOnEnterSpaceAndAccessKey) {
  deleteOn(&vexabutton::Click);
  key(QEvent::KeyPress, Qt::Key_Return, "\r");
  EXPECT_TRUE(button.isNull());
  EXPECT_EQ(log.sequence(), "Click");

  SetUp();
  deleteOn(&vexabutton::Click);
  key(QEvent::KeyPress, Qt::Key_Space, " ");
  key(QEvent::KeyRelease, Qt::Key_Space, " ");
  EXPECT_TRUE(button.isNull());
  EXPECT_EQ(log.sequence(), "KeyDown, KeyPress, Click");

  SetUp();
  deleteOn(&vexabutton::Click);
  static_cast<platform::HostedControl*>(button)->hostAccessKeyPress('o');
  EXPECT_TRUE(button.isNull());
}

TEST_F(Reentrancy, OtherHandlersDeleteTheButton) {
  deleteOn(&vexabutton::MouseDown);
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_TRUE(button.isNull());

  SetUp();
  deleteOn(&vexabutton::DblClick);
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  mouse(QEvent::MouseButtonDblClick);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_TRUE(button.isNull());

  SetUp();
  deleteOn(&vexabutton::MouseEnter);
  move();
  EXPECT_TRUE(button.isNull());

  SetUp();
  deleteOn(&vexabutton::KeyDown);
  key(QEvent::KeyPress, Qt::Key_A, "a");
  EXPECT_TRUE(button.isNull());
  EXPECT_EQ(log.sequence(), "KeyDown"); // no KeyPress after it

  SetUp();
  button->setMode(2);
  auto* sibling = new vexabutton(window.get());
  sibling->setMode(2);
  sibling->setValue(true);
  deleteOn(&vexabutton::KeyUp);
  key(QEvent::KeyPress, Qt::Key_Space, " ");
  key(QEvent::KeyRelease, Qt::Key_Space, " ");
  EXPECT_TRUE(button.isNull());
  EXPECT_FALSE(sibling->Value());
}

TEST_F(Reentrancy, MouseLeaveHandlerDeletesTheButtonInsideItsLeave) {
  move();
  deleteOn(&vexabutton::MouseLeave);
  QPointer<vexabutton> guard = button;
  inputtest::sendLeave(*button);
  QCoreApplication::processEvents(); // raised once Qt's delivery of the leave is over
  EXPECT_TRUE(guard.isNull());
  // The window's other routers and events go on undisturbed.
  inputtest::sendActivation(*window, true);
}

// Change handlers delete the button while the change that raised them is
// under way: in QWidget's setters, in a new instance's step, or announced
// after its container's show.
TEST_F(Reentrancy, ChangeHandlersDeleteTheButton) {
  const struct {
    const char* change;
    std::function<void()> connect;
    std::function<void()> act;
  } cases[] = {
      {"EnabledChanged", [this] { deleteOn(&vexabutton::EnabledChanged); }, [this] { button->setEnabled(false); }},
      {"FontChanged", [this] { deleteOn(&vexabutton::FontChanged); },
       [this] { button->setFont(QFont(QStringLiteral("Tahoma"), 14)); }},
      {"ToolTipChanged", [this] { deleteOn(&vexabutton::ToolTipChanged); },
       [this] { button->setToolTip(QStringLiteral("Pomoc")); }},
      {"CaptionChanged",
       [this] {
         button->setCaption(QStringLiteral("Dalje"));
         deleteOn(&vexabutton::CaptionChanged);
       },
       [this] { button->loadNewInstance(); }},
      {"EnabledChanged in a disabled container", [this] { deleteOn(&vexabutton::EnabledChanged); },
       [this] {
         window->setEnabled(false);
         button->setEnabled(false);
         window->show();
         QTest::qWait(20);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    SetUp();
    c.connect();
    c.act();
    EXPECT_TRUE(button.isNull());
  }
}

TEST_F(Reentrancy, ClickHandlerDeletesTheWholeWindow) {
  QObject::connect(button, &vexabutton::Click, [this] { window.reset(); });
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_TRUE(button.isNull());
  EXPECT_EQ(log.sequence(), "MouseDown, Click");
}

TEST_F(Reentrancy, MouseDownHandlerOpensAModalBox) {
  inputtest::sendActivation(*window, true);
  QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
  QCoreApplication::sendEvent(button, &focusIn);
  platform::MsgBoxRecorder boxes;
  // While the box is open it has the focus and the window is inactive; the
  // release of the mouse goes to the box.
  boxes.whileOpen = [this](const platform::MsgBoxCall&) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(button, &focusOut);
    inputtest::sendActivation(*window, false);
    EXPECT_TRUE(recordOf(*button).ButtonState == ButtonRecord::Normal);
  };
  const auto connection = QObject::connect(button, &vexabutton::MouseDown, [] {
    platform::msgBox(QStringLiteral("Netacno! Pokusajte opet."), platform::MsgBoxIcon::Exclamation,
                     QStringLiteral("Provera"));
  });
  mouse(QEvent::MouseButtonPress);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_FALSE(recordOf(*button).MousePressed);
  EXPECT_FALSE(recordOf(*button).HasFocus);
  EXPECT_EQ(recordOf(*button).ButtonState, ButtonRecord::Normal);

  // Back in the window, the next click is an ordinary one.
  QObject::disconnect(connection);
  inputtest::sendActivation(*window, true);
  log.clear();
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_EQ(log.sequence(), "MouseDown, Click, MouseUp");
}

TEST_F(Reentrancy, MouseDownHandlerRunsAnEventLoopThatChangesTheButton) {
  QObject::connect(button, &vexabutton::MouseDown, [this] {
    QEventLoop loop;
    QTimer::singleShot(0, button, [this] {
      button->setMode(1);
      button->setEnabled(false);
    });
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
  });
  mouse(QEvent::MouseButtonPress);
  EXPECT_EQ(button->Mode(), 1);
  EXPECT_FALSE(recordOf(*button).MousePressed); // a disabled button drops its press
  EXPECT_EQ(recordOf(*button).ButtonState, ButtonRecord::Normal);
  mouse(QEvent::MouseButtonRelease); // not delivered to a disabled button
  EXPECT_EQ(log.sequence(), "MouseDown");
  EXPECT_FALSE(button->Value());
}

TEST_F(Reentrancy, ClickHandlerHidesTheWindowAndChangesProperties) {
  window->show();
  QObject::connect(button, &vexabutton::Click, [this] {
    window->hide();
    button->setCaption(QStringLiteral("&Novo"));
    button->setMode(2);
  });
  mouse(QEvent::MouseButtonPress);
  mouse(QEvent::MouseButtonRelease);
  EXPECT_EQ(log.sequence(), "MouseDown, Click, MouseUp");
  EXPECT_EQ(button->AccessKeys(), "n");
  EXPECT_EQ(recordOf(*button).ButtonState, ButtonRecord::Normal);
  EXPECT_FALSE(recordOf(*button).MousePressed);
}

} // namespace
