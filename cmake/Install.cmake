# What `cmake --install` places (prefix/share stands for the chosen data folder):
#   share/tamoruwatch/                the program folder: the program, tick.wav and, only when no
#                                     settings file is there yet, the default TamoruWatch.ini
#   bin/tamoruwatch                   a link to the program
#   share/applications/               the desktop entry, its Exec naming the installed program
#   share/icons/hicolor/NxN/apps/     the icon at 16, 32 and 48 pixels
#   share/metainfo/                   the AppStream description
# The settings file is the user's once it exists: it is never replaced and never appears in
# install_manifest.txt, so nothing that removes the listed files removes it.
include(GNUInstallDirs)
set(TAMORU_APP_ID org.tamoruwatch.TamoruWatch)
set(TAMORU_PROGRAM_FOLDER ${CMAKE_INSTALL_DATADIR}/tamoruwatch)

install(TARGETS tamoruwatch RUNTIME DESTINATION ${TAMORU_PROGRAM_FOLDER})
install(FILES assets/tick.wav DESTINATION ${TAMORU_PROGRAM_FOLDER})
foreach(size 16 32 48)
  install(FILES assets/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME tamoruwatch.png)
endforeach()
install(FILES assets/desktop/${TAMORU_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The rest depends on the prefix, which is known only when installing.
install(CODE "
  set(TAMORU_SOURCE_DIR \"${CMAKE_CURRENT_SOURCE_DIR}\")
  set(TAMORU_STAGING_DIR \"${CMAKE_CURRENT_BINARY_DIR}/install-staging\")
  set(TAMORU_APP_ID \"${TAMORU_APP_ID}\")
  set(TAMORU_PROGRAM_FOLDER \"${TAMORU_PROGRAM_FOLDER}\")
  set(TAMORU_BIN_FOLDER \"${CMAKE_INSTALL_BINDIR}\")
  set(TAMORU_DATA_FOLDER \"${CMAKE_INSTALL_DATADIR}\")
  include(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/InstallAtPrefix.cmake\")")
