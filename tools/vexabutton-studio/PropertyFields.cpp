#include "PropertyFields.h"

#include <limits>

namespace studio {

namespace {

using Reader = std::function<QVariant(const vexabutton&)>;
using Writer = std::function<bool(vexabutton&, const QVariant&, QString*)>;

template <typename E> QMetaEnum named() { return QMetaEnum::fromType<E>(); }

Field field(const char* name, Editor editor, Reader read, Writer write) {
  Field f;
  f.name = QLatin1String(name);
  f.editor = editor;
  f.read = std::move(read);
  f.write = std::move(write);
  return f;
}

Field choice(const char* name, QMetaEnum choices, Reader read, Writer write) {
  Field f = field(name, Editor::Choice, std::move(read), std::move(write));
  f.choices = choices;
  return f;
}

Field number(const char* name, int minimum, int maximum, Reader read, Writer write) {
  Field f = field(name, Editor::Number, std::move(read), std::move(write));
  f.minimum = minimum;
  f.maximum = maximum;
  return f;
}

// Setters that take the value and cannot refuse it.
#define VEXA_READ(Name) [](const vexabutton& b) { return QVariant::fromValue(b.Name()); }
#define VEXA_INT(Name) [](vexabutton& b, const QVariant& v, QString*) { return b.set##Name(v.toInt()), true; }
#define VEXA_BOOL(Name) [](vexabutton& b, const QVariant& v, QString*) { return b.set##Name(v.toBool()), true; }
#define VEXA_TEXT(Name) [](vexabutton& b, const QVariant& v, QString*) { return b.set##Name(v.toString()), true; }
#define VEXA_OBJECT(Name, Type)                                                                                        \
  [](vexabutton& b, const QVariant& v, QString*) { return b.set##Name(v.value<Type>()), true; }
#define VEXA_CHOICE(Name, Enum) choice(#Name, named<vexabutton::Enum>(), VEXA_READ(Name), VEXA_INT(Name))
#define VEXA_FIELD(Name, Kind, Write) field(#Name, Editor::Kind, VEXA_READ(Name), Write(Name))

} // namespace

const std::vector<Field>& fields() {
  static const std::vector<Field> all = {
      VEXA_CHOICE(ButtonStyle, Style),
      VEXA_FIELD(ShowFocusRect, Boolean, VEXA_BOOL),
      VEXA_FIELD(Enabled, Boolean, VEXA_BOOL),
      field("Font", Editor::Font, VEXA_READ(Font), VEXA_OBJECT(Font, platform::SharedFontPtr)),
      VEXA_FIELD(BackColor, Colour, VEXA_INT),
      VEXA_FIELD(Caption, Text, VEXA_TEXT),
      VEXA_FIELD(ForeColor, Colour, VEXA_INT),
      VEXA_FIELD(ForeColorHover, Colour, VEXA_INT),
      VEXA_CHOICE(Mode, ButtonMode),
      VEXA_FIELD(Value, Boolean, VEXA_BOOL),
      choice("MousePointer", named<vexabutton::Pointer>(), VEXA_READ(MousePointer),
             [](vexabutton& b, const QVariant& v, QString* error) { return b.setMousePointer(v.toInt(), error); }),
      VEXA_FIELD(HandPointer, Boolean, VEXA_BOOL),
      field("MouseIcon", Editor::Picture, VEXA_READ(MouseIcon), VEXA_OBJECT(MouseIcon, platform::PicturePtr)),
      field("PictureNormal", Editor::Picture, VEXA_READ(PictureNormal),
            VEXA_OBJECT(PictureNormal, platform::PicturePtr)),
      field("PictureHot", Editor::Picture, VEXA_READ(PictureHot), VEXA_OBJECT(PictureHot, platform::PicturePtr)),
      field("PictureDown", Editor::Picture, VEXA_READ(PictureDown), VEXA_OBJECT(PictureDown, platform::PicturePtr)),
      VEXA_CHOICE(PictureAlign, PictureAlignment),
      VEXA_CHOICE(PictureEffectOnOver, PictureEffect),
      VEXA_CHOICE(PictureEffectOnDown, PictureEffect),
      VEXA_FIELD(PicturePushOnHover, Boolean, VEXA_BOOL),
      VEXA_FIELD(PictureShadow, Boolean, VEXA_BOOL),
      number("PictureOpacity", 0, 255, VEXA_READ(PictureOpacity),
             [](vexabutton& b, const QVariant& v, QString* error) { return b.setPictureOpacity(v.toInt(), error); }),
      number(
          "PictureOpacityOnOver", 0, 255, VEXA_READ(PictureOpacityOnOver),
          [](vexabutton& b, const QVariant& v, QString* error) { return b.setPictureOpacityOnOver(v.toInt(), error); }),
      VEXA_CHOICE(DisabledPictureMode, DisabledPictureLook),
      VEXA_CHOICE(CaptionEffects, CaptionEffect),
      VEXA_FIELD(UseMaskColor, Boolean, VEXA_BOOL),
      VEXA_FIELD(MaskColor, Colour, VEXA_INT),
      VEXA_CHOICE(CaptionAlign, CaptionAlignment),
      VEXA_FIELD(ToolTip, Text, VEXA_TEXT),
      VEXA_CHOICE(ToolTipType, TooltipStyle),
      VEXA_CHOICE(ToolTipIcon, TooltipIcon),
      VEXA_FIELD(TooltipTitle, Text, VEXA_TEXT),
      VEXA_FIELD(TooltipBackColor, Colour, VEXA_INT),
      VEXA_FIELD(RightToLeft, Boolean, VEXA_BOOL),
      number("DropDownSymbol", std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
             VEXA_READ(DropDownSymbol), VEXA_INT(DropDownSymbol)),
      VEXA_FIELD(DropDownSeparator, Boolean, VEXA_BOOL),
      VEXA_CHOICE(ColorScheme, Scheme),
  };
  return all;
}

} // namespace studio
