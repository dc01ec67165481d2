#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/SharedFont.h"
#include "platform/Surface.h"

#include <memory>

// A headless button for renderer tests: a record with the run-time defaults
// of a shown control and a surface of the given size in the control's font.
struct HeadlessButton {
  ButtonRecord rec;
  platform::Surface surface;

  HeadlessButton(int width, int height, qint32 style = 2) : surface(width, height) {
    rec.ButtonStyle = style;
    rec.mFont = std::make_shared<platform::SharedFont>(QStringLiteral("Tahoma"), 8.25);
    surface.setFont(rec.mFont->toQFont());
    rec.ForeColor = 0x000000;
    rec.ForeColorHover = 0x000000;
    rec.ParentActive = true;
  }

  platform::Colour at(int x, int y) const { return surface.pixel(x, y); }
};
