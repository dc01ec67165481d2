// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QSize>

// The program's pictures, drawn in code: the banner of the main window, the
// window icon and the portrait drawing of Tesmir Vokrant. Each call draws
// afresh; the results are plain 32-bit images.
namespace artwork {

// The banner across the top of the main window, 700 x 65 pixels.
QImage banner();

// The window icon drawn at `size` pixels square (ARGB32).
QImage iconImage(int size);
// The six images of the window icon: 48, 32 and 16 pixels square, each at
// 8 bits per pixel (indexed, with a transparent entry) and at 32 bits.
QList<QImage> iconImages();
// The window icon with its 48, 32 and 16 pixel images (32 bits).
QIcon windowIcon();

// A portrait drawing of the thinker Tesmir Vokrant, 154 x 200 pixels by
// default. Other sizes draw the same picture scaled evenly and centred, the
// background filling the rest.
QImage tesmirPortrait(QSize size = QSize(154, 200));

} // namespace artwork
