// SPDX-License-Identifier: MIT
// Thousands of random input sequences against one button: pointer in and out,
// presses, releases, double clicks, keys, focus and activation changes,
// Enabled and Mode changes. The button must never crash, ButtonState stays
// 0, 1 or 2, a Click comes only from a key or from releasing a left press
// the button had, and every MouseDown is followed by exactly one MouseUp of
// the left button.

#include "InputTestSupport.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <random>

namespace {

class Driver {
public:
  explicit Driver(unsigned seed) : random_(seed) {
    window_.resize(300, 200);
    button_ = new vexabutton(&window_);
    button_->setGeometry(10, 10, 80, 30);
    sibling_ = new vexabutton(&window_);
    sibling_->setGeometry(10, 50, 80, 30);
    sibling_->setMode(2);
    inputtest::load(*button_);
    inputtest::load(*sibling_);

    QObject::connect(button_, &vexabutton::Click, [this] {
      if (cause_ == Cause::Other)
        fail("Click without a press or a key before it");
      if (cause_ == Cause::LeftRelease && !leftPressDelivered_)
        fail("Click at the release of a press the button never had");
    });
    QObject::connect(button_, &vexabutton::MouseDown, [this](qint16, qint16, float, float) {
      if (leftDownPending_)
        fail("a second MouseDown before the MouseUp");
      leftDownPending_ = true;
    });
    QObject::connect(button_, &vexabutton::MouseUp, [this](qint16 b, qint16, float, float) {
      if (b == 1)
        leftDownPending_ = false;
    });
  }

  // One sequence of 1 to 30 actions, then everything let go.
  void runSequence() {
    const int steps = pick(1, 30);
    for (int i = 0; i < steps && failure_.empty(); ++i) {
      step();
      check();
    }
    releaseAll();
    check();
    if (leftDownPending_)
      fail("a MouseDown without its MouseUp");
  }

  const std::string& failure() const { return failure_; }
  const std::string& trace() const { return trace_; }

private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  void fail(const std::string& what) {
    if (failure_.empty())
      failure_ = what;
  }
  void note(const char* what) {
    trace_ += what;
    trace_ += ' ';
    if (trace_.size() > 2000)
      trace_.erase(0, trace_.size() - 1000);
  }

  QPointF position() const { return inside_ ? QPointF(40, 15) : QPointF(-7, 15); }

  void sendMouse(QEvent::Type type, Qt::MouseButton which) {
    QMouseEvent event(type, position(), button_->mapToGlobal(position()), which, held_, modifiers());
    QCoreApplication::sendEvent(button_, &event);
  }
  void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text) {
    cause_ = Cause::Key;
    QKeyEvent event(type, key, mods, text);
    QCoreApplication::sendEvent(button_, &event);
  }
  void sendFocus(bool in) {
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(button_, &event);
    focused_ = in;
  }
  Qt::KeyboardModifiers modifiers() { return chance(10) ? Qt::ShiftModifier : Qt::NoModifier; }

  void move(bool in) {
    const bool wasInside = inside_;
    inside_ = in;
    // Without a held button Qt sends moves outside to the window below.
    if (in || held_ != Qt::NoButton)
      sendMouse(QEvent::MouseMove, Qt::NoButton);
    if (wasInside && !in && held_ == Qt::NoButton)
      inputtest::sendLeave(*button_);
  }

  void press(Qt::MouseButton which, bool doubleClick) {
    if (!inside_ || (held_ & which))
      return;
    held_ |= which;
    if (which == Qt::LeftButton)
      leftPressDelivered_ = button_->isEnabled();
    sendMouse(doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, which);
  }

  void release(Qt::MouseButton which) {
    if (!(held_ & which))
      return;
    held_ &= ~Qt::MouseButtons(which);
    cause_ = which == Qt::LeftButton ? Cause::LeftRelease : Cause::Other;
    sendMouse(QEvent::MouseButtonRelease, which);
    cause_ = Cause::Other;
    if (which == Qt::LeftButton)
      leftPressDelivered_ = false;
    if (!inside_ && held_ == Qt::NoButton)
      inputtest::sendLeave(*button_);
  }

