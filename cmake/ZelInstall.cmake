# Install rules of the top-level project: the program and its desktop
# integration files under one reverse-DNS id.

set(ZEL_APP_ID example.zelmorra.Vornik)

configure_file(${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${ZEL_APP_ID}.metainfo.xml @ONLY)

install(FILES ${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${PROJECT_BINARY_DIR}/data/${ZEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
