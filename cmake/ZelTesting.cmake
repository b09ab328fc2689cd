# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_add_test(<name> SOURCES <file>... [LIBRARIES <lib>...] [LABELS <label>...]
#              [ENVIRONMENT <VAR=value>...] [TIMEOUT <seconds>])
#
# Builds one QtTest program and registers it with CTest. Every test runs
# headless on the offscreen platform and with configuration and data
# directories of its own under the build tree, so no test ever reads or
# writes the user's real settings, logs or files. A TIMEOUT is CTest's bound
# and QtTest's watchdog both: the watchdog (QTEST_FUNCTION_TIMEOUT, 300 s by
# default) counts the whole run in Qt 6.4, so a long test on a busy machine
# would be aborted before CTest's bound is reached.
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
    set(data_home ${CMAKE_BINARY_DIR}/test-data/${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_home};XDG_DATA_HOME=${data_home};${ARG_ENVIRONMENT}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    if(ARG_TIMEOUT)
        math(EXPR watchdog_ms "${ARG_TIMEOUT} * 1000")
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT QTEST_FUNCTION_TIMEOUT=${watchdog_ms})
    endif()
endfunction()
