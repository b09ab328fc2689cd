# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_add_window_icon(<target> <id> <resource>): the window icon of a program.
# Draws data/<id>.svg as bitmaps at the usual icon sizes (the SVG itself would
# need an image plugin few systems have), lays them out as in the icon theme
# they are also installed to (ZEL_ICON_THEME_DIR, which ZelInstall.cmake
# installs whole), and compiles them into <target> as the resource
# :/icons/<size>.png, which the program loads after Q_INIT_RESOURCE(<resource>).

find_program(ZEL_RSVG_CONVERT rsvg-convert)
if(NOT ZEL_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) draws the programs' icons")
endif()
set(ZEL_ICON_THEME_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(ZEL_ICON_SIZES 16 22 24 32 48 64 128 256)

function(zel_add_window_icon target id resource)
    set(svg ${PROJECT_SOURCE_DIR}/data/${id}.svg)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${resource}.qrc)
    set(qrc_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${resource}.cpp)
    set(pngs "")
    set(entries "")
    foreach(size IN LISTS ZEL_ICON_SIZES)
        set(png_dir ${ZEL_ICON_THEME_DIR}/${size}x${size}/apps)
        add_custom_command(OUTPUT ${png_dir}/${id}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${png_dir}
            COMMAND ${ZEL_RSVG_CONVERT} --width ${size} --height ${size}
                --output ${png_dir}/${id}.png ${svg}
            DEPENDS ${svg} VERBATIM)
        list(APPEND pngs ${png_dir}/${id}.png)
        string(APPEND entries "    <file alias=\"${size}.png\">${png_dir}/${id}.png</file>\n")
    endforeach()
    file(WRITE ${qrc}
        "<RCC>\n  <qresource prefix=\"/icons\">\n${entries}  </qresource>\n</RCC>\n")
    add_custom_command(OUTPUT ${qrc_cpp}
        COMMAND Qt${QT_MAJOR}::rcc --name ${resource} --format-version 1 --output ${qrc_cpp} ${qrc}
        DEPENDS ${qrc} ${pngs} VERBATIM)
    target_sources(${target} PRIVATE ${qrc_cpp})
endfunction()
