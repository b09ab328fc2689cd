# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Install rules of the top-level project (the programs install themselves
# through zel_install_program): the libraries with
# their public headers, the CMake package ZelVornik (targets Zel::Functions,
# Zel::Segy and Zel::Frame, found with find_package(ZelVornik)), a pkg-config file for
# zelfunctions, and the desktop integration files of the two desktop programs,
# each under its own reverse-DNS id.
# Everything belongs to one of two components: Runtime (what the program
# needs to run) and Development (what another project needs to build on the
# libraries).

include(CMakePackageConfigHelpers)
include(ZelChangelog)

set(ZEL_APP_ID example.zelmorra.Vornik)
set(ZEL_VIEW_ID example.zelmorra.VornikView)
set(CPACK_PACKAGE_CONTACT "Zelmorra Corp packaging <packaging@zelmorra.example>")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME zel-vornik)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME zel-vornik-dev)
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-zelsegy)
set(ZEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelVornik)

# ---- Libraries -------------------------------------------------------------

# Shared builds carry the major version in the library's file name, the
# version whose interface the CMake package promises to keep.
set_target_properties(zelfunctions PROPERTIES EXPORT_NAME Functions
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
set_target_properties(zelframe PROPERTIES EXPORT_NAME Frame
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
set_target_properties(zelsegy PROPERTIES EXPORT_NAME Segy
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})

# Each library's public headers (its PUBLIC_HEADER list, export header
# included) get a folder of their own, so the same #include <zelfunctions.h>
# works in the tree and installed; the version header they share lies one
# level up. The About dialog's header includes its generated form and stays
# private.
foreach(library IN ITEMS zelfunctions zelsegy zelframe)
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

# A stripping install (cpack, cmake --install --strip) takes the debug
# sections, which hold the build tree's paths, out of static libraries too,
# as Debian's tools do; programs and shared libraries it strips itself.
if(NOT BUILD_SHARED_LIBS)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(library $<TARGET_FILE_NAME:zelfunctions> $<TARGET_FILE_NAME:zelsegy>
                    $<TARGET_FILE_NAME:zelframe>)
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --remove-section=.comment
                        --enable-deterministic-archives
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/\${library}\"
                    RESULT_VARIABLE failed)
                if(failed)
                    message(FATAL_ERROR \"cannot strip \${library}\")
                endif()
            endforeach()
        endif()" COMPONENT Development)
endif()

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

zel_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME}
    "${CPACK_PACKAGE_CONTACT}")
# zel-vornik and zel-view each have a desktop entry, metainfo and a scalable
# icon; the viewer also brings the MIME types of the files it opens.
foreach(id IN ITEMS ${ZEL_APP_ID} ${ZEL_VIEW_ID})
    configure_file(${PROJECT_SOURCE_DIR}/data/${id}.metainfo.xml.in
        ${PROJECT_BINARY_DIR}/data/${id}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_SOURCE_DIR}/data/${id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
    install(FILES ${PROJECT_BINARY_DIR}/data/${id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
    install(FILES ${PROJECT_SOURCE_DIR}/data/${id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZEL_VIEW_ID}.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT Runtime)
# The bitmaps that zel_add_window_icon draws from the SVGs for the window icons.
install(DIRECTORY ${ZEL_ICON_THEME_DIR}/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT Runtime)

# ---- Manual page, licence and changelog --------------------------------------
# Compressed with gzip -n, which leaves out the file's name and time, so that
# the bytes depend on the text alone.

find_program(ZEL_GZIP gzip)
if(NOT ZEL_GZIP)
    message(FATAL_ERROR "gzip is needed to compress the manual page and the changelog")
endif()
# Every page in man/ is installed, with the program it describes.
file(GLOB man_pages RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/man/*.1)
set(compressed_docs "")
foreach(document ${man_pages} debian/changelog)
    if(document MATCHES "^man/")
        configure_file(${PROJECT_SOURCE_DIR}/${document} ${PROJECT_BINARY_DIR}/${document} COPYONLY)
        install(FILES ${PROJECT_BINARY_DIR}/${document}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
    endif()
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${document}.gz
        COMMAND ${ZEL_GZIP} -9nkf ${PROJECT_BINARY_DIR}/${document}
        DEPENDS ${PROJECT_BINARY_DIR}/${document} VERBATIM)
    list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/${document}.gz)
endforeach()
add_custom_target(zel-compressed-docs ALL DEPENDS ${compressed_docs})

# The Debian copyright file in machine-readable form, with the licence text
# taken from LICENSE: the MIT licence, which Debian calls Expat.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" matched "${licence}")
set(copyright_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*\n(Permission )" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
file(WRITE ${PROJECT_BINARY_DIR}/debian/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME}
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}
Source: ${PROJECT_HOMEPAGE_URL}

Files: *
Copyright: ${copyright_holder}
License: Expat
 ${licence}
")

# Every package carries both files. The packages are native (the project
# packages itself), so the Debian changelog is named changelog.gz.
set(zel_components Runtime Development)
if(ZEL_BUILD_PYTHON)
    list(APPEND zel_components Python)
endif()
foreach(component IN LISTS zel_components)
    string(TOUPPER ${component} package)
    install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${package}_PACKAGE_NAME}
        COMPONENT ${component})
endforeach()
