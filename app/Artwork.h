#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

// The program's pictures, drawn in code: the banner of the main window, the
// window icon and the portrait drawing of Tesmir Vokrant. Each call draws
// afresh; the results are plain 32-bit images.
namespace artwork {

// The banner across the top of the main window, 700 x 65 pixels.
QImage banner();

// The window icon drawn at `size` pixels square (ARGB32).
QImage iconImage(int size);
// The window icon with its 48, 32 and 16 pixel images.
QIcon windowIcon();

// A portrait drawing of the thinker Tesmir Vokrant, 154 x 200 pixels by
// default; other sizes draw the same picture scaled.
QImage tesmirPortrait(QSize size = QSize(154, 200));

} // namespace artwork
