// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

/*! \file ButtonTypes.h
    The named values of the button's numeric properties and event arguments. */

//! The named values the control's model, its renderers and its services
//! share. The stored properties stay 32-bit numbers, so a value without a name
//! here is still kept and drawn as the drawing code says for it; compare
//! against these names wherever a name exists.
namespace vexa {

//! The fourteen looks of ButtonStyle, each drawn by its own renderer.
enum class Style : qint32 {
  Classic = 0,
  ClassicThin = 1,
  RoundedGradient = 2,
  BlueGlass = 3,
  Toolbar = 4,
  WarmHighlight = 5,
  Silver = 6,
  SoftBlue = 7,
  Gel = 8,
  WhiteGloss = 9,
  Shaded = 10,
  FlatClassic = 11,
  FlatThin = 12,
  System = 13,
};

//! Mode: how a click changes Value.
enum class Mode : qint32 { PushButton = 0, CheckButton = 1, OptionButton = 2 };

//! ButtonState, the visual state a paint draws.
enum class State : qint32 { Normal = 0, Hot = 1, Down = 2 };

//! ColorScheme: the built-in colour sets of a style, or the colours as set.
enum class Scheme : qint32 { Scheme0 = 0, Scheme1 = 1, Scheme2 = 2, Custom = 3 };

//! CaptionAlign: where the caption sits across the button.
enum class CaptionAlignment : qint32 { Left = 0, Center = 1, Right = 2 };

//! PictureAlign: edges of the button, or places relative to the caption.
enum class PictureAlignment : qint32 {
  LeftEdge = 0,
  LeftOfCaption = 1,
  RightEdge = 2,
  RightOfCaption = 3,
  BehindCaption = 4,
  TopEdge = 5,
  AboveCaption = 6,
  BottomEdge = 7,
  BelowCaption = 8,
};

//! CaptionEffects: copies of the caption drawn under it, offset by a pixel.
enum class CaptionEffect : qint32 { None = 0, Raised = 1, Sunken = 2, Shadow = 3, LightOutline = 4, DarkOutline = 5 };

//! PictureEffectOnOver and PictureEffectOnDown: how the picture changes while hot or pressed.
enum class PictureEffect : qint32 { None = 0, Lighten = 1, Darken = 2 };

//! DisabledPictureMode: how the picture of a disabled button looks.
enum class DisabledPictureLook : qint32 { Faded = 0, Grayscale = 1 };

//! ToolTipType: a rectangular tool tip, or a balloon with a stem pointing at the button.
enum class TooltipStyle : qint32 { Rectangle = 0, Balloon = 1 };
//! ToolTipIcon: the icon before the tool tip's title.
enum class TooltipIcon : qint32 { None = 0, Information = 1, Warning = 2, Error = 3 };

//! The Button argument of the mouse events: one bit per mouse button.
namespace MouseButton {
constexpr qint16 Left = 1;   //!< The left mouse button.
constexpr qint16 Right = 2;  //!< The right mouse button.
constexpr qint16 Middle = 4; //!< The middle mouse button.
} // namespace MouseButton
//! The Shift argument of the mouse and key events: one bit per modifier key.
namespace ShiftMask {
constexpr qint16 Shift = 1;   //!< A Shift key is down.
constexpr qint16 Control = 2; //!< A Ctrl key is down.
constexpr qint16 Alt = 4;     //!< An Alt key is down.
} // namespace ShiftMask

//! The classic virtual-key codes the key events carry.
namespace KeyCode {
constexpr qint16 Backspace = 8; //!< Backspace.
constexpr qint16 Tab = 9;       //!< Tab.
constexpr qint16 Enter = 13;    //!< Enter or Return.
constexpr qint16 Escape = 27;   //!< Esc.
constexpr qint16 Space = 32;    //!< The space bar.
constexpr qint16 Left = 37;     //!< The left arrow.
constexpr qint16 Up = 38;       //!< The up arrow.
constexpr qint16 Right = 39;    //!< The right arrow.
constexpr qint16 Down = 40;     //!< The down arrow.
} // namespace KeyCode

//! Whether the stored number \a stored is the named \a value.
template <typename Enum> constexpr bool is(qint32 stored, Enum value) { return stored == qint32(value); }

} // namespace vexa
