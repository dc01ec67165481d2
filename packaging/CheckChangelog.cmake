# SPDX-License-Identifier: MIT
# The newest entry of debian/changelog must carry the project version.
file(STRINGS ${CHANGELOG} first LIMIT_COUNT 1)
if(NOT first MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
  message(FATAL_ERROR "debian/changelog starts with no \"package (version)\" line: \"${first}\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog is at ${CMAKE_MATCH_1}, the project at ${VERSION}")
endif()
