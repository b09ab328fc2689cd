#ifndef ZEL_IBMFLOATX86_H
#define ZEL_IBMFLOATX86_H

// Internal: the SSE2 and AVX2 paths of IbmToFloat and FloatToIbm. Each
// converts a whole array of `samples` 4-byte samples, tail included, with
// the results of the scalar path, and works in place (`in` equal to `out`).
// Call one only when IbmPathAvailable says this processor runs it.

#include "ibmpaths.h"

#ifdef ZEL_X86_PATHS

#include <cstddef>

namespace zel {

void IbmToFloatSse2(const char* in, char* out, std::size_t samples);
void IbmToFloatAvx2(const char* in, char* out, std::size_t samples);
void FloatToIbmSse2(const char* in, char* out, std::size_t samples);
void FloatToIbmAvx2(const char* in, char* out, std::size_t samples);

} // namespace zel

#endif

#endif // ZEL_IBMFLOATX86_H
