// SPDX-License-Identifier: MIT
#pragma once

#include "button/render/Paint.h"
#include "platform/Surface.h"

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

#include <array>
#include <optional>

class QStyleOptionButton;

namespace vexa {

// Everything a paint of the look reads besides the look itself: the paint
// description's varying fields, the icon, the font, the size and ratio, and
// the system colours the renderers take.
struct LookPaintKey {
  int width = 0;
  int height = 0;
  qreal ratio = 1;
  qint32 state = 0;
  qint32 mode = 0;
  quint32 flags = 0;
  qint32 dropDownSymbol = 0;
  QString caption;
  QFont font;
  qint64 icon = 0;
  QSize iconSize;
  std::array<platform::Colour, 12> colours{};

  bool operator==(const LookPaintKey&) const = default;
};
size_t qHash(const LookPaintKey& key, size_t seed = 0);

// The colours and flags a loaded vexabutton of a look starts with.
struct LookDefaults {
  qint32 backColor;
  qint32 foreColor;
  qint32 foreColorHover;
  qint32 colorScheme;
  bool showFocusRect;
  bool picturePushOnHover;
};

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
  using QProxyStyle::polish;

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
  // Renders `paint` (with the icon as its picture) at the painter's device
  // pixel ratio over option.rect and copies it to the painter, inside the
  // look's window region. False when the button is too large to render (or
  // its pixels could not be had): the caller leaves it to the base style.
  bool paintLook(ButtonPaint paint, const QStyleOption& option, const QFont& font, QPainter* painter,
                 const QIcon& icon = QIcon(), const QSize& iconSize = QSize()) const;

  // A button of a look without a panel at rest gets an outline there when
  // it stands in a dialog's button row.
  void outlineInDialogRow(const ButtonPaint& paint, const QStyleOption& option, QPainter* painter,
                          const QWidget* widget) const;

  struct Painted {
    QImage image;
    QRegion region;
    QRegion deviceRegion;
    qreal ratio = 1;
  };
  static constexpr qsizetype MaxPainted = 64;

  qint32 look_;
  // The paints made so far (styles paint on the GUI thread only).
  mutable QHash<LookPaintKey, Painted> painted_;
  mutable qint64 paintedBytes_ = 0;
  mutable std::optional<LookDefaults> defaults_;
  mutable platform::Colour defaultsFace_ = 0;
  mutable platform::Colour defaultsText_ = 0;
};

} // namespace vexa
