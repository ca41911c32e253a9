# Writes the release zip: one folder holding the four programs of each build without their
# symbols (a third of the size), x86/ for 32-bit Windows and x64/ for 64-bit Windows, and
# INSTALL.txt with the line ends Windows editors expect.
#   cmake -DVERSION=… -DBIN_DIR32=… -DBIN_DIR64=… -DZIP_FILE=… -DSTRIP32=… -DSTRIP64=… -DZIP=…
#         -DINSTALL_TEXT=… -P make_zip.cmake
get_filename_component(out_dir ${ZIP_FILE} DIRECTORY)
set(folder verdant-suite-${VERSION})
set(stage ${out_dir}/${folder})
file(REMOVE_RECURSE ${stage})
file(REMOVE ${ZIP_FILE})
function(stage_build subfolder bin_dir strip)
  file(MAKE_DIRECTORY ${stage}/${subfolder})
  foreach(program verdant.scr beaconry.exe horolan.exe dockhand.exe)
    if(NOT EXISTS ${bin_dir}/${program})
      message(FATAL_ERROR "${bin_dir}/${program} is missing: build both Windows builds first")
    endif()
    execute_process(COMMAND ${strip} -o ${stage}/${subfolder}/${program} ${bin_dir}/${program}
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endfunction()
stage_build(x86 ${BIN_DIR32} ${STRIP32})
stage_build(x64 ${BIN_DIR64} ${STRIP64})
configure_file(${INSTALL_TEXT} ${stage}/INSTALL.txt @ONLY NEWLINE_STYLE CRLF)
execute_process(COMMAND ${ZIP} -q -r -X ${ZIP_FILE} ${folder} WORKING_DIRECTORY ${out_dir}
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage})
