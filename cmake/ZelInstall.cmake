# Install rules of the top-level project: the program, the libraries with
# their public headers, the CMake package ZelVornik (targets Zel::Functions and
# Zel::Frame, found with find_package(ZelVornik)), a pkg-config file for
# zelfunctions, and the desktop integration files under one reverse-DNS id.
# Everything belongs to one of two components: Runtime (what the program
# needs to run) and Development (what another project needs to build on the
# libraries).

include(CMakePackageConfigHelpers)

set(ZEL_APP_ID example.zelmorra.Vornik)
set(ZEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelVornik)

# ---- Program and libraries ---------------------------------------------------

install(TARGETS zel-vornik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

# Libraries built shared are found relative to the program, wherever the
# tree is installed or unpacked.
if(BUILD_SHARED_LIBS)
    file(RELATIVE_PATH libdir_from_bindir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
    set_target_properties(zel-vornik PROPERTIES INSTALL_RPATH "$ORIGIN/${libdir_from_bindir}")
endif()

# Shared builds carry the major version in the library's file name, the
# version whose interface the CMake package promises to keep.
set_target_properties(zelfunctions PROPERTIES EXPORT_NAME Functions
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
set_target_properties(zelframe PROPERTIES EXPORT_NAME Frame
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})

# Each library's public headers (its PUBLIC_HEADER list, export header
# included) get a folder of their own, so the same #include <zelfunctions.h>
# works in the tree and installed; the version header they share lies one
# level up. The About dialog's header includes its generated form and stays
# private.
foreach(library IN ITEMS zelfunctions zelframe)
    install(TARGETS ${library} EXPORT ZelVornikTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
            NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
        PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${library} COMPONENT Development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${library} ${CMAKE_INSTALL_INCLUDEDIR})
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/include/zelversion.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)

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

# ---- Debian packages ---------------------------------------------------------
# cpack -G DEB builds zel-vornik (the program, with the libraries when they
# are built shared) and zel-vornik-dev (headers, static libraries or link
# names, CMake package and pkg-config file), with the program's library
# dependencies computed by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel-vornik)
set(CPACK_PACKAGE_VENDOR "Zelmorra Corp")
set(CPACK_PACKAGE_CONTACT "Zelmorra Corp packaging <packaging@zelmorra.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME zel-vornik)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Desktop frame and conversions for binary seismic data
 ZEL Vornik is a small desktop application for the field encodings of binary
 seismic data exchange formats: IBM System/360 floating point, EBCDIC text,
 packed decimal, 3-byte integers and byte-swapped words.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME zel-vornik-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# The CMake package looks for the Qt it was built with; the program shows
# Qt's own texts (the buttons of message boxes) in the user's language from
# Qt's catalogues.
if(QT_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qtbase5-dev)
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS qttranslations5-l10n)
else()
    set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS qt6-base-dev)
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
if(BUILD_SHARED_LIBS)
    string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
        ", zel-vornik (= ${PROJECT_VERSION})")
endif()
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Development files of the ZEL Vornik libraries
 The application frame (Zel::Frame) and the seismic data conversion library
 (Zel::Functions) with their headers, a CMake package found with
 find_package(ZelVornik) and a pkg-config file for zelfunctions.")

include(CPack)
