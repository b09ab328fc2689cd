// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMFLOATX86_H
#define ZEL_IBMFLOATX86_H

// Internal: the array kernels of each path, and the SSE2, AVX2 and AVX-512
// ones. Each converts a whole array of `units` samples or words, tail
// included, with the results of the scalar path, and works in place (`in`
// equal to `out`). Use a vector path only when IbmPathAvailable says this
// processor runs it.

#include "ibmpaths.h"

#include <cstddef>

namespace zel {

using IbmKernel = void (*)(const char* in, char* out, std::size_t units);

// One conversion in every combination of byte orders: by whether its input
// words, then its output words, are most significant byte first. Floats in
// host order are little-endian ones on x86.
struct OrderedKernels
{
    IbmKernel byOrder[2][2];

    IbmKernel From(bool inBig, bool outBig) const { return byOrder[inBig][outBig]; }
};

// IBM to IEEE, IEEE to IBM truncated and rounded, and ByteSwapArray for
// words of 2, 4 and 8 bytes.
struct IbmKernels
{
    OrderedKernels ibmToIeee;
    OrderedKernels ieeeToIbm;
    OrderedKernels ieeeToIbmRounded;
    IbmKernel reverseWords[3];
};

extern const IbmKernels scalarKernels;

#ifdef ZEL_X86_PATHS
extern const IbmKernels sse2Kernels;
extern const IbmKernels avx2Kernels;
extern const IbmKernels avx512Kernels;
#endif

// The kernels of `path`, or the scalar ones when this processor cannot run it.
const IbmKernels& KernelsOn(IbmPath path);

// The kernels of IbmPathInUse(), looked up once.
const IbmKernels& KernelsInUse();

} // namespace zel

#endif // ZEL_IBMFLOATX86_H
