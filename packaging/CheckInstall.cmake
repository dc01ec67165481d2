# SPDX-License-Identifier: MIT
# Installs the build into a fresh folder and checks what landed there: the
# files the README lists, the desktop entries (desktop-file-validate) and
# the AppStream metainfo (appstreamcli validate --no-net).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(expected
  bin/vokrantov-test bin/vexabutton-render bin/vexabutton-studio
  ${LIBDIR}/libvexabutton.so ${LIBDIR}/libvexabutton.so.2
  include/VexaButton/vexabutton.h include/VexaButton/platform/PropertyBag.h
  ${LIBDIR}/cmake/VexaButton/VexaButtonConfig.cmake ${LIBDIR}/cmake/VexaButton/VexaButtonTargets.cmake
  ${PLUGIN_DIR}/libvexabutton-designer.so
  share/applications/example.belmora.VokrantovTest.desktop
  share/applications/example.belmora.VexaButtonStudio.desktop
  share/metainfo/example.belmora.VokrantovTest.metainfo.xml
  share/metainfo/example.belmora.VexaButtonStudio.metainfo.xml
  share/man/man6/vokrantov-test.6 share/man/man1/vexabutton-render.1 share/man/man1/vexabutton-studio.1)
foreach(size 16 32 48 256)
  foreach(name example.belmora.VokrantovTest example.belmora.VexaButtonStudio)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${name}.png)
  endforeach()
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(GLOB desktop_files ${PREFIX}/share/applications/*.desktop)
foreach(file IN LISTS desktop_files)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${file} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects ${file}")
  endif()
endforeach()
file(GLOB metainfo_files ${PREFIX}/share/metainfo/*.metainfo.xml)
foreach(file IN LISTS metainfo_files)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${file} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects ${file}")
  endif()
endforeach()
message(STATUS "installed files complete and valid in ${PREFIX}")
