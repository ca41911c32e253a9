# Compiler settings shared by every target of both builds.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# The saver's pictures depend on exact IEEE double results, identical on both builds.
add_compile_options(-Wall -Wextra -Werror -ffp-contract=off)
if(WIN32)
  add_compile_options(-msse2 -mfpmath=sse)
  # Nothing beside the system DLLs: the programs are copied alone onto a machine.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
endif()
