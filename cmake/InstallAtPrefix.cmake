# Runs inside `cmake --install`: the parts of the install that depend on the prefix.
# Paths below without DESTDIR are where the files will finally be; with it, where they go now.
function(tamoru_final_path out relative)
  if(IS_ABSOLUTE "${relative}")
    set(${out} "${relative}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${relative}" PARENT_SCOPE)
  endif()
endfunction()

tamoru_final_path(program_folder "${TAMORU_PROGRAM_FOLDER}")
tamoru_final_path(bin_folder "${TAMORU_BIN_FOLDER}")
tamoru_final_path(data_folder "${TAMORU_DATA_FOLDER}")

# The default settings, only where the user has none.
set(settings "$ENV{DESTDIR}${program_folder}/TamoruWatch.ini")
if(NOT EXISTS "${settings}" AND NOT IS_SYMLINK "${settings}")
  message(STATUS "Installing: ${settings}")
  file(COPY_FILE "${TAMORU_SOURCE_DIR}/assets/TamoruWatch.ini" "${settings}")
else()
  message(STATUS "Kept: ${settings}")
endif()

# The desktop entry's Exec value: the program's path quoted, with the characters the quoting
# reserves escaped, then escaped once more as a desktop-entry string.
set(exec "${program_folder}/tamoruwatch")
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" exec "${exec}")
set(exec "\"${exec}\"")
string(REPLACE "\\" "\\\\" exec "${exec}")
file(READ "${TAMORU_SOURCE_DIR}/assets/desktop/${TAMORU_APP_ID}.desktop.in" entry)
string(REPLACE "@EXEC@" "${exec}" entry "${entry}")
file(MAKE_DIRECTORY "${TAMORU_STAGING_DIR}")
file(WRITE "${TAMORU_STAGING_DIR}/${TAMORU_APP_ID}.desktop" "${entry}")
# file(INSTALL) adds DESTDIR itself.
file(INSTALL DESTINATION "${data_folder}/applications" TYPE FILE
     FILES "${TAMORU_STAGING_DIR}/${TAMORU_APP_ID}.desktop")

# bin/tamoruwatch: a relative link, so the tree can be moved or staged as a whole.
file(RELATIVE_PATH link_target "${bin_folder}" "${program_folder}/tamoruwatch")
set(link "$ENV{DESTDIR}${bin_folder}/tamoruwatch")
message(STATUS "Installing: ${link} -> ${link_target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bin_folder}")
file(CREATE_LINK "${link_target}" "${link}" SYMBOLIC)
# The manifest lists final paths, without DESTDIR, as CMake does for its own files.
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin_folder}/tamoruwatch")
