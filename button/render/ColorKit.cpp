// SPDX-License-Identifier: MIT
#include "button/render/ColorKit.h"

#include "button/model/ButtonTypes.h"
#include "platform/SystemColors.h"

#include <algorithm>
#include <array>
#include <memory>

namespace vexa {

namespace {

// Channels as the colour arithmetic takes them: c mod 256, (c div 256) mod 256,
// (c div 65536) mod 256, with truncating division.
struct Channels {
  int red, green, blue;
  explicit Channels(Colour c) : red(c % 256), green((c / 256) % 256), blue((c / 65536) % 256) {}
};

Colour compose(int red, int green, int blue) { return Colour(red + green * 256 + blue * 65536); }

} // namespace

Colour TranslateColor(qint32 oleColor) { return platform::translateOleColor(oleColor); }

Colour ShiftColor(Colour colour, float fraction) {
  // The fraction is single precision; the sum is taken in double.
  const double delta = double(fraction) * 255.0;
  const auto shift = [&](int channel) {
    const int value = platform::roundHalfEven(channel + delta);
    return fraction > 0 ? std::min(value, 255) : std::max(value, 0);
  };
  const Channels c(colour);
  return compose(shift(c.red), shift(c.green), shift(c.blue));
}

Colour MixColors(Colour colour1, Colour colour2) {
  const Channels a(colour1);
  const Channels b(colour2);
  const auto mix = [](int x, int y) { return platform::roundHalfEven((x + y) / 2.0); };
  return compose(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
}

void DrawLine(platform::Surface& surface, int x1, int y1, int x2, int y2, Colour colour) {
  surface.line(x1, y1, x2, y2, colour);
}

void FrameRectangle(platform::Surface& surface, int x, int y, int width, int height, Colour colour) {
  surface.frameRect({x, y, x + width, y + height}, colour);
}

void FillRectangle(platform::Surface& surface, Colour colour, const platform::Rect& rect) {
  surface.fillRect(rect, colour);
}

void SetCornerPixels(platform::Surface& surface, Colour colour) {
  const int right = surface.width() - 2;
  const int bottom = surface.height() - 2;
  surface.setPixel(1, 1, colour);
  surface.setPixel(1, bottom, colour);
  surface.setPixel(right, 1, colour);
  surface.setPixel(right, bottom, colour);
}

void GradientFill(platform::Surface& surface, int x, int y, int width, int height, Colour colour1, Colour colour2,
                  int direction) {
  if (width < 1 || height < 1)
    return;
  // Other directions leave the pixel buffer all zero: a black rectangle.
  if (direction < 0 || direction > 3) {
    surface.fillRect({x, y, x + width, y + height}, 0);
    return;
  }
  // The ramp runs over the device pixels of the rectangle (its logical
  // pixels at device pixel ratio 1), so a finer surface gets a smoother
  // gradient between the same end colours.
  const platform::Rect device = surface.toDevice({x, y, x + width, y + height});
  x = device.left;
  y = device.top;
  width = device.width();
  height = device.height();

  // The ramp, once per call: entry i = c1 + (i (c2 - c1)) div n per channel,
  // stored as the pixel buffer holds it (bytes blue, green, red, 0).
  const int n = direction == 0 ? width - 1 : direction == 1 ? height - 1 : width + height - 2;
  const int r1 = colour1 & 0xFF, g1 = (colour1 >> 8) & 0xFF, b1 = (colour1 >> 16) & 0xFF;
  const int r2 = colour2 & 0xFF, g2 = (colour2 >> 8) & 0xFF, b2 = (colour2 >> 16) & 0xFF;
  // Button-sized ramps stay on the stack.
  std::array<quint32, 1024> small;
  std::unique_ptr<quint32[]> large;
  if (n + 1 > int(small.size()))
    large.reset(new quint32[n + 1]);
  quint32* const ramp = large ? large.get() : small.data();
  const auto entry = [](int red, int green, int blue) { return quint32(blue | (green << 8) | (red << 16)); };
  if (n == 0) {
    ramp[0] = entry(r1 / 2 + r2 / 2, g1 / 2 + g2 / 2, b1 / 2 + b2 / 2);
  } else {
    for (int i = 0; i <= n; ++i)
      ramp[i] = entry(r1 + i * (r2 - r1) / n, g1 + i * (g2 - g1) / n, b1 + i * (b2 - b1) / n);
  }

  // Each row of the rectangle is one ramp entry (vertical) or a run of ramp
  // entries, copied to the surface (clipped there): the same pixels as a full
  // bottom-up buffer blitted to (x, y), without building that buffer first.
  if (direction == 1) { // vertical: colour1 on the top row
    surface.fillRows(x, y, width, height, ramp);
    return;
  }
  if (direction == 0) { // horizontal: colour1 at the left edge
    surface.repeatRow(x, y, width, height, ramp);
    return;
  }
  for (int py = 0; py < height; ++py) {
    switch (direction) {
    case 2: // diagonal: colour1 at the top-left corner
      surface.blitRow(x, y + py, width, ramp + py);
      break;
    default: // diagonal: colour1 at the bottom-left corner
      surface.blitRow(x, y + py, width, ramp + (height - 1 - py));
      break;
    }
  }
}

void ApplyDefaultColorScheme(ButtonRecord& rec) {
  switch (Style(rec.ButtonStyle)) {
  case Style::BlueGlass:
  case Style::WhiteGloss:
    rec.ColorScheme = qint32(Scheme::Scheme2);
    break;
  case Style::Classic:
  case Style::ClassicThin:
  case Style::RoundedGradient:
  case Style::Toolbar:
  case Style::Silver:
  case Style::SoftBlue:
  case Style::Gel:
  case Style::Shaded:
    rec.ColorScheme = qint32(Scheme::Scheme0);
    break;
  default: // the others, and values without a style, keep their scheme
    break;
  }
}

void ApplyStyleDefaults(ButtonRecord& rec) {
  // Background by style and scheme; the custom scheme and unknown ones keep theirs.
  const auto byScheme = [&](Colour scheme0, Colour scheme1, Colour scheme2) {
    switch (Scheme(rec.ColorScheme)) {
    case Scheme::Scheme0:
      rec.BackColor = scheme0;
      break;
    case Scheme::Scheme1:
      rec.BackColor = scheme1;
      break;
    case Scheme::Scheme2:
      rec.BackColor = scheme2;
      break;
    default:
      return;
    }
    rec.TakenFromSystem.BackColor.reset(); // the look's own colour
  };
  switch (Style(rec.ButtonStyle)) {
  case Style::Classic:
  case Style::ClassicThin:
  case Style::Toolbar:
  case Style::Silver:
  case Style::SoftBlue:
  case Style::FlatClassic:
  case Style::FlatThin:
    rec.BackColor = platform::SystemColors::get(platform::SystemColors::ButtonFace);
    rec.TakenFromSystem.BackColor = rec.BackColor;
    break;
  case Style::RoundedGradient:
    byScheme(0xE7EBEC, 0xDBEEF3, 0xFCF1F0);
    break;
  case Style::BlueGlass:
    byScheme(0xFDECE0, 0xDEEDE8, ShiftColor(0xD4D4D4, 0.06f));
    break;
  case Style::WarmHighlight:
    byScheme(0xFCE1CA, 0xBAD6D4, ShiftColor(0xBA9EA0, 0.15f));
    break;
  case Style::Gel:
  case Style::Shaded:
    byScheme(0xFFD1AD, 0xBAD6D4, 0xE3DFE0);
    break;
  case Style::WhiteGloss:
    byScheme(0xFFD1AD, 0xBAD6D4, 0xE1D6D5);
    break;
  default: // System follows the desktop; values without a style keep theirs
    break;
  }

  rec.ForeColor = platform::SystemColors::get(platform::SystemColors::ButtonText);
  rec.TakenFromSystem.ForeColor = rec.ForeColor;
  rec.ShowFocusRect = is(rec.ButtonStyle, Style::Classic) || is(rec.ButtonStyle, Style::ClassicThin) ||
                      is(rec.ButtonStyle, Style::WhiteGloss);
  if (is(rec.ButtonStyle, Style::Toolbar))
    rec.PicturePushOnHover = true;
}

} // namespace vexa
