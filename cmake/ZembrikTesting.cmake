# GoogleTest: the system package natively, the sources in /usr/src/googletest for MinGW.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# zembrik_add_test(NAME SOURCES... [LIBS ...]): a gtest executable registered with ctest.
# Under the Windows presets ctest runs it through the Wine runner (the crosscompiling emulator).
function(zembrik_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main zembrik_warnings)
  if(WIN32)
    zembrik_windows_program(${name})
    # Each Windows test program runs in a Wine prefix of its own (wineprefixes/NAME, made from the
    # template in about a second): its own wineserver, registry and windows, so that tests that
    # start a stand-in taskbar or rewrite the settings key run side by side. A program started
    # under Wine pays a session start anyway, a fresh prefix costs nothing more.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
      "${PROJECT_SOURCE_DIR}/scripts/wine-run;--prefix;${CMAKE_BINARY_DIR}/wineprefixes/${name}")
  endif()
  # Each run leaves a GoogleTest report in test-results/ (scripts/test counts the cases there);
  # the Windows programs see the build tree through Wine's Z: drive.
  set(results ${CMAKE_BINARY_DIR}/test-results/)
  if(WIN32)
    set(results Z:${results})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 --gtest_output=xml:${results})
  # A test program that hangs (a window that never answers, a process that never ends) fails
  # after this long instead of holding the whole run; `ctest --timeout` overrides it.
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
