# SPDX-License-Identifier: MIT
# Runs PROGRAM with --help and with --version where no display can be
# reached (DISPLAY empty, QT_QPA_PLATFORM unset): a program that made an
# application window would fail to start instead of answering. Both must
# exit with 0 and answer on standard output; --version names VERSION.
set(ENV{DISPLAY} "")
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{WAYLAND_DISPLAY})
get_filename_component(name ${PROGRAM} NAME)
foreach(option --help --version)
  execute_process(COMMAND ${PROGRAM} ${option} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 20)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} ${option} exited with \"${status}\": ${err}")
  endif()
  if(option STREQUAL "--help" AND NOT out MATCHES "^usage: ${name}")
    message(FATAL_ERROR "${name} --help printed no usage on standard output: \"${out}\"")
  endif()
  if(option STREQUAL "--version" AND NOT out STREQUAL "${name} ${VERSION}\n")
    message(FATAL_ERROR "${name} --version printed \"${out}\", not its version ${VERSION}")
  endif()
endforeach()
