# SPDX-License-Identifier: MIT
# Runs uic over FORM and fails on anything it says on its error stream.
execute_process(COMMAND ${UIC} ${FORM} OUTPUT_QUIET ERROR_VARIABLE said RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "uic ${FORM}: exit ${status}: ${said}")
endif()
