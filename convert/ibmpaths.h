// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMPATHS_H
#define ZEL_IBMPATHS_H

// Internal: the instruction-set paths behind the IBM conversions and
// ByteSwapArray, and a way to run a chosen one. Every path
// gives the same results bit for bit; tests and benchmarks use this to check
// and measure each of them. Not part of the library's public interface.

#include <vector>

// Defined when the SSE2, AVX2 and AVX-512 paths are compiled in.
#if defined(__x86_64__) || defined(__i386__)
#define ZEL_X86_PATHS 1
#endif

namespace zel {

enum class IbmPath { Scalar, Sse2, Avx2, Avx512 };

// Every path, slowest first. The AVX-512 path needs AVX-512 F and BW.
constexpr IbmPath allIbmPaths[] = {IbmPath::Scalar, IbmPath::Sse2, IbmPath::Avx2, IbmPath::Avx512};

// True when the path is compiled into the library and this processor can
// run it. The scalar path is always available.
bool IbmPathAvailable(IbmPath path);

// The paths of allIbmPaths that are available, in that order.
std::vector<IbmPath> AvailableIbmPaths();

// The path the public functions use on this processor, chosen on first use:
// the fastest available one, or the one the environment variable ZEL_SIMD
// names ("scalar", "sse2", "avx2" or "avx512") when it is set, for tests and
// measurements. A named path this processor cannot run gives the fastest
// available one below it; an unknown name is ignored.
IbmPath IbmPathInUse();

// "scalar", "sse2", "avx2" or "avx512".
const char* IbmPathName(IbmPath path);

// The IBM conversions, each in every combination of byte orders.
enum class IbmConversion { IbmToIeee, IeeeToIbm, IeeeToIbmRounded };

// `conversion` of `samples` words at `inData` to `outData` on the given
// path, whatever ZEL_SIMD says, reading the input words most significant
// byte first when `inBig` and writing the output words so when `outBig`;
// the public functions are each one of these on the path in use. A path
// that is not available here runs the scalar path instead.
void ConvertIbmOn(IbmPath path, IbmConversion conversion, bool inBig, bool outBig,
                  const char* inData, char* outData, int samples);

// ByteSwapArray on the given path.
void ByteSwapArrayOn(IbmPath path, unsigned char* x, int wordSize, int words);

} // namespace zel

#endif // ZEL_IBMPATHS_H
