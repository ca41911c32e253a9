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
# Folder of the Windows build's executables, given to the native build by the Makefile.
set(WIN32_BIN_DIR "" CACHE PATH "bin folder of the i686-w64-mingw32 build")
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)

# verdant_add_unit_test(<name> SOURCES <files…> LIBS <targets…>)
function(verdant_add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(NOT WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS unit TIMEOUT 300)
    if(WIN32_BIN_DIR)
      verdant_add_wine_test(${name}.exe COMMAND ${WIN32_BIN_DIR}/${name}.exe)
    endif()
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
    ENVIRONMENT "WINEPREFIX=${WINE_PREFIX_DIR};WIN32_BIN_DIR=${WIN32_BIN_DIR};WINE_RUN=${WINE_RUN};WITH_XVFB=${WITH_XVFB};ARTIFACT_DIR=${CMAKE_BINARY_DIR}/artifacts")
endfunction()

# verdant_add_wine_test(<name> COMMAND <program and args…> [GUI] [TIMEOUT s])
# Runs a command through the Wine harness (private prefix, no right to set the clock).
function(verdant_add_wine_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "COMMAND" ${ARGN})
  verdant_register_wine(${name} "${T_GUI}" "${T_TIMEOUT}" ${WINE_RUN} ${T_COMMAND})
endfunction()

# verdant_add_wine_script(<name> SCRIPT <file> [ARGS …] [GUI] [TIMEOUT s])
# A shell script that drives Windows programs itself; it gets WINE_RUN, WIN32_BIN_DIR and
# WINEPREFIX in its environment and uses the harness for every Windows program it starts.
function(verdant_add_wine_script name)
  cmake_parse_arguments(T "GUI" "SCRIPT;TIMEOUT" "ARGS" ${ARGN})
  verdant_register_wine(${name} "${T_GUI}" "${T_TIMEOUT}" bash ${T_SCRIPT} ${T_ARGS})
endfunction()

if(NOT WIN32 AND WIN32_BIN_DIR)
  # One prefix for the whole run, made before the first Wine test and its server ended after.
  add_test(NAME wine.prefix.setup COMMAND ${WINE_RUN} --init)
  add_test(NAME wine.prefix.cleanup COMMAND ${WINE_RUN} --shutdown)
  set_tests_properties(wine.prefix.setup PROPERTIES FIXTURES_SETUP wineprefix LABELS wine
    TIMEOUT 600 ENVIRONMENT "WINEPREFIX=${WINE_PREFIX_DIR}")
  set_tests_properties(wine.prefix.cleanup PROPERTIES FIXTURES_CLEANUP wineprefix LABELS wine
    TIMEOUT 120 ENVIRONMENT "WINEPREFIX=${WINE_PREFIX_DIR}")
endif()
