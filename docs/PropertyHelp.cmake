# SPDX-License-Identifier: MIT
# Writes OUT: the reference entry of every property in the property list
# LIST, with the property's help text (so the reference and a property
# browser say the same), the value a stored layout without it reads, and
# the access functions and change signal its Q_PROPERTY in CLASS names; and
# short entries for the getter, the change signal and the setter the list
# declares, which point at the property.
#   cmake -DLIST=button/model/ButtonProperties.h -DCLASS=button/model/vexabutton.h
#         -DOUT=properties.dox -P PropertyHelp.cmake
file(READ "${LIST}" text)
string(REPLACE "\\\n" " " text "${text}")
file(READ "${CLASS}" class)
string(REGEX REPLACE "[ \n]+" " " class "${class}")

# The named values of each enumeration of the class, to name a default.
string(REGEX MATCHALL "enum [A-Za-z]+ : qint32 {[^}]*}" enums "${class}")
foreach(enum IN LISTS enums)
  string(REGEX MATCH "enum ([A-Za-z]+) : qint32 {([^}]*)}" _ "${enum}")
  set(enumName "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "[A-Za-z0-9]+ = [0-9]+" values "${CMAKE_MATCH_2}")
  foreach(value IN LISTS values)
    string(REGEX MATCH "([A-Za-z0-9]+) = ([0-9]+)" _ "${value}")
    set("name_${enumName}_${CMAKE_MATCH_2}" "${CMAKE_MATCH_1}")
  endforeach()
endforeach()

# What the list's symbolic defaults stand for.
set(default_ButtonFaceRef "the system's button-face colour")
set(default_ButtonTextRef "the system's button-text colour")
set(default_InfoBackgroundRef "the system's tooltip-background colour")
set(default_DefaultCaption "\"vexabutton\"")
set(default_ambientFont "the host's font")
set(default_nullptr "no picture")
set("default_QString()" "empty")

# X(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)
set(row "X\\(([A-Za-z0-9_]+), ([^,]+), ([a-z0-9]+), [^,]+, \"([^\"]*)\", \"[^\"]*\", *[^,]+, *([^,]+), [A-Za-z]+, (Stored|Own|Widget), +\"([^\"]*)\"\\)")
string(REGEX MATCHALL "${row}" rows "${text}")
if(NOT rows)
  message(FATAL_ERROR "${LIST}: no property rows found")
endif()
set(out "/*! \\file properties.dox\n    Help texts of the properties, from the property list. */\n\n")
foreach(entry IN LISTS rows)
  string(REGEX MATCH "${row}" _ "${entry}")
  set(name "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" type)
  set(kind "${CMAKE_MATCH_3}")
  set(key "${CMAKE_MATCH_4}")
  string(STRIP "${CMAKE_MATCH_5}" default)
  set(setter "${CMAKE_MATCH_6}")
  set(help "${CMAKE_MATCH_7}")

  string(REGEX MATCH "Q_PROPERTY\\( ?([A-Za-z0-9:]+) ${name} READ ([A-Za-z]+)( WRITE ([A-Za-z]+))?( RESET ([A-Za-z]+))? NOTIFY ([A-Za-z]+)"
    property "${class}")
  if(NOT property)
    message(FATAL_ERROR "${CLASS}: no Q_PROPERTY for ${name}")
  endif()
  set(propertyType "${CMAKE_MATCH_1}")
  set(read "${CMAKE_MATCH_2}")
  set(access "${read}()")
  if(CMAKE_MATCH_4)
    string(APPEND access ", ${CMAKE_MATCH_4}()")
  endif()
  if(CMAKE_MATCH_6)
    string(APPEND access ", ${CMAKE_MATCH_6}()")
  endif()
  set(notify "${CMAKE_MATCH_7}")

  if(DEFINED "default_${default}")
    set(default "${default_${default}}")
  elseif(DEFINED "name_${type}_${default}")
    set(default "${default} (vexabutton::${name_${type}_${default}})")
  endif()

  string(APPEND out "/*! \\property vexabutton::${name}\n    ${help}\n\n")
  string(APPEND out "    Stored as \"${key}\" (${kind})")
  if(NOT default STREQUAL "Keep")
    string(APPEND out "; a layout without it reads ${default}, and a save leaves that value out")
  endif()
  string(APPEND out ".\n    Access functions: ${access}. Notifier signal: ${notify}(). */\n")
  string(REGEX MATCH "void ${notify}\\(([^)]*)\\);" signal "${class}")
  if(NOT signal)
    message(FATAL_ERROR "${CLASS}: no signal ${notify}")
  endif()
  string(APPEND out "/*! \\fn void vexabutton::${notify}(${CMAKE_MATCH_1})\n"
    "    This signal is emitted with the new value once for every real change of the ${name} property,\n"
    "    whatever made it; a set to the value it has emits nothing. \\sa ${name} */\n")
  set(seeAlso "set${name}()")
  if(setter STREQUAL "Widget")
    set(seeAlso "QWidget::set${name}()")
  endif()
  # The stored form beside the one Qt's tools see (a colour's number, a picture object).
  set(returns "Returns the ${name} property.")
  if(NOT read STREQUAL name)
    set(returns "Returns the ${name} property as it is stored; ${read}() returns it as a ${propertyType}.")
  endif()
  string(APPEND out "/*! \\fn ${type} vexabutton::${name}() const\n    ${returns} \\sa ${seeAlso} */\n")
  if(setter STREQUAL "Stored")
    # The parameter as the header declares it (the first declaration: the
    # stored form, before a QColor or QPixmap overload).
    string(REGEX MATCH "void set${name}\\(([^)]*value)\\);" declared "${class}")
    if(NOT declared)
      message(FATAL_ERROR "${CLASS}: no setter set${name}(... value)")
    endif()
    string(APPEND out "/*! \\fn void vexabutton::set${name}(${CMAKE_MATCH_1})\n"
      "    Sets the ${name} property to \\a value and tells the host; emits ${notify}() when it changes.\n"
      "    \\sa ${name}() */\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${out}")
