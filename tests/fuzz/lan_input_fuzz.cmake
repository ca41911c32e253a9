foreach(lib wirebytes mailslotwire)
  if(NOT TARGET ${lib})
    add_subdirectory(${PROJECT_SOURCE_DIR}/${lib} ${CMAKE_BINARY_DIR}/${lib})
  endif()
endforeach()
verdant_add_fuzzer(lan_input_fuzz LIBS mailslotwire)
# Only the pure pieces of lanmailslot: the library also holds the sockets.
target_sources(lan_input_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/lanmailslot/local_names.cpp
  ${PROJECT_SOURCE_DIR}/lanmailslot/mailslot_path.cpp ${PROJECT_SOURCE_DIR}/lanmailslot/delivery.cpp)
