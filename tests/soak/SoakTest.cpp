// SPDX-License-Identifier: MIT
// The soak: random input sequences against a shown form with a button in
// every style and every mode, driven through the window system as a user
// would (pointer, presses, double clicks, keys, access keys, Tab), with
// focus and activation changes, enabling and disabling (of a button and of
// its container), property changes, resizes, attached menus, tooltips, and
// buttons destroyed from inside their own event handlers. After every step
// the invariants below must hold. Run by `fuzz/run --soak` (ctest label
// "soak", not part of ./test); VEXA_SOAK_SEQUENCES and VEXA_SOAK_SEED change
// the length and the seed, and VEXA_SOAK_VERBOSE_FROM=N prints every step
// from sequence N on (to see how a stop came about).
//
// Invariants, after every step, for every live button:
//   - ButtonState is Normal, Hot or Down; Hot only with MouseInside; Down only
//     while pressed (mouse or space), checked, or its menu just closed.
//     (The soak's own bookkeeping sees when a press began: a button only
//     ever hit with the pointer out of it, or shrunk under a still pointer,
//     would otherwise pass unnoticed.)
//   - After the pointer moved, no button but the one under it is MouseInside.
//   - A disabled button holds no press; at most one button holds a press.
//   - Within one container at most one option button is checked.
//   - Events come only in the orders the behaviour allows: a left MouseDown
//     is followed by its MouseUp before the next; Click only from the release
//     of the button's own left press, a key, or an access key; DblClick only
//     from a double click, after its MouseDown; MouseLeave only after a
//     MouseEnter.

#include "button/InputTestSupport.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/TooltipWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

constexpr int Styles = 14;
constexpr QSize Cell(80, 32);

struct Slot {
  qint32 style = 0;
  qint32 mode = 0;
  QWidget* frame = nullptr;
  QPoint at; // top-left corner in the frame
  QPointer<vexabutton> button;
  QMenu* menu = nullptr; // attached while set
  // Event-order model.
  bool leftDown = false;
  bool releaseMayBeLost = false; // the press ended early: its MouseUp may never come
  bool entered = false;
  std::string events; // the last few, for a failure's report
};

enum class Cause { None, Press, Release, DoubleClick, Key, AccessKey };

class Soak {
public:
  explicit Soak(unsigned seed) : random_(seed) {
    form_.setGeometry(40, 40, 7 * Cell.width() + 20, 2 * (3 * Cell.height() + 20) + 20);
    other_.setGeometry(700, 500, 120, 80);
    for (int f = 0; f < 2; ++f) {
      frames_[f] = new QWidget(&form_);
      frames_[f]->setGeometry(10, 10 + f * (3 * Cell.height() + 20), 7 * Cell.width(), 3 * Cell.height());
    }
    for (int style = 0; style < Styles; ++style)
      for (int mode = 0; mode < 3; ++mode) {
        Slot slot;
        slot.style = style;
        slot.mode = mode;
        slot.frame = frames_[style / 7];
        slot.at = QPoint((style % 7) * Cell.width(), mode * Cell.height());
        slots_.push_back(slot);
      }
    for (int i = 0; i < 4; ++i) {
      auto* menu = new QMenu(&form_);
      menu->addAction(QStringLiteral("Prva"));
      menu->addAction(QStringLiteral("Druga"));
      menus_.push_back(menu);
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { whileMenuOpen(menu); });
    }
    QImage art(12, 10, QImage::Format_ARGB32);
    art.fill(qRgba(30, 120, 200, 180));
    pictures_ = {nullptr, platform::Picture::fromImage(art),
                 platform::Picture::fromImage(art.convertToFormat(QImage::Format_RGB32)),
                 platform::Picture::fromImage(art, platform::Picture::Icon)};
    for (std::size_t i = 0; i < slots_.size(); ++i)
      create(int(i));
    form_.show();
    other_.show();
    form_.activateWindow();
    if (!QTest::qWaitForWindowActive(&form_))
      failure_ = "the form never became active";
    inputtest::pointTo(&form_, {2, 2});
  }

  ~Soak() {
    while (QWidget* popup = QApplication::activePopupWidget())
      popup->close();
  }

  void runSequence() {
    const int steps = pick(1, 12);
    for (int i = 0; i < steps && failure_.empty(); ++i) {
      step();
      ++steps_;
      check();
    }
    if (failure_.empty()) {
      letGo();
      check();
    }
    for (Slot& slot : slots_)
      if (slot.button && slot.leftDown && !slot.releaseMayBeLost && !mouseHeld_)
        fail(slot, "a MouseDown without its MouseUp");
    ++sequences_;
  }

  const std::string& failure() const { return failure_; }
  const std::string& trace() const { return trace_; }
  long steps() const { return steps_; }
  long sequences() const { return sequences_; }
  long clicks() const { return clicks_; }
  long destroyed() const { return destroyed_; }
  long menusOpened() const { return menusOpened_; }

