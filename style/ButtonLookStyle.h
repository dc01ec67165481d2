#pragma once

#include "button/render/Paint.h"
#include "platform/Surface.h"

#include <QProxyStyle>

class QStyleOptionButton;

namespace vexa {

// Qt's own push and tool buttons in one of the control's looks. Push buttons
// are drawn whole by the control's renderers into a surface, exactly as a
// vexabutton of that look draws itself, and the surface is copied to the
// painter; tool buttons take the look for their panel and keep the base
// style's label and arrows. Every other control is the base style's: the
// platform's default style.
class ButtonLookStyle : public QProxyStyle {
  Q_OBJECT

public:
  // `look` is a ButtonStyle; the System look draws the rounded gradient,
  // since the desktop theme it would follow is this style itself.
  explicit ButtonLookStyle(qint32 look);

  qint32 look() const { return look_; }

  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                         const QWidget* widget = nullptr) const override;

  // The paint description of a button in the state the option gives, with
  // the look's default colours. Public so that a caller can check what a
  // state maps to without a painter.
  ButtonPaint describeOption(const QStyleOption& option, const QString& caption) const;

private:
  // Renders `paint` at the painter's device pixel ratio over option.rect and
  // copies it to the painter, inside the look's window region.
  void paintLook(const ButtonPaint& paint, const QStyleOption& option, const QFont& font, QPainter* painter) const;

  qint32 look_;
  // One surface reused by every paint of this style (styles paint on the
  // GUI thread only), so an unchanged size does not allocate again.
  mutable platform::Surface surface_;
};

} // namespace vexa
