# Unit tests run natively and, built by the Windows configuration, under Wine. The native build
# registers both, so that one CTest run covers the two compilers and C libraries.
include(CTest)

if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The GoogleTest sources are not ours to keep warning-free.
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()
  # GoogleTest's thread-start gate needs std::mutex, which the win32-thread libstdc++ lacks.
  target_include_directories(gtest BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/cmake/gtest-win32)
else()
  find_package(GTest REQUIRED)
endif()

set(WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)
set(WITH_XVFB ${PROJECT_SOURCE_DIR}/scripts/with-xvfb.sh)
# Folders of the two Windows builds' executables, given to the native build by the Makefile.
set(WIN32_BIN_DIR "" CACHE PATH "bin folder of the i686-w64-mingw32 build (the product)")
set(WIN64_BIN_DIR "" CACHE PATH "bin folder of the x86_64-w64-mingw32 build")
set(WINDOWS_TEST_BUILD "" CACHE STRING "Windows build the Wine tests run: win32, win64, or empty for what this machine runs")

# The Windows build that the Wine tests run: WINDOWS_BIN_DIR, under the Wine named by WINE_ARCH.
set(WINDOWS_BIN_DIR "")
if(NOT WIN32 AND WIN32_BIN_DIR AND WIN64_BIN_DIR)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_TEST_BUILD=${WINDOWS_TEST_BUILD}
    ${PROJECT_SOURCE_DIR}/scripts/windows-test-build.sh
    OUTPUT_VARIABLE choice ERROR_VARIABLE why RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${why}")
  endif()
  # Not a list: the sentence holds a semicolon.
  string(FIND "${choice}" "\n" line_end)
  string(SUBSTRING "${choice}" 0 ${line_end} WINE_ARCH)
  math(EXPR line_end "${line_end} + 1")
  string(SUBSTRING "${choice}" ${line_end} -1 WINDOWS_TESTS_SENTENCE)
  string(TOUPPER "${WINE_ARCH}_BIN_DIR" bin_var)
  set(WINDOWS_BIN_DIR ${${bin_var}})
  message(STATUS "${WINDOWS_TESTS_SENTENCE}")
  # Read out by `make test` before the tests start.
  file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.txt "${WINDOWS_TESTS_SENTENCE}\n")
else()
  file(REMOVE ${CMAKE_BINARY_DIR}/windows-tests.txt)
endif()
# One prefix per kind of Wine: a 32-bit prefix cannot serve 64-bit programs, nor the reverse.
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix-${WINE_ARCH})
set(WINE_ENVIRONMENT "WINEPREFIX=${WINE_PREFIX_DIR};WINE_ARCH=${WINE_ARCH}")

# verdant_test_executable(<name> <sources and libraries as SOURCES … LIBS …>)
function(verdant_test_executable name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
endfunction()

# verdant_add_native_test(<name> SOURCES <files…> LIBS <targets…>)
# A unit test of a Linux layer: built and run by the native build only.
function(verdant_add_native_test name)
  if(WIN32)
    return()
  endif()
  verdant_test_executable(${name} ${ARGN})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit TIMEOUT 300)
endfunction()

# verdant_add_unit_test(<name> SOURCES <files…> LIBS <targets…>)
# Built by every configuration; the native build runs it, and the Windows build's under Wine.
function(verdant_add_unit_test name)
  if(WIN32)
    verdant_test_executable(${name} ${ARGN})
    return()
  endif()
  verdant_add_native_test(${name} ${ARGN})
  if(WINDOWS_BIN_DIR)
    verdant_add_wine_test(${name}.exe COMMAND ${WINDOWS_BIN_DIR}/${name}.exe)
  endif()
endfunction()

# Registers <command…> under the Wine prefix fixture, labelled wine (and gui, with a virtual
# screen of its own, when gui is true). Both kinds of Wine test below come through here.
function(verdant_register_wine name gui timeout)
  set(labels wine)
  set(cmd ${ARGN})
  if(gui)
    set(cmd ${WITH_XVFB} ${cmd})
    list(APPEND labels gui)
  endif()
  if(NOT timeout)
    set(timeout 300)
  endif()
  add_test(NAME ${name} COMMAND ${cmd})
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${timeout}
    FIXTURES_REQUIRED wineprefix
    ENVIRONMENT "${WINE_ENVIRONMENT};WINDOWS_BIN_DIR=${WINDOWS_BIN_DIR};WINE_RUN=${WINE_RUN};WITH_XVFB=${WITH_XVFB};ARTIFACT_DIR=${CMAKE_BINARY_DIR}/artifacts")
endfunction()

# verdant_add_wine_test(<name> COMMAND <program and args…> [GUI] [TIMEOUT s])
# Runs a command through the Wine harness (private prefix, no right to set the clock).
function(verdant_add_wine_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "COMMAND" ${ARGN})
  verdant_register_wine(${name} "${T_GUI}" "${T_TIMEOUT}" ${WINE_RUN} ${T_COMMAND})
endfunction()

# verdant_add_wine_script(<name> SCRIPT <file> [ARGS …] [GUI] [TIMEOUT s])
# A shell script that drives Windows programs itself; it gets WINE_RUN, WINDOWS_BIN_DIR,
# WINE_ARCH and WINEPREFIX in its environment and uses the harness for every Windows program it starts.
function(verdant_add_wine_script name)
  cmake_parse_arguments(T "GUI" "SCRIPT;TIMEOUT" "ARGS" ${ARGN})
  verdant_register_wine(${name} "${T_GUI}" "${T_TIMEOUT}" bash ${T_SCRIPT} ${T_ARGS})
endfunction()

if(WINDOWS_BIN_DIR)
  # One prefix for the whole run, made before the first Wine test and its server ended after.
  add_test(NAME wine.prefix.setup COMMAND ${WINE_RUN} --init)
  add_test(NAME wine.prefix.cleanup COMMAND ${WINE_RUN} --shutdown)
  set_tests_properties(wine.prefix.setup PROPERTIES FIXTURES_SETUP wineprefix LABELS wine
    TIMEOUT 600 ENVIRONMENT "${WINE_ENVIRONMENT}")
  set_tests_properties(wine.prefix.cleanup PROPERTIES FIXTURES_CLEANUP wineprefix LABELS wine
    TIMEOUT 120 ENVIRONMENT "${WINE_ENVIRONMENT}")
endif()
