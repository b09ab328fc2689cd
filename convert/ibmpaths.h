#ifndef ZEL_IBMPATHS_H
#define ZEL_IBMPATHS_H

// Internal: the instruction-set paths behind IbmToFloat, FloatToIbm and
// ByteSwapArray, and a way to run a chosen one. Every path gives the same
// results bit for bit; tests and benchmarks use this to check and measure
// each of them. Not part of the library's public interface.

#include <vector>

// Defined when the SSE2 and AVX2 paths are compiled in.
#if defined(__x86_64__) || defined(__i386__)
#define ZEL_X86_PATHS 1
#endif

namespace zel {

enum class IbmPath { Scalar, Sse2, Avx2 };

// Every path, slowest first.
constexpr IbmPath allIbmPaths[] = {IbmPath::Scalar, IbmPath::Sse2, IbmPath::Avx2};

// True when the path is compiled into the library and this processor can
// run it. The scalar path is always available.
bool IbmPathAvailable(IbmPath path);

// The paths of allIbmPaths that are available, in that order.
std::vector<IbmPath> AvailableIbmPaths();

// The path IbmToFloat, FloatToIbm and ByteSwapArray use on this processor:
// the fastest available one, chosen on first use.
IbmPath IbmPathInUse();

// "scalar", "sse2" or "avx2".
const char* IbmPathName(IbmPath path);

// IbmToFloat, FloatToIbm and ByteSwapArray on the given path. A path that
// is not available here runs the scalar path instead.
void IbmToFloatOn(IbmPath path, const char* inData, float* outData, int samples);
void FloatToIbmOn(IbmPath path, const float* inData, char* outData, int samples);
void ByteSwapArrayOn(IbmPath path, unsigned char* x, int wordSize, int words);

} // namespace zel

#endif // ZEL_IBMPATHS_H
