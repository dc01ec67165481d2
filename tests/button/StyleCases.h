// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

#include <string>
#include <vector>

// A catalogue of whole-button paints: every ButtonStyle in every look of the
// contact sheet, and content variations (pictures on each route, shadow,
// push-on-hover, effects, drop-down symbol and separator, caption effects,
// alignments, wrapped lines) on a few styles. Each case is a record ready
// for Redraw and the surface size to paint it on.
struct StyleCase {
  std::string name;
  ButtonRecord rec;
  int width = 96;
  int height = 28;
};

std::vector<StyleCase> styleCases();

// One Redraw of a case on a surface at the given device pixel ratio.
struct PaintedCase {
  ButtonRecord rec;
  platform::Surface surface;
};
PaintedCase paintCase(const StyleCase& styleCase, qreal ratio = 1);

// A 64-bit digest of what a paint produced: the device pixels, the window
// region and the record's layout fields.
quint64 paintDigest(const PaintedCase& painted);
