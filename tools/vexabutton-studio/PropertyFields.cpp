// SPDX-License-Identifier: MIT
#include "PropertyFields.h"

#include <QMetaProperty>

#include <limits>
#include <type_traits>

namespace studio {

namespace {

template <typename T> using Plain = std::remove_cvref_t<T>;

// The button's own setter, given the value as the field holds it (a named
// value as its number); setters that may refuse a value say why.
template <typename Value, typename Set> bool apply(vexabutton& b, const QVariant& v, QString* error, Set set) {
  if constexpr (std::is_invocable_r_v<bool, Set, vexabutton&, Value, QString*>)
    return set(b, v.value<Value>(), error);
  else {
    set(b, v.value<Value>());
    return true;
  }
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
  list.back().read = [](const vexabutton& b) { return QVariant::fromValue(vexa::stored(b.Name())); };                  \
  list.back().write = [](vexabutton& b, const QVariant& v, QString* error) {                                           \
    using Value = vexa::Stored<Plain<decltype(b.Name())>>;                                                             \
    return apply<Value>(b, v, error,                                                                                   \
                        [](vexabutton& b, const Value& value, auto... why) -> decltype(b.set##Name(value, why...)) {   \
                          return b.set##Name(value, why...);                                                           \
                        });                                                                                            \
  };
    VEXA_BUTTON_PROPERTIES(VEXA_FIELD)
#undef VEXA_FIELD
    return list;
  }();
  return all;
}

} // namespace studio
