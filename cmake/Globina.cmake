# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the subsystem, test, tool and benchmark folders.

# globina_library(name SOURCES ... LIBS ...): a static library of one subsystem.
function(globina_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# globina_test(name SOURCES ... LIBS ... [LOCK resource]): a GoogleTest binary
# (QtTest may be used inside it too) run by CTest headless. The shared main
# creates the QApplication. Tests of one LOCK never run at the same time.
function(globina_test name)
  cmake_parse_arguments(ARG "" "LOCK" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE globina_testmain ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "/usr/bin/env;QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
  add_dependencies(${name} globina_assets)
  # The lock goes first: the discovered tests' properties are a flat list, in
  # which the environment's two entries are split apart.
  set(lock)
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${GLOBINA_BIN_DIR}
    PROPERTIES ${lock} ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endfunction()

# Shipped data files are copied beside the executable.
function(globina_copy_assets)
  file(GLOB_RECURSE assets CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/assets
       ${CMAKE_SOURCE_DIR}/assets/*)
  set(outputs)
  foreach(a ${assets})
    add_custom_command(OUTPUT ${GLOBINA_BIN_DIR}/${a}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different
              ${CMAKE_SOURCE_DIR}/assets/${a} ${GLOBINA_BIN_DIR}/${a}
      DEPENDS ${CMAKE_SOURCE_DIR}/assets/${a} VERBATIM)
    list(APPEND outputs ${GLOBINA_BIN_DIR}/${a})
  endforeach()
  add_custom_target(globina_assets ALL DEPENDS ${outputs})
endfunction()