private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  Slot& anySlot() { return slots_[std::size_t(pick(0, int(slots_.size()) - 1))]; }

  void fail(const Slot& slot, const std::string& what) {
    if (!failure_.empty())
      return;
    failure_ = "style " + std::to_string(slot.style) + " mode " + std::to_string(slot.mode) + ": " + what;
    if (const vexabutton* button = slot.button) {
      const ButtonRecord& rec = recordOf(*button);
      failure_ += " (ButtonState " + std::to_string(rec.ButtonState) + ", MouseInside " +
                  std::to_string(rec.MouseInside) + ", MousePressed " + std::to_string(rec.MousePressed) +
                  ", SpaceDown " + std::to_string(rec.SpaceDown) + ", Mode " + std::to_string(rec.Mode) + ", Value " +
                  std::to_string(rec.Value) + ", menu " + std::to_string(rec.PopupMenuSet) +
                  std::to_string(rec.PopupMenuShowing) + std::to_string(rec.MenuJustClosed) + ", enabled " +
                  std::to_string(button->isEnabled()) + ", focus " + std::to_string(rec.HasFocus) + ", active " +
                  std::to_string(rec.ParentActive) + "); its last events: " + slot.events;
      const QPoint at = button->mapFromGlobal(QCursor::pos());
      const QWidget* under = QApplication::widgetAt(QCursor::pos());
      failure_ += "; pointer at " + std::to_string(at.x()) + "," + std::to_string(at.y()) + " of " +
                  std::to_string(button->width()) + "x" + std::to_string(button->height()) + ", mask " +
                  std::to_string(!button->mask().isEmpty()) + std::to_string(button->mask().contains(at)) + ", under " +
                  (under ? under->metaObject()->className() : "nothing");
    }
  }
  void note(const std::string& what) {
    if (verbose())
      std::printf("soak %ld: %s\n", sequences_, what.c_str());
    trace_ += what;
    trace_ += ' ';
    if (trace_.size() > 600)
      trace_.erase(0, trace_.size() - 400);
  }

  // ---- Buttons -------------------------------------------------------------

  void create(int index) {
    Slot& slot = slots_[std::size_t(index)];
    auto* button = new vexabutton(slot.frame, &form_);
    form_.registerControl(button, QStringLiteral("vexabutton%1").arg(index + 1));
    button->setGeometry(QRect(slot.at, Cell - QSize(4, 4)));
    platform::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ButtonStyle"), slot.style);
    bag.WriteProperty(QStringLiteral("Mode"), slot.mode);
    // Access keys a to z, some shared.
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("&%1 %2").arg(QChar('a' + index % 26)).arg(index));
    bag.WriteProperty(QStringLiteral("ToolTip"), QStringLiteral("Savet %1").arg(index));
    bag.WriteProperty(QStringLiteral("TooltipType"), index % 2);
    button->ReadProperties(bag);
    slot.button = button;
    slot.leftDown = false;
    slot.entered = false;
    slot.events.clear();
    slot.menu = nullptr;
    button->show();
    form_.extender(button).Default = index == 4;
    form_.extender(button).Cancel = index == 7;
    attachLog(index);
  }

  void attachLog(int index) {
    vexabutton* button = slots_[std::size_t(index)].button;
    auto slot = [this, index]() -> Slot& { return slots_[std::size_t(index)]; };
    QObject::connect(button, &vexabutton::MouseDown, button, [this, slot](qint16 b, qint16, float, float) {
      if (cause_ != Cause::Press && cause_ != Cause::DoubleClick)
        fail(slot(), "MouseDown without a press");
      if (b == 1) {
        if (slot().leftDown && !slot().releaseMayBeLost)
          fail(slot(), "a second MouseDown before the MouseUp");
        slot().leftDown = true;
        slot().releaseMayBeLost = false;
      }
      destroyMaybe(slot(), "MouseDown");
    });
    QObject::connect(button, &vexabutton::MouseUp, button, [this, slot](qint16 b, qint16, float, float) {
      if (cause_ != Cause::Release && cause_ != Cause::DoubleClick)
        fail(slot(), "MouseUp without a release");
      if (b == 1)
        slot().leftDown = false;
    });
    QObject::connect(button, &vexabutton::Click, button, [this, slot] {
      ++clicks_;
      const bool byMouse = cause_ == Cause::Release || cause_ == Cause::DoubleClick;
      if (!byMouse && cause_ != Cause::Key && cause_ != Cause::AccessKey)
        fail(slot(), "Click without a release or a key");
      if (byMouse && !slot().leftDown)
        fail(slot(), "Click at the release of a press the button never had");
      destroyMaybe(slot(), "Click");
    });
    QObject::connect(button, &vexabutton::DblClick, button, [this, slot] {
      if (cause_ != Cause::DoubleClick)
        fail(slot(), "DblClick without a double click");
      if (!slot().leftDown)
        fail(slot(), "DblClick without its MouseDown");
    });
    QObject::connect(button, &vexabutton::MouseEnter, button, [slot] { slot().entered = true; });
    const auto log = [this, slot](const char* name) {
      return [this, slot, name] {
        std::string& events = slot().events;
        events += name;
        events += ':';
        events += "-PRDKA"[int(cause_)];
        events += slot().leftDown ? "d " : " ";
        if (events.size() > 400)
          events.erase(0, 200);
      };
    };
    QObject::connect(button, &vexabutton::MouseDown, button, log("Down"));
    QObject::connect(button, &vexabutton::MouseUp, button, log("Up"));
    QObject::connect(button, &vexabutton::MouseMove, button, log("Move"));
    QObject::connect(button, &vexabutton::MouseEnter, button, log("Enter"));
    QObject::connect(button, &vexabutton::MouseLeave, button, log("Leave"));
    QObject::connect(button, &vexabutton::Click, button, log("Click"));
    QObject::connect(button, &vexabutton::DblClick, button, log("DblClick"));
    QObject::connect(button, &vexabutton::MouseLeave, button, [this, slot] {
      if (!slot().entered)
        fail(slot(), "MouseLeave without a MouseEnter");
      slot().entered = false;
    });
  }

  // A handler that destroys its own button, now and then.
  void destroyMaybe(Slot& slot, const char* event) {
    if (!chance(3) || !slot.button)
      return;
    note(std::string("destroy-in-") + event);
    ++destroyed_;
    delete slot.button.data();
  }

  // Buttons destroyed by a handler come back at once, with a new log.
  void recreate() {
    for (std::size_t i = 0; i < slots_.size(); ++i)
      if (!slots_[i].button)
        create(int(i));
  }

  // ---- Actions -------------------------------------------------------------

  QPoint pointerTarget() {
    switch (pick(0, 3)) {
    case 0: // between the buttons or on the form's margin
      return {pick(0, form_.width() - 1), pick(0, form_.height() - 1)};
    case 1: { // an edge pixel of a button (left and top edges are outside for a click)
      const Slot& slot = anySlot();
      const QPoint corner = slot.frame->mapTo(&form_, slot.at);
      const QSize size = Cell - QSize(4, 4);
      return corner + QPoint(chance(50) ? 0 : size.width() - 1, pick(0, size.height() - 1));
    }
    default: { // somewhere inside a button
      const Slot& slot = anySlot();
      return slot.frame->mapTo(&form_, slot.at) + QPoint(pick(2, Cell.width() - 8), pick(2, Cell.height() - 8));
    }
    }
  }

  void moveTo(QPoint local) {
    // The offscreen platform hands the pointer to any window under it, even
    // one transparent for input as the tip is: a tip in the way goes first,
    // as it would when the pointer left its tool.
    const QPoint global = form_.mapToGlobal(local);
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->windowType() == Qt::ToolTip && widget->isVisible() && widget->geometry().contains(global))
        widget->hide();
    inputtest::pointTo(&form_, local);
    moved_ = true;
  }

  void mouse(Cause cause, Qt::MouseButton which) {
    QWindow* window = form_.windowHandle();
    const QPoint at = window->mapFromGlobal(QCursor::pos());
    cause_ = cause;
    switch (cause) {
    case Cause::Press:
      QTest::mousePress(window, which, {}, at);
      break;
    case Cause::Release:
      QTest::mouseRelease(window, which, {}, at);
      break;
    default:
      QTest::mouseDClick(window, which, {}, at);
      break;
    }
    cause_ = Cause::None;
  }

  void key(Cause cause, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool press = true, bool release = true) {
    cause_ = cause;
    if (press)
      QTest::keyPress(form_.windowHandle(), key, modifiers);
    if (release)
      QTest::keyRelease(form_.windowHandle(), key, modifiers);
    cause_ = Cause::None;
  }

  void step() {
    moved_ = false;
    // Keys go to the active window only, as a keyboard's do.
    const bool keys = form_.isActiveWindow();
    switch (pick(0, 21)) {
    case 0:
    case 1:
    case 2:
      note("move");
      moveTo(pointerTarget());
      break;
    case 3:
    case 4:
      if (mouseHeld_)
        break;
      note("press");
      mouseHeld_ = true;
      mouse(Cause::Press, Qt::LeftButton);
      break;
    case 5:
    case 6:
      if (!mouseHeld_)
        break;
      note("release");
      mouseHeld_ = false;
      mouse(Cause::Release, Qt::LeftButton);
      break;
    case 7:
      if (mouseHeld_)
        break;
      note("right-click");
      mouse(Cause::Press, Qt::RightButton);
      mouse(Cause::Release, Qt::RightButton);
      break;
    case 8:
      if (mouseHeld_)
        break;
      note("double-click");
      mouse(Cause::DoubleClick, Qt::LeftButton);
      break;
    case 9:
      if (spaceHeld_ || !keys)
        break;
      note("space-down");
      spaceHeld_ = true;
      key(Cause::Key, Qt::Key_Space, {}, true, false);
      break;
    case 10:
      if (!spaceHeld_)
        break;
      note("space-up");
      spaceHeld_ = false;
      key(Cause::Key, Qt::Key_Space, {}, false, true);
      break;
    case 11: {
      if (!keys)
        break;
      static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Right,
                                     Qt::Key_Up,     Qt::Key_X,      Qt::Key_Backtab};
      const Qt::Key k = keys[pick(0, 6)];
      note("key");
      key(Cause::Key, k, k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
      QCoreApplication::processEvents(); // the queued focus moves
      break;
    }
    case 12:
      if (!keys)
        break;
      note("access-key");
      key(Cause::AccessKey, Qt::Key(Qt::Key_A + pick(0, 25)), Qt::AltModifier);
      break;
    case 13: {
      Slot& slot = anySlot();
      if (!slot.button)
        break;
      note("focus");
      slot.button->setFocus(Qt::OtherFocusReason);
      break;
    }
    case 14: {
      const bool active = chance(60);
      note(active ? "activate" : "deactivate");
      (active ? static_cast<QWidget&>(form_) : other_).activateWindow();
      QCoreApplication::processEvents();
      break;
    }
    case 15: {
      if (mouseHeld_ && chance(50))
        break;
      Slot& slot = anySlot();
      if (!slot.button)
        break;
      note("enable");
      slot.button->setEnabled(chance(70));
      break;
    }
    case 16:
      if (mouseHeld_)
        break;
      note("frame-enable");
      frames_[pick(0, 1)]->setEnabled(chance(70));
      break;
    case 17:
    case 18:
      changeProperty(anySlot());
      break;
    case 19: {
      Slot& slot = anySlot();
      if (!slot.button)
        break;
      note("resize");
      slot.button->resize(pick(vexabutton::MinimumSizePixels, Cell.width() - 4),
                          pick(vexabutton::MinimumSizePixels, Cell.height() - 4));
      break;
    }
    case 20: {
      Slot& slot = anySlot();
      if (!slot.button || mouseHeld_)
        break;
      if (slot.menu) {
        note("unset-menu");
        slot.button->UnsetPopupMenu();
        slot.menu = nullptr;
      } else {
        note("set-menu");
        slot.menu = menus_[std::size_t(pick(0, int(menus_.size()) - 1))];
        slot.button->SetPopupMenu(slot.menu, pick(0, 7));
      }
      break;
    }
    case 21:
      // Rarely: let the time pass that a tooltip needs to show.
      if (!chance(2))
        break;
      note("rest");
      QTest::qWait(platform::TooltipWindow::InitialDelay + 50);
      break;
    }
    QCoreApplication::processEvents();
    recreate();
  }

  void changeProperty(Slot& slot) {
    vexabutton* button = slot.button;
    if (!button)
      return;
    switch (pick(0, 11)) {
    case 0:
      note("style");
      button->setButtonStyle(pick(0, Styles - 1));
      break;
    case 1:
      note("caption");
      button->setCaption(chance(20) ? QString() : QStringLiteral("&%1 x\ny").arg(QChar('a' + pick(0, 25))));
      break;
    case 2: {
      note("font"); // sizes from 1.5 to 30 points
      auto font = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), pick(2, 40) * 0.75, 700);
      button->setFont(font);
      break;
    }
    case 3:
      note("picture");
      button->setPictureNormal(pictures_[std::size_t(pick(0, 3))]);
      button->setPictureAlign(pick(0, 8));
      break;
    case 4:
      note("back-colour");
      button->setBackColor(chance(50) ? pick(0, 0xFFFFFF) : qint32(0x8000000F));
      break;
    case 5:
      note("caption-align");
      button->setCaptionAlign(pick(0, 2));
      button->setCaptionEffects(pick(0, 5));
      break;
    case 6:
      note("drop-down");
      button->setDropDownSymbol(pick(0, 6));
      button->setDropDownSeparator(chance(50));
      break;
    case 7:
      note("tooltip");
      button->setToolTip(chance(20) ? QString() : QStringLiteral("Savet\nu dva reda"));
      button->setToolTipType(pick(0, 1));
      button->setToolTipIcon(pick(0, 3));
      break;
    case 8:
      // Value from code never touches the other option buttons: an option
      // button is only ever cleared here, so user input alone checks one.
      note("value");
      button->setValue(slot.mode == 2 ? false : chance(50));
      break;
    case 9:
      // Push and check buttons trade modes; option buttons stay options.
      if (slot.mode == 2)
        break;
      note("mode");
      button->setMode(pick(0, 1));
      break;
    case 10:
      note("right-to-left");
      button->setRightToLeft(chance(30));
      button->setHandPointer(chance(30));
      break;
    case 11:
      note("picture-effects");
      button->setPictureShadow(chance(50));
      button->setPicturePushOnHover(chance(50));
      button->setPictureOpacity(pick(0, 255));
      button->setDisabledPictureMode(pick(0, 2));
      break;
    }
  }

  // While a menu is open (inside its modal loop): close it, choose an item,
  // or choose one whose command destroys the button that opened it.
  void whileMenuOpen(QMenu* menu) {
    ++menusOpened_;
    const int choice = pick(0, 3);
    QPointer<vexabutton> owner;
    for (const Slot& slot : slots_)
      if (slot.menu == menu && slot.button && recordOf(*slot.button).PopupMenuShowing)
        owner = slot.button;
    QTimer::singleShot(0, menu, [this, menu, choice, owner] {
      if (choice == 0) {
        note("menu-escape");
        QTest::keyClick(menu, Qt::Key_Escape);
      } else if (choice == 1) {
        note("menu-item");
        menu->actions().first()->trigger();
        menu->close();
      } else if (choice == 2) {
        note("menu-destroys-owner");
        if (owner) {
          ++destroyed_;
          delete owner.data();
        }
        menu->close();
      } else {
        note("menu-close");
        menu->close();
      }
    });
  }

  // The end of a sequence: every key and button let go, menus closed, and
  // now and then everything enabled again.
  void letGo() {
    note("|");
    while (QWidget* popup = QApplication::activePopupWidget())
      popup->close();
    if (mouseHeld_) {
      mouseHeld_ = false;
      mouse(Cause::Release, Qt::LeftButton);
    }
    if (spaceHeld_) {
      spaceHeld_ = false;
      key(Cause::Key, Qt::Key_Space, {}, false, true);
    }
    if (chance(30)) {
      for (QWidget* frame : frames_)
        frame->setEnabled(true);
      for (Slot& slot : slots_)
        if (slot.button)
          slot.button->setEnabled(true);
      form_.activateWindow();
    }
    QCoreApplication::processEvents();
    recreate();
    // A release the button never saw leaves no MouseUp to wait for.
    for (Slot& slot : slots_)
      if (slot.releaseMayBeLost)
        slot.leftDown = slot.releaseMayBeLost = false;
  }

  // ---- Invariants ----------------------------------------------------------

  bool verbose() const { return verboseFrom_ >= 0 && sequences_ >= verboseFrom_; }

  // With VEXA_SOAK_VERBOSE_FROM=N, from sequence N on: where the pointer,
  // the mouse and the buttons stand after every step.
  void describe() const {
    const auto name = [this](const QObject* object) -> std::string {
      if (!object)
        return "-";
      for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].button == object)
          return "slot " + std::to_string(i) + " (style " + std::to_string(recordOf(*slots_[i].button).ButtonStyle) +
                 ")";
      return object->metaObject()->className();
    };
    std::printf("  under %s, grabber %s, popup %s, buttons %d, focus %s\n",
                name(QApplication::widgetAt(QCursor::pos())).c_str(), name(QWidget::mouseGrabber()).c_str(),
                name(QApplication::activePopupWidget()).c_str(), int(QGuiApplication::mouseButtons()),
                name(QApplication::focusWidget()).c_str());
    for (const Slot& slot : slots_)
      if (const vexabutton* button = slot.button) {
        const ButtonRecord& rec = recordOf(*button);
        if (rec.MouseInside || rec.ButtonState != ButtonRecord::Normal || rec.MousePressed || rec.SpaceDown)
          std::printf("  %s: state %d inside %d pressed %d space %d; %s\n", name(button).c_str(), rec.ButtonState,
                      rec.MouseInside, rec.MousePressed, rec.SpaceDown, slot.events.c_str());
      }
  }

  void check() {
    if (verbose())
      describe();
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    // A tip shown under the pointer hides what is below it from widgetAt.
    const bool tipUnder = under && under->window()->windowType() == Qt::ToolTip;
    int pressed = 0;
    QHash<QWidget*, int> checkedOptions;
    for (Slot& slot : slots_) {
      const vexabutton* button = slot.button;
      if (!button)
        continue;
      // A press ended early (the button disabled, the focus or the window
      // lost, the mouse captured by a space press elsewhere) may never see
      // its release.
      if (slot.leftDown && !recordOf(*button).MousePressed)
        slot.releaseMayBeLost = true;
      const ButtonRecord& rec = recordOf(*button);
      if (rec.ButtonState < 0 || rec.ButtonState > 2)
        fail(slot, "ButtonState " + std::to_string(rec.ButtonState));
      if (rec.ButtonState == ButtonRecord::Hot && !rec.MouseInside)
        fail(slot, "Hot without the pointer inside");
      const bool checked = rec.Mode != 0 && rec.Value;
      // (A space press ended during a mouse press clears MousePressed while
      // the mouse button is still down on it: leftDown covers that.)
      if (rec.ButtonState == ButtonRecord::Down && !rec.MousePressed && !rec.SpaceDown && !checked &&
          !rec.MenuJustClosed && !rec.PopupMenuShowing && !slot.leftDown)
        fail(slot, "Down with nothing holding it down");
      if (moved_ && !tipUnder && rec.MouseInside && under != button)
        fail(slot, "MouseInside after the pointer left");
      if (!button->isEnabled() && (rec.MousePressed || rec.SpaceDown))
        fail(slot, "a disabled button holds a press");
      if (rec.MousePressed || rec.SpaceDown)
        ++pressed;
      if (rec.Mode == 2 && rec.Value && ++checkedOptions[slot.frame] > 1)
        fail(slot, "two option buttons checked in one container");
    }
    if (pressed > 1)
      fail(slots_.front(), std::to_string(pressed) + " buttons hold a press at once");
  }

  std::mt19937 random_;
  long verboseFrom_ = qEnvironmentVariableIsSet("VEXA_SOAK_VERBOSE_FROM")
                          ? qEnvironmentVariable("VEXA_SOAK_VERBOSE_FROM").toLong()
                          : -1;
  platform::Form form_;
  QWidget other_;
  QWidget* frames_[2] = {};
  std::vector<Slot> slots_;
  std::vector<QMenu*> menus_;
  std::vector<platform::PicturePtr> pictures_;
  Cause cause_ = Cause::None;
  bool mouseHeld_ = false;
  bool spaceHeld_ = false;
  bool moved_ = false;
  std::string failure_;
  std::string trace_;
  long steps_ = 0;
  long sequences_ = 0;
  long clicks_ = 0;
  long destroyed_ = 0;
  long menusOpened_ = 0;
};

long fromEnvironment(const char* name, long fallback) {
  bool ok = false;
  const long value = qEnvironmentVariable(name).toLong(&ok);
  return ok && value > 0 ? value : fallback;
}

TEST(Soak, RandomInputSequencesKeepEveryInvariant) {
  const long wanted = fromEnvironment("VEXA_SOAK_SEQUENCES", 100000);
  const auto seed = unsigned(fromEnvironment("VEXA_SOAK_SEED", 1));
  Soak soak(seed);
  while (soak.sequences() < wanted && soak.failure().empty()) {
    soak.runSequence();
    if (soak.sequences() % 10000 == 0)
      std::printf("soak: %ld sequences, %ld steps\n", soak.sequences(), soak.steps());
  }
  std::printf("soak: seed %u, %ld sequences, %ld steps, %ld clicks, %ld menus opened, %ld buttons destroyed "
              "in their handlers, %s\n",
              seed, soak.sequences(), soak.steps(), soak.clicks(), soak.menusOpened(), soak.destroyed(),
              soak.failure().empty() ? "no invariant broken" : "an invariant broke");
  EXPECT_EQ(soak.failure(), "") << "after " << soak.steps() << " steps; last actions: " << soak.trace();
}

} // namespace
