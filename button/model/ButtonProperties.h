// SPDX-License-Identifier: MIT
#pragma once

// Every stored property of vexabutton, declared once, in the order a stored
// layout writes them. The getters, the setters that only store and repaint,
// the load and save passes, the new-instance values, the help strings and
// the studio's editors and the emission of the change signals are all
// expanded from this list; adding a property means a row here plus the code
// that uses it (and its Q_PROPERTY and NameChanged lines in vexabutton.h,
// which tests hold to this list: moc reads no macros).
//
// X(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)
//   Name        the C++ getter (Name()) and setter (setName()), and the Q_PROPERTY
//   Type        what the getter returns; the setter takes the same, except that
//               a named value (an enumeration of the class) is set as its
//               32-bit number, so values without a name are kept as given
//   Kind        how a bag holds it, which values it takes, and how it is edited:
//               boolean; int32, int16 (refused outside 16 bits), byte (refused
//               outside 0 to 255); colour (an OLE colour); text; font; picture
//   Field       where the value lives inside the control
//   Key         the key of the stored layout
//   Notify      the name the host is told when the value changes
//   NewValue    the value of a newly placed instance (Keep: set by its own step)
//   ReadDefault what a missing key reads as, and the value the save leaves out;
//               a colour default is translated as the system shows it now
//   Change      Redraw, NoRedraw, or RedrawWithPicture (only when PictureNormal is set)
//   Setter      Stored: store, repaint as Change says, notify; Own: written by hand;
//               Widget: QWidget's own setter, followed through its change event
//   Help        the help string a property browser shows
//

#include <QtGlobal>

#include <type_traits>

/*! \file ButtonProperties.h
    The property list of vexabutton: one row per stored property, with its
    type, stored key, defaults and help text. */

namespace vexa {
//! A property's value as it is stored: a named value as its 32-bit number.
template <typename T> using Stored = std::conditional_t<std::is_enum_v<T>, qint32, T>;
//! Returns \a value as it is stored.
template <typename T> constexpr Stored<T> stored(const T& value) { return Stored<T>(value); }
//! How a setter takes a value of type T: small values by value, others by reference.
template <typename T> using In = std::conditional_t<std::is_scalar_v<Stored<T>>, Stored<T>, const Stored<T>&>;
} // namespace vexa

