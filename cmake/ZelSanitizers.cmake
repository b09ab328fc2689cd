# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Sanitizer and fuzzing builds.
#
# ZEL_SANITIZE    list of sanitizers, separated by commas or semicolons:
#                 address, undefined, thread, leak. Empty builds without.
# ZEL_FUZZ        also instruments the code for libFuzzer (clang only) and
#                 turns the targets in fuzz/ into fuzzers instead of corpus
#                 replay programs.
#
# The flags are added to the compile and link options of the directory that
# includes this module, so they reach every target the project defines and
# nothing else: the global CMAKE_<LANG>_FLAGS stay as the user set them.

set(ZEL_SANITIZE "" CACHE STRING
    "Sanitizers to build with: address, undefined, thread, leak (comma-separated); empty for none")
option(ZEL_FUZZ "Build the fuzz targets as libFuzzer fuzzers (needs clang)" OFF)

string(REPLACE "," ";" zel_sanitizers "${ZEL_SANITIZE}")
list(TRANSFORM zel_sanitizers STRIP)
list(REMOVE_ITEM zel_sanitizers "")
list(REMOVE_DUPLICATES zel_sanitizers)

foreach(sanitizer IN LISTS zel_sanitizers)
    if(NOT sanitizer MATCHES "^(address|undefined|thread|leak)$")
        message(FATAL_ERROR "ZEL_SANITIZE: unknown sanitizer '${sanitizer}' "
                            "(known: address, undefined, thread, leak)")
    endif()
endforeach()
if("thread" IN_LIST zel_sanitizers AND
   ("address" IN_LIST zel_sanitizers OR "leak" IN_LIST zel_sanitizers))
    message(FATAL_ERROR "ZEL_SANITIZE: thread cannot be combined with address or leak")
endif()
if(ZEL_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZEL_FUZZ needs clang (libFuzzer); configure with CXX=clang++")
endif()

if(zel_sanitizers)
    list(JOIN zel_sanitizers "," zel_sanitizer_list)
    message(STATUS "Sanitizers: ${zel_sanitizer_list}")
    add_compile_options(-fsanitize=${zel_sanitizer_list} -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${zel_sanitizer_list})
    if("undefined" IN_LIST zel_sanitizers)
        # Every finding ends the program, so no test can pass over one.
        add_compile_options(-fno-sanitize-recover=all)
        add_link_options(-fno-sanitize-recover=all)
    endif()
endif()

if(ZEL_FUZZ)
    # Coverage feedback for every target of the project; only the fuzzers
    # themselves link the libFuzzer driver (fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
