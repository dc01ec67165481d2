# SPDX-License-Identifier: MIT
# A user's first steps with the installed package: install the build into a
# fresh prefix, then configure and build, against that prefix only, a client
# project that sets no C++ standard (the package brings the one its headers
# need) together with the examples, and run the client headless.
#   cmake -DBUILD_DIR= -DWORK_DIR= -DCLIENT_DIR= -DEXAMPLES_DIR= -DCXX_COMPILER=
#         [-DLAUNCHER=] [-DCLIENT_FLAGS=] -P CheckInstalledClient.cmake
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(client_build ${WORK_DIR}/client)
file(REMOVE_RECURSE ${prefix} ${client_build})
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

file(GLOB_RECURSE found ${prefix}/include/*ButtonRecord.h ${prefix}/include/*_p.h ${prefix}/include/*Surface.h
  ${prefix}/include/*StylePaint.h ${prefix}/include/*Subclass.h)
if(found)
  message(FATAL_ERROR "internal headers are installed: ${found}")
endif()

set(configure ${CMAKE_COMMAND} -S ${CLIENT_DIR} -B ${client_build} -G Ninja
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DVEXA_EXAMPLES_DIR=${EXAMPLES_DIR})
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
if(CLIENT_FLAGS)
  # A sanitizer build's libraries need the same runtime in the client.
  list(APPEND configure "-DCMAKE_CXX_FLAGS=${CLIENT_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CLIENT_FLAGS}")
endif()
run("configuring the client" ${configure})
run("building the client and the examples" ${CMAKE_COMMAND} --build ${client_build})
run("the client" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${client_build}/vexabutton-client)
message(STATUS "the installed package builds and runs a client and the examples")
