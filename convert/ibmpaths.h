#ifndef ZEL_IBMPATHS_H
#define ZEL_IBMPATHS_H

// Internal: the instruction-set paths behind IbmToFloat and FloatToIbm, and
// a way to run a chosen one. Every path gives the same
// result bit for bit; tests and benchmarks use this to check and measure
// each of them. Not part of the library's public interface.

#include <vector>

namespace zel {

enum class IbmPath { Scalar, Sse2, Avx2 };

constexpr IbmPath allIbmPaths[] = {IbmPath::Scalar, IbmPath::Sse2, IbmPath::Avx2};

// True when the path is compiled into the library and this processor can
// run it. The scalar path is always available.
bool IbmPathAvailable(IbmPath path);

// The paths of allIbmPaths that are available, in that order.
std::vector<IbmPath> AvailableIbmPaths();

// The path IbmToFloat and FloatToIbm use on this processor:
// the fastest available one, chosen once.
IbmPath IbmPathInUse();

// "scalar", "sse2" or "avx2".
const char* IbmPathName(IbmPath path);

// IbmToFloat and FloatToIbm on the given path. A path that is
// not available here runs the scalar path instead.
void IbmToFloatOn(IbmPath path, const char* inData, float* outData, int samples);
void FloatToIbmOn(IbmPath path, const float* inData, char* outData, int samples);

} // namespace zel

#endif // ZEL_IBMPATHS_H
