// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include "ibmfloatx86.h"
#include "ibmpaths.h"
#include "ibmscalar.h"

namespace zel {

const IbmKernels scalarKernels = {
    IbmToFloatScalar,
    FloatToIbmScalar,
    BigEndianIbmToFloatScalar,
    FloatToBigEndianIbmScalar,
    {ReverseWordsScalar<2>, ReverseWordsScalar<4>, ReverseWordsScalar<8>},
};

const IbmKernels& KernelsOn(IbmPath path)
{
    switch (IbmPathAvailable(path) ? path : IbmPath::Scalar) {
#ifdef ZEL_X86_PATHS
    case IbmPath::Avx512:
        return avx512Kernels;
    case IbmPath::Avx2:
        return avx2Kernels;
    case IbmPath::Sse2:
        return sse2Kernels;
#endif
    default:
        return scalarKernels;
    }
}

const IbmKernels& KernelsInUse()
{
    static const IbmKernels& inUse = KernelsOn(IbmPathInUse());
    return inUse;
}

namespace {

// Number of samples to convert; none for a count below one.
std::size_t SampleCount(int samples)
{
    return samples > 0 ? std::size_t(samples) : 0;
}

// The conversions with `kernels`.
void IbmToFloatWith(const IbmKernels& kernels, const char* inData, float* outData, int samples,
                    int inputByteOrder)
{
    const IbmKernel convert =
        inputByteOrder == 0 ? kernels.bigEndianIbmToFloat : kernels.ibmToFloat;
    convert(inData, reinterpret_cast<char*>(outData), SampleCount(samples));
}

void FloatToIbmWith(const IbmKernels& kernels, const float* inData, char* outData, int samples,
                    int outputByteOrder)
{
    const IbmKernel convert =
        outputByteOrder == 0 ? kernels.floatToBigEndianIbm : kernels.floatToIbm;
    convert(reinterpret_cast<const char*>(inData), outData, SampleCount(samples));
}

// The byte order of IbmToFloat and FloatToIbm: least significant byte first.
constexpr int leastSignificantFirst = 1;

} // namespace

void IbmToFloatOn(IbmPath path, const char* inData, float* outData, int samples)
{
    IbmToFloatWith(KernelsOn(path), inData, outData, samples, leastSignificantFirst);
}

void FloatToIbmOn(IbmPath path, const float* inData, char* outData, int samples)
{
    FloatToIbmWith(KernelsOn(path), inData, outData, samples, leastSignificantFirst);
}

void IbmToFloatOrderedOn(IbmPath path, const char* inData, float* outData, int samples,
                         int inputByteOrder)
{
    IbmToFloatWith(KernelsOn(path), inData, outData, samples, inputByteOrder);
}

void FloatToIbmOrderedOn(IbmPath path, const float* inData, char* outData, int samples,
                         int outputByteOrder)
{
    FloatToIbmWith(KernelsOn(path), inData, outData, samples, outputByteOrder);
}

} // namespace zel

void IbmToFloat(char* inData, float* outData, int samples)
{
    zel::IbmToFloatWith(zel::KernelsInUse(), inData, outData, samples, zel::leastSignificantFirst);
}

void FloatToIbm(float* inData, char* outData, int samples)
{
    zel::FloatToIbmWith(zel::KernelsInUse(), inData, outData, samples, zel::leastSignificantFirst);
}

void IbmToFloatOrdered(char* inData, float* outData, int samples, int inputByteOrder)
{
    zel::IbmToFloatWith(zel::KernelsInUse(), inData, outData, samples, inputByteOrder);
}

void FloatToIbmOrdered(float* inData, char* outData, int samples, int outputByteOrder)
{
    zel::FloatToIbmWith(zel::KernelsInUse(), inData, outData, samples, outputByteOrder);
}
