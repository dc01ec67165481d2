// SPDX-License-Identifier: MIT
// The handler soak: random handlers on random signals of a form of buttons,
// while random input and changes reach them. A handler may delete its button
// (at once or later), delete another, change properties, hide, disable or
// move its button, load it anew or run a nested event loop. Run under the
// sanitizers it finds a button used after a handler freed it; the invariants
// below are checked after every step. VEXA_HANDLER_SOAK_STEPS sets the
// length (20000), VEXA_SOAK_SEED the seed.
//
// Invariants, after every step, for every live button:
//   - ButtonState is Normal, Hot or Down; a disabled button holds no press.
//   - MouseLeave only after a MouseEnter.

#include "button/InputTestSupport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int Buttons = 12;

class HandlerSoak {
public:
  explicit HandlerSoak(unsigned seed) : random_(seed) {
    form_.setGeometry(40, 40, 440, 220);
    for (int f = 0; f < 2; ++f) {
      frames_[f] = new QWidget(&form_);
      frames_[f]->setGeometry(10 + f * 215, 10, 205, 200);
    }
    buttons_.resize(Buttons);
    entered_.resize(Buttons);
    for (int i = 0; i < Buttons; ++i)
      create(i);
    form_.show();
    form_.activateWindow();
    (void)QTest::qWaitForWindowActive(&form_);
  }

  void step() {
    ++steps_;
    QWindow* window = form_.windowHandle();
    const QPoint at = window->mapFromGlobal(QCursor::pos());
    switch (pick(0, 13)) {
    case 0:
    case 1:
    case 2:
      inputtest::pointTo(&form_, {pick(0, 439), pick(0, 219)});
      break;
    case 3:
      QTest::mouseClick(window, Qt::LeftButton, {}, at);
      break;
    case 4:
      QTest::mouseDClick(window, Qt::LeftButton, {}, at);
      break;
    case 5: {
      static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_A, Qt::Key_Tab, Qt::Key_Right};
      QTest::keyClick(window, keys[pick(0, 4)]);
      break;
    }
    case 6:
      if (vexabutton* b = any())
        b->setFocus();
      break;
    case 7:
      frames_[pick(0, 1)]->setEnabled(pick(0, 1));
      break;
    default:
      if (vexabutton* b = any())
        change(b, pick(0, 11));
      break;
    }
    QCoreApplication::processEvents();
    for (int i = 0; i < Buttons; ++i)
      if (!buttons_[i])
        create(i);
    check();
  }

  const std::string& failure() const { return failure_; }
  long steps() const { return steps_; }
  long deleted() const { return deleted_; }

