# Install rules of the top-level project: the libraries with their public
# headers, the CMake package ZelVornik (targets Zel::Functions and
# Zel::Frame, found with find_package(ZelVornik)), a pkg-config file for
# zelfunctions, and the desktop integration files under one reverse-DNS id.
# Everything belongs to one of two components: Runtime (what the program
# needs to run) and Development (what another project needs to build on the
# libraries).

include(CMakePackageConfigHelpers)

set(ZEL_APP_ID example.zelmorra.Vornik)
set(ZEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelVornik)

# ---- Libraries ---------------------------------------------------------------

set_target_properties(zelfunctions PROPERTIES EXPORT_NAME Functions)

# Each library's headers get a folder of their own, so the same
# #include <zelfunctions.h> works in the tree and installed.
function(zel_install_library target header_dir)
    install(TARGETS ${target} EXPORT ZelVornikTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
            NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${header_dir})
    install(FILES ${ARGN}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${header_dir} COMPONENT Development)
endfunction()

zel_install_library(zelfunctions zelfunctions ${PROJECT_SOURCE_DIR}/convert/zelfunctions.h)

# ---- CMake package and pkg-config file ---------------------------------------

install(EXPORT ZelVornikTargets NAMESPACE Zel::
    DESTINATION ${ZEL_PACKAGE_DIR} COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ZelVornikConfig.cmake.in
    ${PROJECT_BINARY_DIR}/ZelVornikConfig.cmake
    INSTALL_DESTINATION ${ZEL_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/ZelVornikConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/ZelVornikConfig.cmake
    ${PROJECT_BINARY_DIR}/ZelVornikConfigVersion.cmake
    DESTINATION ${ZEL_PACKAGE_DIR} COMPONENT Development)

# The .pc file finds its prefix from its own place, so it stays right in a
# staged or unpacked tree.
file(RELATIVE_PATH ZEL_PC_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" ZEL_PC_PREFIX "\${pcfiledir}/${ZEL_PC_PREFIX}")
file(RELATIVE_PATH ZEL_PC_LIBDIR ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH ZEL_PC_INCLUDEDIR ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_INCLUDEDIR})
configure_file(${PROJECT_SOURCE_DIR}/cmake/zelfunctions.pc.in
    ${PROJECT_BINARY_DIR}/zelfunctions.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zelfunctions.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

# ---- Desktop integration -----------------------------------------------------

configure_file(${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${ZEL_APP_ID}.metainfo.xml @ONLY)

install(FILES ${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${PROJECT_BINARY_DIR}/data/${ZEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZEL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
