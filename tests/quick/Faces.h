// SPDX-License-Identifier: MIT
#pragma once

// The two faces of the control side by side: the widget on a form and the
// Qt Quick item in a QQuickWindow, each with a button at (10, 10), 90 x 30,
// a second button below it (an option of the same group) and a plain
// control that can take the focus. Both are driven through their window
// with QTest and log their events and Qt's signals in the same words.

#include "button/model/vexabutton_p.h"
#include "platform/Form.h"
#include "quick/VexaButtonItem.h"

#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace quicktest {

inline constexpr QRect ButtonRect{10, 10, 90, 30};
inline constexpr QRect OtherRect{10, 50, 90, 30};

class Face {
public:
  virtual ~Face() = default;
  virtual QWindow* window() = 0;
  // Sets a property by the widget's name ("ButtonStyle"); the item's is the
  // lowerCamel one.
  virtual void set(const char* name, const QVariant& value) = 0;
  virtual void setOther(const char* name, const QVariant& value) = 0;
  virtual void focusButton() = 0;
  virtual void focusElsewhere() = 0;
  virtual bool buttonHasFocus() = 0;
  // The button's pixels as they show, in device pixels, and the part of
  // them its look covers.
  virtual QImage pixels() = 0;
  virtual QRegion covered() = 0;
  QStringList log;

  void show() {
    window()->show();
    window()->requestActivate();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
    QTest::mouseMove(window(), {250, 150});
    focusElsewhere();
    QCoreApplication::processEvents();
    log.clear();
  }

protected:
  void add(const QString& prefix, const QString& entry) { log << prefix + entry; }
  static QString mouse(const char* name, int b, int s, double x, double y) {
    return QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(name)).arg(b).arg(s).arg(x).arg(y);
  }
};

class WidgetFace : public Face {
public:
  WidgetFace() {
    form.setClientSizeTwips(300 * 15, 200 * 15);
    button = make(ButtonRect, "Command1", {});
    other = make(OtherRect, "Command2", QStringLiteral("other: "));
    plain = new QPushButton(QStringLiteral("plain"), &form);
    plain->setGeometry(150, 10, 80, 30);
  }
  QWindow* window() override {
    form.winId();
    return form.windowHandle();
  }
  void set(const char* name, const QVariant& value) override { button->setProperty(name, value); }
  void setOther(const char* name, const QVariant& value) override { other->setProperty(name, value); }
  void focusButton() override { button->setFocus(Qt::TabFocusReason); }
  void focusElsewhere() override { plain->setFocus(Qt::TabFocusReason); }
  bool buttonHasFocus() override { return button->hasFocus(); }
  QImage pixels() override { return surfaceOf(*button).image().convertToFormat(QImage::Format_RGB32); }
  QRegion covered() override {
    const platform::Surface& surface = surfaceOf(*button);
    return surface.hasWindowRegion() ? surface.deviceWindowRegion() : QRegion(surface.image().rect());
  }

  platform::Form form;
  vexabutton* button = nullptr;
  vexabutton* other = nullptr;
  QPushButton* plain = nullptr;

private:
  vexabutton* make(const QRect& rect, const char* name, const QString& prefix) {
    auto* b = new vexabutton(&form);
    form.registerControl(b, QLatin1String(name));
    b->setGeometry(rect);
    b->loadNewInstance();
    auto* f = this;
    QObject::connect(b, &vexabutton::Click, [=] { f->add(prefix, QStringLiteral("Click")); });
    QObject::connect(b, &vexabutton::DblClick, [=] { f->add(prefix, QStringLiteral("DblClick")); });
    QObject::connect(b, &vexabutton::MouseEnter, [=] { f->add(prefix, QStringLiteral("MouseEnter")); });
    QObject::connect(b, &vexabutton::MouseLeave, [=] { f->add(prefix, QStringLiteral("MouseLeave")); });
    QObject::connect(b, &vexabutton::MouseMove,
                     [=](qint16 k, qint16 s, float x, float y) { f->add(prefix, mouse("MouseMove", k, s, x, y)); });
    QObject::connect(b, &vexabutton::MouseDown,
                     [=](qint16 k, qint16 s, float x, float y) { f->add(prefix, mouse("MouseDown", k, s, x, y)); });
    QObject::connect(b, &vexabutton::MouseUp,
                     [=](qint16 k, qint16 s, float x, float y) { f->add(prefix, mouse("MouseUp", k, s, x, y)); });
    QObject::connect(b, &vexabutton::KeyDown,
                     [=](qint16 k, qint16 s) { f->add(prefix, QStringLiteral("KeyDown %1 %2").arg(k).arg(s)); });
    QObject::connect(b, &vexabutton::KeyUp,
                     [=](qint16 k, qint16 s) { f->add(prefix, QStringLiteral("KeyUp %1 %2").arg(k).arg(s)); });
    QObject::connect(b, &vexabutton::KeyPress, [=](qint16 k) { f->add(prefix, QStringLiteral("KeyPress %1").arg(k)); });
    QObject::connect(b, &vexabutton::ValueChanged, [=] { f->add(prefix, QStringLiteral("ValueChanged")); });
    QObject::connect(b, &QAbstractButton::pressed, [=] { f->add(prefix, QStringLiteral("pressed")); });
    QObject::connect(b, &QAbstractButton::released, [=] { f->add(prefix, QStringLiteral("released")); });
    QObject::connect(b, &QAbstractButton::clicked, [=] { f->add(prefix, QStringLiteral("clicked")); });
    QObject::connect(b, &QAbstractButton::toggled,
                     [=](bool on) { f->add(prefix, QStringLiteral("toggled %1").arg(int(on))); });
    return b;
  }
};

