#include "zelfunctions.h"

#include "ibmpaths.h"
#include "ibmword.h"

#include <QtEndian>

namespace zel {

void IbmToFloatOn(IbmPath path, const char* inData, float* outData, int samples)
{
    static_cast<void>(path);
    char* out = reinterpret_cast<char*>(outData);
    const std::size_t bytes = samples > 0 ? 4 * std::size_t(samples) : 0;
    for (std::size_t at = 0; at < bytes; at += 4)
        qToUnaligned(IbmWordToFloatBits(qFromLittleEndian<quint32>(inData + at)), out + at);
}

void FloatToIbmOn(IbmPath path, const float* inData, char* outData, int samples)
{
    static_cast<void>(path);
    const char* in = reinterpret_cast<const char*>(inData);
    const std::size_t bytes = samples > 0 ? 4 * std::size_t(samples) : 0;
    for (std::size_t at = 0; at < bytes; at += 4)
        qToLittleEndian<quint32>(FloatBitsToIbmWord(qFromUnaligned<quint32>(in + at)),
                                 outData + at);
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
