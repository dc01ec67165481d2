#pragma once

#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

// The style renderers behind Redraw's dispatch table, one file per family.
// Each takes the visual state (0 Normal, 1 Hot, 2 Down), paints the style's
// background, calls DrawCaptionAndPicture once and adds its border lines.
namespace vexa {

using StyleRenderer = void (*)(ButtonRecord& rec, platform::Surface& surface, qint32 state);

// ButtonStyle 0, 1, 11 and 12 (Classic.cpp).
void DrawClassic(ButtonRecord& rec, platform::Surface& surface, qint32 state);

// ButtonStyle 2, and ButtonStyle 13 while visual styles are off (RoundedGradient.cpp).
void DrawRoundedGradient(ButtonRecord& rec, platform::Surface& surface, qint32 state);

// ButtonStyle 3, 5, 7 and 10 (Gradient.cpp).
void DrawBlueGlass(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawWarmHighlight(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawSoftBlue(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawShaded(ButtonRecord& rec, platform::Surface& surface, qint32 state);

// ButtonStyle 4, 6, 8 and 9 (ToolbarGloss.cpp). Silver writes ForeColor.
void DrawToolbar(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawSilver(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawGel(ButtonRecord& rec, platform::Surface& surface, qint32 state);
void DrawWhiteGloss(ButtonRecord& rec, platform::Surface& surface, qint32 state);

// ButtonStyle 13 while visual styles are active (Themed.cpp), and its theme
// state id: 4 disabled, 5 defaulted, else 1 normal, 2 hot, 3 pressed (0 for
// an unknown state).
void DrawThemed(ButtonRecord& rec, platform::Surface& surface, qint32 state);
int ThemedStateId(const ButtonRecord& rec, qint32 state);

} // namespace vexa
