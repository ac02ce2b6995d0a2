# GoogleTest programs for Windows, run by CTest under Wine.
#
#   marlowin_add_win_test(NAME <name> SOURCES <files...> [LIBS <libs...>] [TIMEOUT <seconds>])
#     A test program linked with gtest_main and gmock; each TEST/TEST_F/TEST_P found in SOURCES
#     becomes one CTest test named <name>.<Suite>.<Test>.
#   marlowin_add_win_program(NAME <name> SOURCES <files...> [LIBS <libs...>])
#     A console helper program that the tests start; it lands beside them.
#
# All Wine tests share one display and one Wine prefix (build/windows/wine): a fixture creates
# them before the first test, and ends the wineserver and the display after the last one.
include_guard(GLOBAL)
include(GoogleTest)

set(MARLOWIN_GOOGLETEST_SOURCE_DIR /usr/src/googletest
  CACHE PATH "GoogleTest sources, built here with the cross compiler")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${MARLOWIN_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest
  EXCLUDE_FROM_ALL SYSTEM)

# Test programs and their helpers in one folder, so a test finds a helper beside itself.
set(MARLOWIN_WIN_TEST_DIR ${CMAKE_BINARY_DIR}/tests/win/bin)
set(MARLOWIN_WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
set(MARLOWIN_WINE_ENV bash ${PROJECT_SOURCE_DIR}/scripts/wine-env.sh ${MARLOWIN_WINE_STATE_DIR})

add_test(NAME wine.start COMMAND ${MARLOWIN_WINE_ENV} start)
add_test(NAME wine.stop COMMAND ${MARLOWIN_WINE_ENV} stop)
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP marlowin_wine TIMEOUT 300)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP marlowin_wine TIMEOUT 60)

function(marlowin_add_win_program)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "SOURCES;LIBS")
  if(NOT arg_NAME OR NOT arg_SOURCES)
    message(FATAL_ERROR "marlowin_add_win_program needs NAME and SOURCES")
  endif()
  add_executable(${arg_NAME} ${arg_SOURCES})
  target_link_libraries(${arg_NAME} PRIVATE ${arg_LIBS})
  set_target_properties(${arg_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${MARLOWIN_WIN_TEST_DIR}
    CROSSCOMPILING_EMULATOR "${MARLOWIN_WINE_ENV};run")
endfunction()

function(marlowin_add_win_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;TIMEOUT" "SOURCES;LIBS")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  marlowin_add_win_program(NAME ${arg_NAME} SOURCES ${arg_SOURCES}
    LIBS ${arg_LIBS} GTest::gtest_main GTest::gmock)
  # Read from the sources at configure time: listing the cases would need Wine before the
  # fixture has made the prefix. CMake reconfigures when a listed source changes.
  gtest_add_tests(TARGET ${arg_NAME}
    SOURCES ${arg_SOURCES}
    TEST_PREFIX ${arg_NAME}.
    WORKING_DIRECTORY ${MARLOWIN_WIN_TEST_DIR}
    TEST_LIST cases)
  if(NOT cases)
    message(FATAL_ERROR "${arg_NAME}: no TEST, TEST_F or TEST_P found in its sources")
  endif()
  # One display for all: windows of two programs would fight for focus and the foreground.
  set_tests_properties(${cases} PROPERTIES
    FIXTURES_REQUIRED marlowin_wine
    RESOURCE_LOCK marlowin_wine_display
    TIMEOUT ${arg_TIMEOUT})
endfunction()
