# SPDX-License-Identifier: MIT
# A user's first steps with the installed package: install the build into a
# fresh prefix, then configure and build, against that prefix only, a client
# project that sets no C++ standard (the package brings the one its headers
# need), the same client through pkg-config, and the examples from the folder
# they are installed in; run the clients and the Qt Quick gallery headless.
# Both plugins must sit under one Qt plugin folder.
#   cmake -DBUILD_DIR= -DWORK_DIR= -DCLIENT_DIR= -DCXX_COMPILER=
#         [-DLAUNCHER=] [-DCLIENT_FLAGS=] -P CheckInstalledClient.cmake
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(client_build ${WORK_DIR}/client)
set(examples_build ${WORK_DIR}/examples)
file(REMOVE_RECURSE ${prefix} ${client_build} ${examples_build} ${WORK_DIR}/pkg-config-client)
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

file(GLOB_RECURSE found ${prefix}/include/*ButtonRecord.h ${prefix}/include/*_p.h ${prefix}/include/*Surface.h
  ${prefix}/include/*StylePaint.h ${prefix}/include/*Subclass.h)
if(found)
  message(FATAL_ERROR "internal headers are installed: ${found}")
endif()

set(configure_options -G Ninja -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
if(LAUNCHER)
  list(APPEND configure_options -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
if(CLIENT_FLAGS)
  # A sanitizer build's libraries need the same runtime in the client.
  list(APPEND configure_options "-DCMAKE_CXX_FLAGS=${CLIENT_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CLIENT_FLAGS}")
endif()
run("configuring the client" ${CMAKE_COMMAND} -S ${CLIENT_DIR} -B ${client_build} ${configure_options})
run("building the client" ${CMAKE_COMMAND} --build ${client_build})
run("the client" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${client_build}/vexabutton-client)

# The examples, from where the package puts them.
set(examples_dir ${prefix}/share/doc/vexabutton/examples)
if(NOT EXISTS ${examples_dir}/CMakeLists.txt)
  message(FATAL_ERROR "the examples are not installed in ${examples_dir}")
endif()
run("configuring the installed examples" ${CMAKE_COMMAND} -S ${examples_dir} -B ${examples_build} ${configure_options})
run("building the installed examples" ${CMAKE_COMMAND} --build ${examples_build})

# The Qt Quick gallery, run as a user runs it against the prefix: the QML
# module found through QML_IMPORT_PATH. It draws one frame and fails on any
# QML warning; a warning the engine prints after that frame fails here.
if(NOT EXISTS ${examples_build}/qml-gallery/qml-gallery)
  message(FATAL_ERROR "the installed examples did not build qml-gallery")
endif()
file(GLOB_RECURSE qmldir ${prefix}/*qmldir)
list(FILTER qmldir INCLUDE REGEX "/VexaButton/qmldir$")
if(NOT qmldir)
  message(FATAL_ERROR "the VexaButton QML module is not installed under ${prefix}")
endif()
list(GET qmldir 0 qmldir)
get_filename_component(qml_root ${qmldir} DIRECTORY)
get_filename_component(qml_root ${qml_root} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QML_IMPORT_PATH=${qml_root}
  ${examples_build}/qml-gallery/qml-gallery --quit-after-first-frame
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "\\.qml:[0-9]+")
  message(FATAL_ERROR "the Qt Quick gallery failed (${status}):\n${out}")
endif()

# The client again, built through pkg-config alone.
file(GLOB_RECURSE pc_file ${prefix}/*vexabutton.pc)
if(NOT pc_file)
  message(FATAL_ERROR "no vexabutton.pc under ${prefix}")
endif()
get_filename_component(pc_dir ${pc_file} DIRECTORY)
get_filename_component(library_dir ${pc_dir} DIRECTORY)
set(pc_env ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir})
# The client uses QTest as well, and keeps Qt's keywords out.
execute_process(COMMAND ${pc_env} pkg-config --cflags --libs vexabutton Qt6Test
  RESULT_VARIABLE status OUTPUT_VARIABLE flags ERROR_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config vexabutton failed:\n${flags}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${CLIENT_FLAGS}")
file(MAKE_DIRECTORY ${WORK_DIR}/pkg-config-client)
set(pc_client ${WORK_DIR}/pkg-config-client/vexabutton-client)
run("building the client through pkg-config" ${CXX_COMPILER} -std=c++20 -fPIC -DQT_NO_KEYWORDS ${extra} ${CLIENT_DIR}/main.cpp
  ${flags} -o ${pc_client})
run("the pkg-config client" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH=${library_dir}
  ${pc_client})

# One plugin folder holds both plugins.
file(GLOB_RECURSE designer_plugin ${prefix}/*libvexabutton-designer.so)
file(GLOB_RECURSE style_plugin ${prefix}/*libvexabutton-styles.so)
if(NOT designer_plugin OR NOT style_plugin)
  message(FATAL_ERROR "a plugin is not installed: '${designer_plugin}' '${style_plugin}'")
endif()
get_filename_component(designer_root ${designer_plugin} DIRECTORY)
get_filename_component(designer_root ${designer_root} DIRECTORY)
get_filename_component(style_root ${style_plugin} DIRECTORY)
get_filename_component(style_root ${style_root} DIRECTORY)
if(NOT designer_root STREQUAL style_root)
  message(FATAL_ERROR "the plugins are under two roots: ${designer_root} and ${style_root}")
endif()

# The API reference, where the tree built it.
if(EXISTS ${BUILD_DIR}/docs/html/index.html AND NOT EXISTS ${prefix}/share/qt6/doc/vexabutton/index.html)
  message(FATAL_ERROR "the API reference is not installed")
endif()
message(STATUS "the installed package builds and runs a client (CMake and pkg-config), the examples and the Qt Quick gallery")
