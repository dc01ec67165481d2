// SPDX-License-Identifier: MIT
#include "button/model/PropertyRules.h"

#include "button/model/vexabutton.h"
#include "button/render/ColorKit.h"

#include <QPixmap>

namespace vexa::rules {

void setButtonStyle(ButtonRecord& rec, qint32 style) {
  rec.ButtonStyle = style;
  ApplyDefaultColorScheme(rec);
  ApplyStyleDefaults(rec);
}

void setColorScheme(ButtonRecord& rec, qint32 scheme) {
  rec.ColorScheme = scheme;
  ApplyStyleDefaults(rec);
}

void setBackColor(ButtonRecord& rec, qint32 colour) {
  rec.BackColor = colour;
  if (!is(rec.ButtonStyle, Style::Toolbar))
    rec.ColorScheme = qint32(Scheme::Custom);
}

bool setMode(ButtonRecord& rec, qint32 mode) {
  rec.Mode = mode;
  if (is(mode, Mode::PushButton)) {
    rec.Value = false;
    rec.ButtonState = ButtonRecord::Normal;
  }
  return is(rec.Mode, Mode::OptionButton) && rec.Value;
}

bool setValue(ButtonRecord& rec, bool value) {
  if (is(rec.Mode, Mode::PushButton)) {
    rec.ButtonState = ButtonRecord::Normal;
    return false;
  }
  rec.Value = value;
  if (!value)
    rec.ButtonState = ButtonRecord::Normal;
  return true;
}

std::optional<QCursor> cursorFor(qint32 mousePointer, const platform::PicturePtr& mouseIcon) {
  using Pointer = vexabutton::Pointer;
  switch (mousePointer) {
  case qint32(Pointer::Arrow):
    return QCursor(Qt::ArrowCursor);
  case qint32(Pointer::Cross):
    return QCursor(Qt::CrossCursor);
  case qint32(Pointer::IBeam):
    return QCursor(Qt::IBeamCursor);
  case qint32(Pointer::Size):
  case qint32(Pointer::SizeAll):
    return QCursor(Qt::SizeAllCursor);
  case qint32(Pointer::SizeNESW):
    return QCursor(Qt::SizeBDiagCursor);
  case qint32(Pointer::SizeNS):
    return QCursor(Qt::SizeVerCursor);
  case qint32(Pointer::SizeNWSE):
    return QCursor(Qt::SizeFDiagCursor);
  case qint32(Pointer::SizeWE):
    return QCursor(Qt::SizeHorCursor);
  case qint32(Pointer::UpArrow):
    return QCursor(Qt::UpArrowCursor);
  case qint32(Pointer::Hourglass):
    return QCursor(Qt::WaitCursor);
  case qint32(Pointer::NoDrop):
    return QCursor(Qt::ForbiddenCursor);
  case qint32(Pointer::ArrowHourglass):
    return QCursor(Qt::BusyCursor);
  case qint32(Pointer::ArrowQuestion):
    return QCursor(Qt::WhatsThisCursor);
  case qint32(Pointer::CustomPointer):
    if (mouseIcon && !mouseIcon->isEmpty())
      return QCursor(QPixmap::fromImage(mouseIcon->image));
    return std::nullopt;
  default:
    return std::nullopt; // Default and codes without a shape: the default pointer
  }
}

} // namespace vexa::rules
