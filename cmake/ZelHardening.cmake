# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Hardened builds with GCC and clang on ELF systems, as distributions build
# their packages: stack protector, full RELRO with immediate binding (-z now),
# checked string and memory functions (_FORTIFY_SOURCE, which needs an
# optimised build and gets in the way of the sanitizers' own checks), and no
# build tree paths in the compiled code. Programs are position-independent as
# the toolchain builds them (Debian's by default; Qt wants -fPIC anyway).
# Added to the including directory's options, like the sanitizers' flags.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" OR APPLE OR WIN32)
    return()
endif()

# Neither the source nor the build directory is recorded in the objects (the
# build directory's map comes last, so it wins when it lies in the source
# tree): the programs' build ids, computed before stripping, then do not
# depend on where the tree was built.
add_compile_options(-fstack-protector-strong "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
    "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
add_link_options(-Wl,-z,relro,-z,now)
if(NOT zel_sanitizers AND NOT ZEL_FUZZ)
    set(optimised $<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>)
    add_compile_options($<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
endif()
