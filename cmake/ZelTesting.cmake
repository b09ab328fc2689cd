# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_add_test(<name> SOURCES <file>... [LIBRARIES <lib>...] [LABELS <label>...]
#              [ENVIRONMENT <VAR=value>...] [TIMEOUT <seconds>])
#
# Builds one QtTest program and registers it with CTest. Every test runs
# headless on the offscreen platform and with a configuration directory of
# its own under the build tree, so no test ever reads or writes the user's
# real settings.
function(zel_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBRARIES;LABELS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt::Test ${ARG_LIBRARIES})
    target_compile_definitions(${name} PRIVATE QT_FORCE_ASSERTS)
    set_target_properties(${name} PROPERTIES
        AUTOMOC ON
        AUTOGEN_BUILD_DIR ${CMAKE_BINARY_DIR}/GeneratedFiles/${name})
    add_test(NAME ${name} COMMAND ${name})
    set(config_home ${CMAKE_BINARY_DIR}/test-config/${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_home};${ARG_ENVIRONMENT}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    if(ARG_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    endif()
endfunction()
