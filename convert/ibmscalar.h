// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMSCALAR_H
#define ZEL_IBMSCALAR_H

// Internal: the portable scalar path of IbmToFloat and FloatToIbm, one word
// at a time, truncating toward zero, for IBM words in either byte order, and
// of ByteSwapArray. The reference for the vector paths, which also use it for
// the samples after their last whole vector.

#include <QtAlgorithms>
#include <QtEndian>

#include <cstddef>
#include <cstdint>

namespace zel {

// Bit pattern of the float holding the value of `ibm` (sign, excess-64 power
// of sixteen in bits 24-30, 24-bit fraction), truncated toward zero. Values
// above the float range give the largest finite float of the same sign.
inline std::uint32_t IbmWordToFloatBits(std::uint32_t ibm)
{
    const std::uint32_t sign = ibm & 0x80000000u;
    const std::uint32_t fraction = ibm & 0x00FFFFFFu;
    if (fraction == 0)
        return sign;
    // Move the leading one to bit 23, where the float keeps its hidden bit.
    const int normalise = int(qCountLeadingZeroBits(fraction)) - 8;
    const std::uint32_t significand = fraction << normalise;
    // 4 * exponent - 130 is the float's biased exponent for a normalised
    // fraction: the fraction is m / 2^24 * 2^(4 * exponent - 256) and a float
    // is m / 2^24 * 2^(biased - 126).
    const int biased = 4 * int((ibm >> 24) & 0x7Fu) - 130 - normalise;
    if (biased > 254)
        return sign | 0x7F7FFFFFu;
    if (biased <= 0) {
        // Subnormal: the exponent stays at its minimum and the significand
        // loses 1 - biased low bits, all of them when that reaches 24.
        const int drop = 1 - biased;
        return sign | (drop < 24 ? significand >> drop : 0u);
    }
    return sign | std::uint32_t(biased) << 23 | (significand & 0x007FFFFFu);
}

// IBM word holding the value of the float with bit pattern `bits`, truncated
// toward zero. Infinities and NaNs give the IBM value of largest magnitude
// with the float's sign. Subnormals get exponent 33 when their fraction
// reaches 2^21 and exponent 32 (unnormalised below 2^17) otherwise.
inline std::uint32_t FloatBitsToIbmWord(std::uint32_t bits)
{
    const std::uint32_t sign = bits & 0x80000000u;
    const std::uint32_t biased = (bits >> 23) & 0xFFu;
    const std::uint32_t fraction = bits & 0x007FFFFFu;
    if (biased == 255)
        return sign | 0x7FFFFFFFu;
    if (biased == 0) {
        if (fraction == 0)
            return sign;
        if (fraction >= 0x00200000u)
            return sign | 33u << 24 | fraction >> 1;
        return sign | 32u << 24 | fraction << 3;
    }
    // The binary exponent biased + 130 rises to the next multiple of four
    // (the power of sixteen); the significand loses as many low bits.
    const std::uint32_t drop = (2u - biased) & 3u;
    return sign | ((biased + 133u) >> 2) << 24 | (fraction | 0x00800000u) >> drop;
}

// IbmToFloat over `samples` words: IBM words at `in`, least significant byte
// first, to floats at `out`. Each word is read whole before its result is
// written, so `in` may equal `out`.
inline void IbmToFloatScalar(const char* in, char* out, std::size_t samples)
{
    for (std::size_t at = 0; at < 4 * samples; at += 4)
        qToUnaligned(IbmWordToFloatBits(qFromLittleEndian<quint32>(in + at)), out + at);
}

// FloatToIbm over `samples` floats at `in`, to IBM words at `out`.
inline void FloatToIbmScalar(const char* in, char* out, std::size_t samples)
{
    for (std::size_t at = 0; at < 4 * samples; at += 4)
        qToLittleEndian<quint32>(FloatBitsToIbmWord(qFromUnaligned<quint32>(in + at)), out + at);
}

// IbmToFloatScalar for IBM words most significant byte first: each word's
// bytes reversed, then converted.
inline void BigEndianIbmToFloatScalar(const char* in, char* out, std::size_t samples)
{
    for (std::size_t at = 0; at < 4 * samples; at += 4)
        qToUnaligned(IbmWordToFloatBits(qFromBigEndian<quint32>(in + at)), out + at);
}

// FloatToIbmScalar for IBM words most significant byte first: each word
// converted, then its bytes reversed.
inline void FloatToBigEndianIbmScalar(const char* in, char* out, std::size_t samples)
{
    for (std::size_t at = 0; at < 4 * samples; at += 4)
        qToBigEndian<quint32>(FloatBitsToIbmWord(qFromUnaligned<quint32>(in + at)), out + at);
}

// ByteSwapArray over `words` words of `wordSize` bytes: each word at `in`
// with its bytes reversed at `out`, which may equal `in`.
template<int wordSize>
void ReverseWordsScalar(const char* in, char* out, std::size_t words)
{
    using Word = typename QIntegerForSize<wordSize>::Unsigned;
    for (std::size_t at = 0; at < wordSize * words; at += wordSize)
        qToUnaligned(qbswap(qFromUnaligned<Word>(in + at)), out + at);
}

} // namespace zel

#endif // ZEL_IBMSCALAR_H