class ItemFace : public Face {
public:
  ItemFace() {
    view.resize(300, 200);
    button = make(ButtonRect, {});
    other = make(OtherRect, QStringLiteral("other: "));
    plain = new QQuickItem(view.contentItem());
    plain->setPosition({150, 10});
    plain->setSize({80, 30});
    plain->setActiveFocusOnTab(true);
  }
  QWindow* window() override { return &view; }
  void set(const char* name, const QVariant& value) override { button->setProperty(lowerFirst(name), value); }
  void setOther(const char* name, const QVariant& value) override { other->setProperty(lowerFirst(name), value); }
  void focusButton() override { button->forceActiveFocus(Qt::TabFocusReason); }
  void focusElsewhere() override { plain->forceActiveFocus(Qt::TabFocusReason); }
  bool buttonHasFocus() override { return button->hasActiveFocus(); }
  QImage pixels() override {
    const QImage shot = view.grabWindow().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = view.effectiveDevicePixelRatio();
    return shot.copy(QRectF(button->position() * ratio, button->size() * ratio).toRect());
  }
  QRegion covered() override {
    // The pixels are the texture's once shown: the surface keeps its size and region.
    const platform::Surface& surface = button->surface();
    const QSizeF device = button->size() * view.effectiveDevicePixelRatio();
    return surface.hasWindowRegion() ? surface.deviceWindowRegion() : QRegion(QRect(QPoint(), device.toSize()));
  }

  QQuickWindow view;
  VexaButtonItem* button = nullptr;
  VexaButtonItem* other = nullptr;
  QQuickItem* plain = nullptr;

private:
  static QByteArray lowerFirst(const char* name) {
    QByteArray lower(name);
    lower[0] = char(QChar::toLower(uint(lower[0])));
    return lower;
  }
  VexaButtonItem* make(const QRect& rect, const QString& prefix) {
    auto* b = new VexaButtonItem(view.contentItem());
    b->setPosition(rect.topLeft());
    b->setSize(rect.size());
    auto* f = this;
    using I = VexaButtonItem;
    QObject::connect(b, &I::click, [=] { f->add(prefix, QStringLiteral("Click")); });
    QObject::connect(b, &I::dblClick, [=] { f->add(prefix, QStringLiteral("DblClick")); });
    QObject::connect(b, &I::mouseEnter, [=] { f->add(prefix, QStringLiteral("MouseEnter")); });
    QObject::connect(b, &I::mouseLeave, [=] { f->add(prefix, QStringLiteral("MouseLeave")); });
    QObject::connect(b, &I::mouseMove,
                     [=](int k, int s, qreal x, qreal y) { f->add(prefix, mouse("MouseMove", k, s, x, y)); });
    QObject::connect(b, &I::mouseDown,
                     [=](int k, int s, qreal x, qreal y) { f->add(prefix, mouse("MouseDown", k, s, x, y)); });
    QObject::connect(b, &I::mouseUp,
                     [=](int k, int s, qreal x, qreal y) { f->add(prefix, mouse("MouseUp", k, s, x, y)); });
    QObject::connect(b, &I::keyDown,
                     [=](int k, int s) { f->add(prefix, QStringLiteral("KeyDown %1 %2").arg(k).arg(s)); });
    QObject::connect(b, &I::keyUp, [=](int k, int s) { f->add(prefix, QStringLiteral("KeyUp %1 %2").arg(k).arg(s)); });
    QObject::connect(b, &I::keyPress, [=](int k) { f->add(prefix, QStringLiteral("KeyPress %1").arg(k)); });
    QObject::connect(b, &I::valueChanged, [=] { f->add(prefix, QStringLiteral("ValueChanged")); });
    QObject::connect(b, &I::pressed, [=] { f->add(prefix, QStringLiteral("pressed")); });
    QObject::connect(b, &I::released, [=] { f->add(prefix, QStringLiteral("released")); });
    QObject::connect(b, &I::clicked, [=] { f->add(prefix, QStringLiteral("clicked")); });
    QObject::connect(b, &I::toggled, [=](bool on) { f->add(prefix, QStringLiteral("toggled %1").arg(int(on))); });
    return b;
  }
};

} // namespace quicktest
