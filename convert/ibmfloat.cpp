// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include "ibmfloatx86.h"
#include "ibmpaths.h"
#include "ibmscalar.h"

namespace zel {

namespace {

// The scalar loops of one conversion in every byte order.
template<WordConversion Word>
constexpr OrderedKernels ScalarInEveryOrder()
{
    return {{
        {ConvertWordsScalar<Word, false, false>, ConvertWordsScalar<Word, false, true>},
        {ConvertWordsScalar<Word, true, false>, ConvertWordsScalar<Word, true, true>},
    }};
}

} // namespace

const IbmKernels scalarKernels = {
    ScalarInEveryOrder<IbmWordToFloatBits>(),
    ScalarInEveryOrder<FloatBitsToIbmWord>(),
    ScalarInEveryOrder<FloatBitsToIbmWordRounded>(),
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

// Floats in host order are most significant byte first on big-endian hosts.
constexpr bool hostBig = Q_BYTE_ORDER == Q_BIG_ENDIAN;

// The byte order arguments: most significant byte first for 0.
constexpr bool IsBig(int byteOrder)
{
    return byteOrder == 0;
}

const OrderedKernels& Conversion(const IbmKernels& kernels, IbmConversion conversion)
{
    switch (conversion) {
    case IbmConversion::IeeeToIbm:
        return kernels.ieeeToIbm;
    case IbmConversion::IeeeToIbmRounded:
        return kernels.ieeeToIbmRounded;
    case IbmConversion::IbmToIeee:
        break;
    }
    return kernels.ibmToIeee;
}

void Convert(const IbmKernels& kernels, IbmConversion conversion, bool inBig, bool outBig,
             const void* inData, void* outData, int samples)
{
    Conversion(kernels, conversion)
        .From(inBig, outBig)(static_cast<const char*>(inData), static_cast<char*>(outData),
                             SampleCount(samples));
}

} // namespace

void ConvertIbmOn(IbmPath path, IbmConversion conversion, bool inBig, bool outBig,
                  const char* inData, char* outData, int samples)
{
    Convert(KernelsOn(path), conversion, inBig, outBig, inData, outData, samples);
}

} // namespace zel

using zel::hostBig;
using zel::IbmConversion;
using zel::IsBig;

void IbmToFloat(char* inData, float* outData, int samples)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IbmToIeee, false, hostBig, inData, outData,
                 samples);
}

void FloatToIbm(float* inData, char* outData, int samples)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbm, hostBig, false, inData, outData,
                 samples);
}

void FloatToIbmRounded(float* inData, char* outData, int samples)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbmRounded, hostBig, false, inData,
                 outData, samples);
}

void IbmToFloatOrdered(char* inData, float* outData, int samples, int inputByteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IbmToIeee, IsBig(inputByteOrder), hostBig,
                 inData, outData, samples);
}

void FloatToIbmOrdered(float* inData, char* outData, int samples, int outputByteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbm, hostBig, IsBig(outputByteOrder),
                 inData, outData, samples);
}

void FloatToIbmRoundedOrdered(float* inData, char* outData, int samples, int outputByteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbmRounded, hostBig,
                 IsBig(outputByteOrder), inData, outData, samples);
}

void IbmToIeeeOrdered(char* inData, char* outData, int samples, int byteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IbmToIeee, IsBig(byteOrder), IsBig(byteOrder),
                 inData, outData, samples);
}

void IeeeToIbmOrdered(char* inData, char* outData, int samples, int byteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbm, IsBig(byteOrder), IsBig(byteOrder),
                 inData, outData, samples);
}

void IeeeToIbmRoundedOrdered(char* inData, char* outData, int samples, int byteOrder)
{
    zel::Convert(zel::KernelsInUse(), IbmConversion::IeeeToIbmRounded, IsBig(byteOrder),
                 IsBig(byteOrder), inData, outData, samples);
}
