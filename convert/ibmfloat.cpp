#include "zelfunctions.h"

#include "ibmfloatx86.h"
#include "ibmpaths.h"
#include "ibmscalar.h"

namespace zel {

namespace {

using Kernel = void (*)(const char* in, char* out, std::size_t samples);

struct Kernels
{
    Kernel ibmToFloat;
    Kernel floatToIbm;
};

// The kernels of `path`, or the scalar ones when this processor cannot run it.
Kernels KernelsOn(IbmPath path)
{
    switch (IbmPathAvailable(path) ? path : IbmPath::Scalar) {
#ifdef ZEL_X86_PATHS
    case IbmPath::Avx2:
        return {IbmToFloatAvx2, FloatToIbmAvx2};
    case IbmPath::Sse2:
        return {IbmToFloatSse2, FloatToIbmSse2};
#endif
    default:
        return {IbmToFloatScalar, FloatToIbmScalar};
    }
}

// Number of samples to convert; none for a count below one.
std::size_t SampleCount(int samples)
{
    return samples > 0 ? std::size_t(samples) : 0;
}

} // namespace

void IbmToFloatOn(IbmPath path, const char* inData, float* outData, int samples)
{
    KernelsOn(path).ibmToFloat(inData, reinterpret_cast<char*>(outData), SampleCount(samples));
}

void FloatToIbmOn(IbmPath path, const float* inData, char* outData, int samples)
{
    KernelsOn(path).floatToIbm(reinterpret_cast<const char*>(inData), outData,
                               SampleCount(samples));
}

} // namespace zel

void IbmToFloat(char* inData, float* outData, int samples)
{
    zel::IbmToFloatOn(zel::IbmPathInUse(), inData, outData, samples);
}

void FloatToIbm(float* inData, char* outData, int samples)
{
    zel::FloatToIbmOn(zel::IbmPathInUse(), inData, outData, samples);
}
