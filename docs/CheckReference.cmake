# SPDX-License-Identifier: MIT
# Builds the API reference and fails on any doxygen warning, so a public
# member added without documentation (or a broken reference in a comment)
# is caught where it is made.
#   cmake -DBUILD_DIR= -DLOG= -P CheckReference.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target docs
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the docs target failed (${status}):\n${out}")
endif()
file(READ ${LOG} warnings)
if(NOT warnings STREQUAL "")
  message(FATAL_ERROR "doxygen warns:\n${warnings}")
endif()
message(STATUS "the API reference is complete")
