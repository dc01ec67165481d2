# The shared library exports its public API and nothing else. Every
# exported definition (nm -D --defined-only -C) must match one of the
# patterns below; the failure names each one that does not.
#   cmake -DNM=nm -DLIBRARIES="a.so;b.so" -P CheckExports.cmake
set(public_platform "platform::(HostedControl|ControlHost|StandaloneHost|Picture|PropertyBag|SharedFont)(::|$)")
set(allowed
  # The control's class: members, its metaobject, vtable and type.
  "^vexabutton::"
  "^(typeinfo|typeinfo name|vtable) for vexabutton$"
  "^non-virtual thunk to vexabutton::"
  # The platform types vexabutton.h uses, and the font registration.
  "^${public_platform}"
  "^(typeinfo|typeinfo name|vtable) for ${public_platform}"
  "^non-virtual thunk to ${public_platform}"
  "^platform::registerProgramFonts\\("
  # The standard library's templates instantiated over those types (the
  # shared pointers' control blocks): the standard library gives them
  # default visibility, and every library instantiating them exports them.
  "^((typeinfo|typeinfo name|vtable) for )?std::"
  # The linker's own markers.
  "^(_end|_edata|__bss_start|_init|_fini)$")

set(offenders)
foreach(library IN LISTS LIBRARIES)
  execute_process(COMMAND ${NM} -D --defined-only -C ${library}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} could not read ${library}")
  endif()
  string(REPLACE "\n" ";" lines "${listing}")
  set(count 0)
  foreach(line IN LISTS lines)
    # "ADDRESS TYPE NAME"
    if(NOT line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
      continue()
    endif()
    set(symbol "${CMAKE_MATCH_1}")
    math(EXPR count "${count} + 1")
    set(known FALSE)
    foreach(pattern IN LISTS allowed)
      if(symbol MATCHES "${pattern}")
        set(known TRUE)
        break()
      endif()
    endforeach()
    if(NOT known)
      get_filename_component(name ${library} NAME)
      list(APPEND offenders "${name}: ${symbol}")
    endif()
  endforeach()
  if(count EQUAL 0)
    message(FATAL_ERROR "${library} exports nothing: not the library this test expects")
  endif()
endforeach()
if(offenders)
  list(LENGTH offenders n)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "${n} exported symbols outside the public API:\n  ${text}")
endif()
message(STATUS "only the public API is exported")
