# Installs the program with the files a Linux desktop needs to list it: the
# launcher entry, the AppStream metadata and the icon, all named by the
# application id so the window manager and software centres can match them;
# and the manual page.
include(GNUInstallDirs)

set(VEXO_APP_ID net.tobrin.Vexo)
# The metadata and the manual page carry the project's version.
set(desktop_dir ${PROJECT_BINARY_DIR}/desktop)
configure_file(${PROJECT_SOURCE_DIR}/desktop/${VEXO_APP_ID}.metainfo.xml.in
               ${desktop_dir}/${VEXO_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/desktop/vexo.6.in ${desktop_dir}/vexo.6 @ONLY)

install(TARGETS vexo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${VEXO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${VEXO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/vexo.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vexo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VEXO_APP_ID}.svg)
