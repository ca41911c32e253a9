if(NOT TARGET mailslotwire)
  add_subdirectory(${PROJECT_SOURCE_DIR}/mailslotwire ${CMAKE_BINARY_DIR}/mailslotwire)
endif()
verdant_add_fuzzer(mailslotwire_fuzz LIBS mailslotwire)
