// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

// The main window's pictures as the program shows them. The artwork code
// (Artwork.h) draws them while the program is built, and the program keeps
// the pixels, so starting it draws nothing. Each picture is wrapped around
// its pixels once, when first asked for; nothing is copied.
namespace builtartwork {

// The banner, 700 x 65 (artwork::banner()).
const QImage& banner();
// The portrait in the picture box, 154 x 200 (artwork::tesmirPortrait()).
const QImage& tesmirPortrait();
// The window icon with its 48, 32 and 16 pixel images (artwork::windowIcon()).
QIcon windowIcon();

// The pixel tables, written by the build (app/bake/ArtworkBake.cpp).
namespace tables {
struct Pixels {
  int width;
  int height;
  bool alpha;          // ARGB32 when set, RGB32 otherwise
  const quint32* data; // QRgb values, row by row
};
extern const Pixels banner, tesmirPortrait, icon48, icon32, icon16;
} // namespace tables

} // namespace builtartwork
