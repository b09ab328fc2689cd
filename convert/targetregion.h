// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_TARGETREGION_H
#define ZEL_TARGETREGION_H

// Internal: every function defined between ZEL_BEGIN_TARGET("isa") and
// ZEL_END_TARGET is compiled for that instruction set (GCC's and clang's
// target attribute), templates included, so that code written once can be
// compiled for several. Headers are included before a region, never inside:
// their inline functions must not be compiled for an instruction set that
// not every processor has.

#define ZEL_PRAGMA(text) _Pragma(#text)
#if defined(__clang__)
#define ZEL_BEGIN_TARGET(isa)                                                                      \
    ZEL_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define ZEL_END_TARGET _Pragma("clang attribute pop")
#else
#define ZEL_BEGIN_TARGET(isa) _Pragma("GCC push_options") ZEL_PRAGMA(GCC target(isa))
#define ZEL_END_TARGET _Pragma("GCC pop_options")
#endif

#define ZEL_ALWAYS_INLINE __attribute__((always_inline)) inline

#endif // ZEL_TARGETREGION_H
