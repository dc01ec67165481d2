# SPDX-License-Identifier: MIT
# Writes OUT: a reference entry for the getter of every property in the
# property list LIST (and for the setter the list itself declares), with the
# property's help text, so the reference and a property browser say the same.
#   cmake -DLIST=button/model/ButtonProperties.h -DOUT=properties.dox -P PropertyHelp.cmake
file(READ "${LIST}" text)
string(REPLACE "\\\n" " " text "${text}")
# X(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)
set(row "X\\(([A-Za-z0-9_]+), ([^,]+), [a-z0-9]+, [^,]+, \"[^\"]*\", \"[^\"]*\",[^\"]*, (Stored|Own), +\"([^\"]*)\"\\)")
string(REGEX MATCHALL "${row}" rows "${text}")
if(NOT rows)
  message(FATAL_ERROR "${LIST}: no property rows found")
endif()
set(out "/*! \\file properties.dox\n    Help texts of the properties, from the property list. */\n\n")
foreach(entry IN LISTS rows)
  string(REGEX MATCH "${row}" _ "${entry}")
  set(name "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" type)
  set(setter "${CMAKE_MATCH_3}")
  set(help "${CMAKE_MATCH_4}")
  string(APPEND out "/*! \\fn ${type} vexabutton::${name}() const\n    ${help}\n    \\sa set${name}() */\n")
  if(setter STREQUAL "Stored")
    string(APPEND out "/*! \\fn void vexabutton::set${name}(vexa::In<${type}> value)\n    Sets ${name} to \\a value and tells the host of the change. \\sa ${name}() */\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${out}")
