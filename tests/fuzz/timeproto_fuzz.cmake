if(NOT TARGET timeproto)
  add_subdirectory(${PROJECT_SOURCE_DIR}/timeproto ${CMAKE_BINARY_DIR}/timeproto)
endif()
verdant_add_fuzzer(timeproto_fuzz LIBS timeproto)
