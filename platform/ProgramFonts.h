// SPDX-License-Identifier: MIT
#pragma once

// The library's own use of its fonts (platform/Fonts.cpp); not installed.
namespace platform {

// Registers the control's fonts from their usual folder once, as soon as a
// QGuiApplication exists; later calls cost an atomic read. Any thread may
// call it. The library calls it wherever it first needs a font.
void ensureProgramFonts();

// True when the symbol font the drop-down glyphs are drawn with resolves to
// itself (its file was registered or is known to the system).
bool symbolFontAvailable();

} // namespace platform
