# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# zel_install_program(<target>): installs the program <target> with the
# Runtime component. Libraries built shared are found relative to the
# program, wherever the tree is installed or unpacked. A project that takes
# this one in as a subdirectory installs nothing of it.
function(zel_install_program target)
    if(NOT ZEL_TOP_LEVEL)
        return()
    endif()
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
    if(BUILD_SHARED_LIBS)
        file(RELATIVE_PATH libdir_from_bindir
            ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${libdir_from_bindir}")
    endif()
endfunction()