//! Expands X(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault,
//! Change, Setter, Help) once per stored property, in the order a stored
//! layout writes them (the columns are described at the top of this file).
// clang-format off
#define VEXA_BUTTON_PROPERTIES(X) \
  X(ButtonStyle, Style, int32, rec.ButtonStyle, "ButtonStyle", "ButtonStyle", \
    13, 1, Redraw, Own, \
    "Returns/sets a value to determine the style used to draw the button.") \
  X(ShowFocusRect, bool, boolean, rec.ShowFocusRect, "ShowFocusRect", "ShowFocusRect", \
    true, false, NoRedraw, Stored, \
    "Returns/Sets a value to show Focusrect when the button has focus") \
  X(Enabled, bool, boolean, rec.Enabled, "Enabled", "Enabled", \
    true, true, Redraw, Widget, \
    "Returns/sets a value to determine whether the button can respond to events.") \
  X(Font, platform::SharedFontPtr, font, rec.mFont, "Font", "Font", \
    Keep, ambientFont, Redraw, Own, \
    "Returns/sets the Font used to display text on the button.") \
  X(BackColor, qint32, colour, rec.BackColor, "BackColor", "BackColor", \
    0, ButtonFaceRef, Redraw, Own, \
    "Returns/sets the background color used for the button.") \
  X(Caption, QString, text, rec.Caption, "Caption", "Caption", \
    Keep, DefaultCaption, Redraw, Own, \
    "Returns/sets the text displayed in the button.") \
  X(ForeColor, qint32, colour, rec.ForeColor, "ForeColor", "ForeColor", \
    0, ButtonTextRef, Redraw, Own, \
    "Returns/sets the text color of the button caption.") \
  X(ForeColorHover, qint32, colour, rec.ForeColorHover, "ForeColorHover", "ForeColorHover", \
    0, ButtonTextRef, Redraw, Own, \
    "Returns/sets the text color of the button caption when Mouse is over the control.") \
  X(Mode, ButtonMode, int32, rec.Mode, "Mode", "Mode", \
    0, 0, Redraw, Own, \
    "Returns/sets the type of control the button will observe.") \
  X(Value, bool, boolean, rec.Value, "Value", "Value", \
    false, false, Redraw, Own, \
    "Returns/sets the value or state of the button.") \
  X(MousePointer, Pointer, int16, mousePointer, "MousePointer", "MousePointer", \
    0, 0, NoRedraw, Own, \
    "Returns/sets the type of mouse pointer displayed when cursor over the button.") \
  X(HandPointer, bool, boolean, rec.HandPointer, "HandPointer", "HandPointer", \
    false, false, Redraw, Own, \
    "Returns/sets a value to determine whether the control uses the system's hand pointer as its cursor.") \
  X(MouseIcon, platform::PicturePtr, picture, mouseIcon, "MouseIcon", "MouseIcon", \
    nullptr, nullptr, NoRedraw, Own, \
    "Sets a custom mouse icon for the button.") \
  X(PictureNormal, platform::PicturePtr, picture, rec.PictureNormal, "PictureNormal", "PictureNormal", \
    nullptr, nullptr, Redraw, Own, \
    "Returns/sets the picture displayed on a normal state button.") \
  X(PictureHot, platform::PicturePtr, picture, rec.PictureHot, "PictureHot", "PictureHot", \
    nullptr, nullptr, Redraw, Own, \
    "Returns/sets the picture displayed when the cursor is over the control.") \
  X(PictureDown, platform::PicturePtr, picture, rec.PictureDown, "PictureDown", "PictureDown", \
    nullptr, nullptr, Redraw, Own, \
    "Returns/sets the picture displayed when the control is pressed down or in checked state.") \
  X(PictureAlign, PictureAlignment, int32, rec.PictureAlign, "PictureAlign", "PictureAlign", \
    1, 1, RedrawWithPicture, Stored, \
    "Returns/sets a value to determine where to draw the picture in the button.") \
  X(PictureEffectOnOver, PictureEffect, int32, rec.PictureEffectOnOver, "PictureEffectOnOver", "PictureEffectOnOver", \
    0, 1, Redraw, Stored, \
    "Returns/Sets the Picture Effects to be applied when the mouseis over the control.") \
  X(PictureEffectOnDown, PictureEffect, int32, rec.PictureEffectOnDown, "PictureEffectOnDown", "PictureEffectOnDown", \
    0, 2, Redraw, Stored, \
    "Returns/Sets the Picture Effects to be applied when the Button is pressed down.") \
  X(PicturePushOnHover, bool, boolean, rec.PicturePushOnHover, "PicturePushOnHover", "PicturePushOnHover", \
    false, false, Redraw, Stored, \
    "Returns/Sets a value to determine whether to Push picture when Mouse is over the control.") \
  X(PictureShadow, bool, boolean, rec.PictureShadow, "PictureShadow", "PictureShadow", \
    false, false, Redraw, Stored, \
    "Returns/Sets a value to determine whether to display Picture Shadow") \
  X(PictureOpacity, int, byte, rec.PictureOpacity, "PictureOpacity", "PictureOpacity", \
    255, 255, Redraw, Own, \
    "Returns/Sets a byte value to control the Opacity of the Picture.") \
  X(PictureOpacityOnOver, int, byte, rec.PictureOpacityOnOver, "PictureOpacityOnOver", "PictureOpacityOnOver", \
    255, 255, Redraw, Own, \
    "Returns/Sets a byte value to control the Opacity of the Picture when Mouse is over the button.") \
  X(DisabledPictureMode, DisabledPictureLook, int32, rec.DisabledPictureMode, "DisabledPictureMode", "DisabledPictureMode", \
    0, 0, Redraw, Stored, \
    "Returns/Sets the effect to be used for picture when button is disabled.") \
  X(CaptionEffects, CaptionEffect, int32, rec.CaptionEffects, "CaptionEffects", "CaptionEffects", \
    0, 0, Redraw, Stored, \
    "Returns/Sets the Special Effects apply to the caption.") \
  X(UseMaskColor, bool, boolean, rec.UseMaskColor, "UseMaskColor", "UseMaskColor", \
    true, true, RedrawWithPicture, Stored, \
    "Returns/sets a value to determine whether to use MaskColor to create transparent areas of the picture.") \
  X(MaskColor, qint32, colour, rec.MaskColor, "MaskColor", "MaskColor", \
    0xE0E0E0, 0xE0E0E0, Redraw, Stored, \
    "Returns/sets a color in a button's picture to be transparent.") \
  X(CaptionAlign, CaptionAlignment, int32, rec.CaptionAlign, "CaptionAlign", "CaptionAlign", \
    1, 1, Redraw, Stored, \
    "Returns/Sets the position of the Caption.") \
  X(ToolTip, QString, text, rec.ToolTip, "ToolTip", "ToolTip", \
    QString(), QString(), Redraw, Widget, \
    "Returns/Sets the text displayed when mouse is paused over the control.") \
  X(ToolTipType, TooltipStyle, int32, rec.TooltipType, "TooltipType", "ToolTipType", \
    0, 0, Redraw, Stored, \
    "Returns/Sets the Style of the tooltip.") \
  X(ToolTipIcon, TooltipIcon, int32, rec.TooltipIcon, "TooltipIcon", "TooltipIcon", \
    0, 0, Redraw, Stored, \
    "Returns/Sets an icon value to be displayed in the tooltip.") \
  X(TooltipTitle, QString, text, rec.TooltipTitle, "TooltipTitle", "TooltipTitle", \
    QString(), QString(), Redraw, Stored, \
    "Returns/Sets the text displayed in the title of the tooltip.") \
  X(TooltipBackColor, qint32, colour, rec.TooltipBackColor, "TooltipBackColor", "TooltipBackcolor", \
    0, InfoBackgroundRef, Redraw, Stored, \
    "Returns/Sets color to be displayed in the tooltip.") \
  X(RightToLeft, bool, boolean, rec.RightToLeft, "RightToLeft", "RightToLeft", \
    false, false, Redraw, Own, \
    "Returns/Sets a value to determine whether to display text in RTL mode.") \
  X(DropDownSymbol, qint32, int32, rec.DropDownSymbol, "DropDownSymbol", "DropDownSymbol", \
    0, 0, Redraw, Stored, \
    "Returns/Sets the Symbol to be used for displaying PopupMenu.") \
  X(DropDownSeparator, bool, boolean, rec.DropDownSeparator, "DropDownSeparator", "DropDownSeparator", \
    false, false, Redraw, Stored, \
    "Returns/Sets the value whether to display DropDown Separator.") \
  X(ColorScheme, Scheme, int32, rec.ColorScheme, "ColorScheme", "ColorScheme", \
    0, 0, Redraw, Own, \
    "Returns/Sets the ColorScheme to be used for the Background color.")
// clang-format on
