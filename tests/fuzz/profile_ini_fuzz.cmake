if(NOT TARGET saver_profile_ini)
  add_subdirectory(${PROJECT_SOURCE_DIR}/saver/animation/ini ${CMAKE_BINARY_DIR}/saver_profile_ini)
endif()
verdant_add_fuzzer(profile_ini_fuzz LIBS saver_profile_ini)
