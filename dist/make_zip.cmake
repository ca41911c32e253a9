# Writes the release zip: one folder holding the four programs without their symbols (a third of
# the size) and INSTALL.txt with the line ends Windows editors expect.
#   cmake -DVERSION=… -DBIN_DIR=… -DZIP_FILE=… -DSTRIP=… -DZIP=… -DINSTALL_TEXT=… -P make_zip.cmake
get_filename_component(out_dir ${ZIP_FILE} DIRECTORY)
set(folder verdant-suite-${VERSION})
set(stage ${out_dir}/${folder})
file(REMOVE_RECURSE ${stage})
file(REMOVE ${ZIP_FILE})
file(MAKE_DIRECTORY ${stage})
foreach(program verdant.scr beaconry.exe horolan.exe dockhand.exe)
  execute_process(COMMAND ${STRIP} -o ${stage}/${program} ${BIN_DIR}/${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
configure_file(${INSTALL_TEXT} ${stage}/INSTALL.txt @ONLY NEWLINE_STYLE CRLF)
execute_process(COMMAND ${ZIP} -q -r -X ${ZIP_FILE} ${folder} WORKING_DIRECTORY ${out_dir}
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage})