private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  vexabutton* any() { return buttons_[pick(0, Buttons - 1)]; }

  void create(int slot) {
    auto* b = new vexabutton(frames_[pick(0, 1)]);
    b->setGeometry(pick(0, 2) * 68, pick(0, 5) * 33, 66, 31);
    b->loadNewInstance();
    b->setButtonStyle(pick(0, 13));
    b->setMode(pick(0, 2));
    b->setCaption(QStringLiteral("&Dugme %1").arg(slot));
    b->show();
    buttons_[slot] = b;
    entered_[slot] = false;
    QObject::connect(b, &vexabutton::MouseEnter, b, [this, slot] { entered_[slot] = true; });
    QObject::connect(b, &vexabutton::MouseLeave, b, [this, slot] {
      if (!std::exchange(entered_[slot], char(false)))
        failure_ = "MouseLeave without a MouseEnter, button " + std::to_string(slot);
    });
    connectHandlers(b);
  }

  // Two to five handlers on random signals of `b`, each doing one random thing.
  void connectHandlers(vexabutton* b) {
    const std::function<void(std::function<void()>)> on[] = {
        [b](auto h) { QObject::connect(b, &vexabutton::Click, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::DblClick, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::MouseEnter, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::MouseLeave, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::MouseMove, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::MouseDown, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::MouseUp, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::KeyDown, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::KeyUp, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::KeyPress, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::EnabledChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::FontChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::ToolTipChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::CaptionChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::ButtonStyleChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::BackColorChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::ModeChanged, b, h); },
        [b](auto h) { QObject::connect(b, &vexabutton::ValueChanged, b, h); },
    };
    for (int n = pick(2, 5); n > 0; --n) {
      const int action = pick(0, 16);
      const QPointer<vexabutton> self(b);
      on[pick(0, int(std::size(on)) - 1)]([this, self, action] {
        if (!self || depth_ > 2)
          return;
        ++depth_;
        handle(self, action);
        --depth_;
      });
    }
  }

  void handle(vexabutton* b, int action) {
    switch (action) {
    case 0:
      ++deleted_;
      delete b;
      break;
    case 1:
      b->deleteLater();
      break;
    case 2:
      if (vexabutton* other = any(); other && other != b) {
        ++deleted_;
        delete other;
      }
      break;
    case 3:
      b->setVisible(!b->isVisible());
      break;
    case 4:
      b->setParent(frames_[pick(0, 1)]);
      b->show();
      break;
    case 5:
      QCoreApplication::processEvents();
      break;
    default:
      change(b, action - 6);
      break;
    }
  }

  void change(vexabutton* b, int what) {
    switch (what) {
    case 0:
      b->setEnabled(pick(0, 1));
      break;
    case 1: {
      QFont font = b->font();
      if (pick(0, 1))
        font.setPixelSize(pick(8, 30));
      else
        font.setPointSize(pick(6, 20));
      b->setFont(font);
      break;
    }
    case 2:
      b->setToolTip(pick(0, 1) ? QString() : QStringLiteral("Savet"));
      break;
    case 3:
      b->setCaption(pick(0, 1) ? QStringLiteral("&Da") : QStringLiteral("Ne"));
      break;
    case 4:
      b->setButtonStyle(pick(0, 13));
      break;
    case 5:
      b->setBackColor(pick(0, 0xFFFFFF));
      break;
    case 6:
      b->setMode(pick(0, 2));
      break;
    case 7:
      b->setValue(pick(0, 1));
      break;
    case 8:
      b->loadNewInstance();
      break;
    case 9:
      b->setVisible(!b->isVisible());
      break;
    case 10:
      b->resize(pick(10, 90), pick(10, 40));
      break;
    default:
      b->move(pick(0, 2) * 68, pick(0, 5) * 33);
      break;
    }
  }

  void check() {
    for (int i = 0; i < Buttons; ++i) {
      const vexabutton* b = buttons_[i];
      if (!b)
        continue;
      const ButtonRecord& rec = recordOf(*b);
      if (rec.ButtonState < 0 || rec.ButtonState > 2)
        failure_ = "ButtonState " + std::to_string(rec.ButtonState);
      if (!b->isEnabled() && (rec.MousePressed || rec.SpaceDown))
        failure_ = "a disabled button holds a press, button " + std::to_string(i);
    }
  }

  std::mt19937 random_;
  QWidget form_;
  QWidget* frames_[2] = {};
  std::vector<QPointer<vexabutton>> buttons_;
  std::vector<char> entered_;
  int depth_ = 0;
  long steps_ = 0;
  long deleted_ = 0;
  std::string failure_;
};

TEST(HandlerSoak, RandomHandlersOnRandomSignalsKeepEveryInvariant) {
  bool ok = false;
  long wanted = qEnvironmentVariable("VEXA_HANDLER_SOAK_STEPS").toLong(&ok);
  if (!ok || wanted <= 0)
    wanted = 20000;
  const long seed = qEnvironmentVariable("VEXA_SOAK_SEED").toLong(&ok);
  HandlerSoak soak(ok && seed > 0 ? unsigned(seed) : 1u);
  while (soak.steps() < wanted && soak.failure().empty())
    soak.step();
  std::printf("handler soak: %ld steps, %ld buttons deleted in handlers, %s\n", soak.steps(), soak.deleted(),
              soak.failure().empty() ? "no invariant broken" : "an invariant broke");
  EXPECT_EQ(soak.failure(), "") << "after " << soak.steps() << " steps";
}

} // namespace
