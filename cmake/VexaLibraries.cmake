# SPDX-License-Identifier: MIT
# How the two libraries are built. Each source is compiled once, as
# position-independent code with hidden symbols, into an object library. Those
# objects make
#   - the installed shared library vexabutton (both layers), which exports
#     only what the two export macros mark: the public API;
#   - the static libraries platform_internal and vexabutton_internal, which
#     this tree's program, tests, tools, benchmarks, fuzz harnesses and the
#     style plugin link to reach the renderers, the record and the services.
# A process therefore holds one copy of the process-wide state (system
# colours, window handles, the control's own tables): a program of this tree
# the static ones, a program of a user and the Designer plugin it loads the
# shared one.
include(GenerateExportHeader)

set(VEXA_EXPORT_DIR ${PROJECT_BINARY_DIR}/exports)
# Installed headers go under include/VexaButton, included as
# <VexaButton/vexabutton.h>.
set(VEXA_INCLUDE_INSTALL_DIR ${CMAKE_INSTALL_INCLUDEDIR}/VexaButton)

# vexa_library_objects(TARGET BASE_NAME EXPORT_FILE): the compile settings of
# a library's object library and its export header.
function(vexa_library_objects target base_name export_file)
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    DEFINE_SYMBOL ${base_name}_BUILDING)
  generate_export_header(${target} BASE_NAME ${base_name}
    EXPORT_FILE_NAME ${VEXA_EXPORT_DIR}/${export_file})
  target_compile_definitions(${target} PRIVATE ${base_name}_BUILDING)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${VEXA_EXPORT_DIR})
  target_compile_features(${target} PUBLIC cxx_std_20)
  # Calls inside the shared library stay direct, as in a static build.
  target_compile_options(${target} PRIVATE -fno-semantic-interposition)
endfunction()

# vexa_library_interface(TARGET): what a user of a library built from those
# objects needs: its headers (in this tree and installed) and the C++
# standard they are written in.
function(vexa_library_interface target)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${VEXA_EXPORT_DIR}>
    $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()
