# SPDX-License-Identifier: MIT
# The shared library exports its public API and nothing else: every
# definition nm -D lists must match a pattern below; the failure names each
# one that does not.   cmake -DNM=nm -DLIBRARIES="a.so;b.so" -P CheckExports.cmake
set(platform_types "platform::(HostedControl|ControlHost|StandaloneHost|Picture|PropertyBag|SharedFont)(::|$)")
set(allowed
  "^((typeinfo|typeinfo name|vtable) for |non-virtual thunk to )?vexabutton(::|$)" # the class, its metaobject
  "^((typeinfo|typeinfo name|vtable) for |non-virtual thunk to )?${platform_types}" # the types vexabutton.h uses
  "^platform::registerProgramFonts\\("
  # The standard library's templates instantiated over those types (shared
  # pointers' control blocks) have the default visibility it gives them.
  "^((typeinfo|typeinfo name|vtable) for )?std::"
  # Qt's inline members that an unoptimised build emits out of line: their
  # classes carry Qt's export attribute, which the copies keep.
  "^((typeinfo|typeinfo name|vtable) for )?Q[A-Z][A-Za-z0-9]*(::|$)"
  "^__odr_asan\\." # the address sanitizer's markers of exported variables
  "^(_end|_edata|__bss_start|_init|_fini)$") # the linker's markers

set(offenders)
foreach(library IN LISTS LIBRARIES)
  execute_process(COMMAND ${NM} -D --defined-only -C ${library} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  string(REGEX MATCHALL "[0-9a-f]+ [A-Za-z] [^\n]+" lines "${listing}")
  if(NOT status EQUAL 0 OR NOT lines)
    message(FATAL_ERROR "${NM} lists no exports of ${library}")
  endif()
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" symbol "${line}")
    set(known FALSE)
    foreach(pattern IN LISTS allowed)
      if(symbol MATCHES "${pattern}")
        set(known TRUE)
      endif()
    endforeach()
    if(NOT known)
      get_filename_component(name ${library} NAME)
      list(APPEND offenders "${name}: ${symbol}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(LENGTH offenders count)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "${count} exported symbols outside the public API:\n  ${text}")
endif()
