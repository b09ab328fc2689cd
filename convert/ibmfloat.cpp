// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include "ibmfloatx86.h"
#include "ibmpaths.h"
#include "ibmscalar.h"

namespace zel {

namespace {

const IbmKernels scalarKernels = {IbmToFloatScalar, FloatToIbmScalar, BigEndianIbmToFloatScalar,
                                  FloatToBigEndianIbmScalar};

// The kernels of `path`, or the scalar ones when this processor cannot run it.
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

void IbmToFloatOrderedOn(IbmPath path, const char* inData, float* outData, int samples,
                         int inputByteOrder)
{
    const IbmKernels& kernels = KernelsOn(path);
    const IbmKernel convert =
        inputByteOrder == 0 ? kernels.bigEndianIbmToFloat : kernels.ibmToFloat;
    convert(inData, reinterpret_cast<char*>(outData), SampleCount(samples));
}

void FloatToIbmOrderedOn(IbmPath path, const float* inData, char* outData, int samples,
                         int outputByteOrder)
{
    const IbmKernels& kernels = KernelsOn(path);
    const IbmKernel convert =
        outputByteOrder == 0 ? kernels.floatToBigEndianIbm : kernels.floatToIbm;
    convert(reinterpret_cast<const char*>(inData), outData, SampleCount(samples));
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

void IbmToFloatOrdered(char* inData, float* outData, int samples, int inputByteOrder)
{
    zel::IbmToFloatOrderedOn(zel::IbmPathInUse(), inData, outData, samples, inputByteOrder);
}

void FloatToIbmOrdered(float* inData, char* outData, int samples, int outputByteOrder)
{
    zel::FloatToIbmOrderedOn(zel::IbmPathInUse(), inData, outData, samples, outputByteOrder);
}
