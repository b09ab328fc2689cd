// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMFLOATX86_H
#define ZEL_IBMFLOATX86_H

// Internal: the array conversions of each path, and the SSE2, AVX2 and
// AVX-512 ones. Each converts a whole array of `samples` 4-byte samples,
// tail included, with the results of the scalar path, and works in place
// (`in` equal to `out`). Use a vector path only when IbmPathAvailable says
// this processor runs it.

#include "ibmpaths.h"

#include <cstddef>

namespace zel {

using IbmKernel = void (*)(const char* in, char* out, std::size_t samples);

// IbmToFloat and FloatToIbm, and the same with the IBM words most
// significant byte first.
struct IbmKernels
{
    IbmKernel ibmToFloat;
    IbmKernel floatToIbm;
    IbmKernel bigEndianIbmToFloat;
    IbmKernel floatToBigEndianIbm;
};

#ifdef ZEL_X86_PATHS
extern const IbmKernels sse2Kernels;
extern const IbmKernels avx2Kernels;
extern const IbmKernels avx512Kernels;
#endif

} // namespace zel

#endif // ZEL_IBMFLOATX86_H