  void step() {
    cause_ = Cause::Other;
    switch (pick(0, 15)) {
    case 0:
    case 1:
      note("in");
      move(true);
      break;
    case 2:
      note("out");
      move(false);
      break;
    case 3:
      note("press");
      press(chance(75) ? Qt::LeftButton : Qt::RightButton, false);
      break;
    case 4:
      note("release");
      release(chance(75) ? Qt::LeftButton : Qt::RightButton);
      break;
    case 5:
      note("dbl");
      press(Qt::LeftButton, true);
      break;
    case 6:
      if (!focused_)
        break;
      note("space");
      spaceHeld_ = true;
      sendKey(QEvent::KeyPress, Qt::Key_Space, chance(10) ? Qt::AltModifier : Qt::NoModifier, QStringLiteral(" "));
      break;
    case 7:
      if (!spaceHeld_)
        break;
      note("spaceup");
      spaceHeld_ = false;
      sendKey(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
      break;
    case 8: {
      if (!focused_)
        break;
      note("key");
      static const int keys[] = {Qt::Key_Return, Qt::Key_A, Qt::Key_Escape, Qt::Key_Right, Qt::Key_Up};
      const int key = keys[pick(0, 4)];
      sendKey(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_A ? QStringLiteral("a") : QString());
      sendKey(QEvent::KeyRelease, key, Qt::NoModifier, QString());
      break;
    }
    case 9:
      note(focused_ ? "blur" : "focus");
      sendFocus(!focused_);
      break;
    case 10: {
      const bool active = chance(50);
      note(active ? "activate" : "deactivate");
      inputtest::sendActivation(window_, active);
      if (!active && focused_)
        sendFocus(false);
      break;
    }
    case 11:
      // A disabled button gets no input, so it could never see the release
      // of a press it already had: only toggled with no button held.
      if (held_ != Qt::NoButton)
        break;
      note("enabled");
      button_->setEnabled(!button_->Enabled());
      break;
    case 12:
      note("mode");
      button_->setMode(pick(0, 2));
      break;
    case 13:
      note("value");
      button_->setValue(chance(50));
      break;
    case 14:
      note("access");
      cause_ = Cause::Key;
      static_cast<platform::HostedControl*>(button_)->hostAccessKeyPress(chance(50) ? 'o' : (chance(50) ? 13 : 27));
      break;
    case 15:
      note("leave");
      inputtest::sendLeave(*button_);
      break;
    }
  }

  void releaseAll() {
    release(Qt::LeftButton);
    release(Qt::RightButton);
    if (spaceHeld_) {
      spaceHeld_ = false;
      sendKey(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    }
    if (!button_->Enabled())
      button_->setEnabled(true);
  }

  void check() {
    const qint32 state = recordOf(*button_).ButtonState;
    if (state < 0 || state > 2)
      fail("ButtonState " + std::to_string(state));
  }

  std::mt19937 random_;
  QWidget window_;
  vexabutton* button_ = nullptr;
  vexabutton* sibling_ = nullptr;
  bool inside_ = false;
  bool focused_ = false;
  bool spaceHeld_ = false;
  Qt::MouseButtons held_ = Qt::NoButton;
  // What the action under way may click with.
  enum class Cause { Other, LeftRelease, Key };
  Cause cause_ = Cause::Other;
  bool leftPressDelivered_ = false;
  bool leftDownPending_ = false;
  std::string failure_;
  std::string trace_;
};

TEST(RandomInput, ThousandsOfSequencesKeepTheButtonConsistent) {
  for (unsigned seed : {1u, 2u, 3u}) {
    Driver driver(seed);
    for (int sequence = 0; sequence < 1500 && driver.failure().empty(); ++sequence)
      driver.runSequence();
    EXPECT_EQ(driver.failure(), "") << "seed " << seed << ", last actions: " << driver.trace();
  }
}

} // namespace
