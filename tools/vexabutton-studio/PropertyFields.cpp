#include "PropertyFields.h"

#include <QMetaProperty>

#include <limits>
#include <type_traits>

namespace studio {

namespace {

template <typename T> using Plain = std::remove_cvref_t<T>;

// The button's own setter, given the value as the field holds it.
template <typename T> bool apply(void (vexabutton::*set)(T), vexabutton& b, const QVariant& v, QString*) {
  (b.*set)(v.value<Plain<T>>());
  return true;
}
// Setters that may refuse a value say why.
template <typename T>
bool apply(bool (vexabutton::*set)(T, QString*), vexabutton& b, const QVariant& v, QString* error) {
  return (b.*set)(v.value<Plain<T>>(), error);
}

// The editor for a property of `kind`: a choice where the property view
// names its values, a number with the range the kind holds otherwise.
Field describe(const char* name, const char* kind) {
  Field f;
  f.name = QLatin1String(name);
  const QMetaObject& meta = vexabutton::staticMetaObject;
  const QMetaProperty view = meta.property(meta.indexOfProperty(name));
  const QByteArray k(kind);
  if (view.isEnumType()) {
    f.editor = Editor::Choice;
    f.choices = view.enumerator();
  } else if (k == "boolean") {
    f.editor = Editor::Boolean;
  } else if (k == "colour") {
    f.editor = Editor::Colour;
  } else if (k == "text") {
    f.editor = Editor::Text;
  } else if (k == "font") {
    f.editor = Editor::Font;
  } else if (k == "picture") {
    f.editor = Editor::Picture;
  } else {
    f.editor = Editor::Number;
    f.minimum = k == "byte" ? 0 : std::numeric_limits<int>::min();
    f.maximum = k == "byte" ? 255 : std::numeric_limits<int>::max();
  }
  return f;
}

} // namespace

const std::vector<Field>& fields() {
  static const std::vector<Field> all = [] {
    std::vector<Field> list;
#define VEXA_FIELD(Name, Type, Kind, ...)                                                                              \
  list.push_back(describe(#Name, #Kind));                                                                              \
  list.back().read = [](const vexabutton& b) { return QVariant::fromValue(b.Name()); };                                \
  list.back().write = [](vexabutton& b, const QVariant& v, QString* error) {                                           \
    return apply(&vexabutton::set##Name, b, v, error);                                                                 \
  };
    VEXA_BUTTON_PROPERTIES(VEXA_FIELD)
#undef VEXA_FIELD
    return list;
  }();
  return all;
}

} // namespace studio
