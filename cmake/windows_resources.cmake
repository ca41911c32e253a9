# What Windows shows of each program: an application manifest (Vista to 11, as the invoker;
# DPI-aware for the saver), a version resource from project(… VERSION) and the icon the saver's
# engine draws at build time (saver/render).
set(VERDANT_ICO ${CMAKE_BINARY_DIR}/icons/verdant.ico)

# verdant_windows_resources(<target> <file name> <description> [DPI_AWARE])
function(verdant_windows_resources target file description)
  cmake_parse_arguments(R "DPI_AWARE" "" "" ${ARGN})
  set(PROGRAM_FILE ${file})
  get_filename_component(PROGRAM_NAME ${file} NAME_WE)
  set(PROGRAM_DESCRIPTION ${description})
  set(PROGRAM_DPI_SETTINGS "")
  if(R_DPI_AWARE)
    # System-aware from Vista on, per-monitor (v2) where Windows has it; dialogs keep their
    # templates' layout in dialog units.
    set(PROGRAM_DPI_SETTINGS "
  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">
    <windowsSettings>
      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>
      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, System</dpiAwareness>
    </windowsSettings>
  </application>")
  endif()
  set(PROGRAM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_NAME}.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_NAME}_program.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${PROGRAM_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${PROGRAM_MANIFEST};${VERDANT_ICO}")
  add_dependencies(${target} verdant_windows_icon)
endfunction()
