# The saver's command line, the native saver's arguments and verdant-render's options: pure
# parsers, compiled in directly.
verdant_add_fuzzer(saver_args_fuzz)
target_sources(saver_args_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/saver/framework/command_line.cpp
  ${PROJECT_SOURCE_DIR}/saver/framework/native_options.cpp
  ${PROJECT_SOURCE_DIR}/tools/render_options.cpp)
target_include_directories(saver_args_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
