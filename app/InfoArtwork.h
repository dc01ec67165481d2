// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The pictures of the information windows, drawn in code.
namespace infoartwork {

// Form2: an engraved-looking portrait of Tesmir Vokrant, 240 x 250 pixels.
QImage vokrantPortrait();
// Form3: a snapshot of the program's author at work, 196 x 350 pixels.
QImage authorSnapshot();

} // namespace infoartwork
