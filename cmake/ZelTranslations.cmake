# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_add_translations(<target> <catalogue>)
#
# Compiles translations/<catalogue>_<language>.ts into .qm files at build
# time and embeds them in <target> as the resource <catalogue>_translations,
# under :/i18n, where ZelApp::InstallTranslation looks for them (a static
# library's user pulls them in with Q_INIT_RESOURCE). The resource is
# written without file times, so rebuilds give the same bytes.
#
# With Qt 6 the build also has the target update_translations, which runs
# lupdate over the sources, forms and headers of the calling directory and
# brings the .ts files up to date; Qt 5 builds only compile them.
function(zel_add_translations target catalogue)
    file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/${catalogue}_*.ts)
    set(rcc_options OPTIONS --format-version 1)
    if(QT_MAJOR EQUAL 5)
        qt5_add_translation(qm_files ${ts_files})
    else()
        file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h *.ui)
        qt6_add_lupdate(${target} TS_FILES ${ts_files} SOURCES ${sources} OPTIONS -no-obsolete -locations none)
        qt6_add_lrelease(${target} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files)
    endif()

    set(entries "")
    foreach(qm IN LISTS qm_files)
        get_filename_component(name ${qm} NAME)
        string(APPEND entries "        <file alias=\"${name}\">${qm}</file>\n")
    endforeach()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${catalogue}_translations.qrc)
    file(CONFIGURE OUTPUT ${qrc} CONTENT
        "<RCC>\n    <qresource prefix=\"/i18n\">\n${entries}    </qresource>\n</RCC>\n")
    if(QT_MAJOR EQUAL 5)
        qt5_add_resources(compiled_resource ${qrc} ${rcc_options})
    else()
        qt6_add_resources(compiled_resource ${qrc} ${rcc_options})
    endif()
    target_sources(${target} PRIVATE ${compiled_resource})
endfunction()
