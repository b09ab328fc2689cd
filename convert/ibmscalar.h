// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMSCALAR_H
#define ZEL_IBMSCALAR_H

// Internal: the portable scalar path of the IBM conversions, one word at a
// time, for IBM and IEEE words in either byte order, and of ByteSwapArray. The reference for the
// vector paths, which also use it for the samples after their last whole vector.

#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
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

// IEEE to IBM rounded to nearest, ties to even: FloatBitsToIbmWord plus
// one where the bits it dropped are more than half its last bit, or exactly
// half with that bit odd. The sum never carries out of the fraction: a
// normal float loses at most three bits, so its rounded fraction stays
// below 2^24 at the same power of sixteen. Exact results (zeros, subnormals
// below 2^21, significands that lose no bit) and infinities and NaNs get
// nothing.
inline std::uint32_t FloatBitsToIbmWordRounded(std::uint32_t bits)
{
    const std::uint32_t magnitude = bits & 0x7FFFFFFFu;
    if (magnitude < 0x00200000u || magnitude >= 0x7F800000u)
        return FloatBitsToIbmWord(bits);
    // Subnormals round as floats of exponent 1 without the hidden bit.
    const std::uint32_t biased = std::max<std::uint32_t>(magnitude >> 23, 1);
    const std::uint32_t significand = magnitude - ((biased - 1) << 23);
    // The significand moved so that its last kept bit is bit 3: bit 2 is
    // the first dropped bit, bits 0-1 the rest of them.
    const std::uint32_t placed = significand << ((biased + 1) & 3u);
    const std::uint32_t up = placed >> 2 & (placed >> 3 | placed >> 1 | placed) & 1u;
    return FloatBitsToIbmWord(bits) + up;
}

using WordConversion = std::uint32_t (*)(std::uint32_t);

// The 4-byte word at `at`, most significant byte first when `bigEndian`.
template<bool bigEndian>
std::uint32_t LoadWord(const char* at)
{
    return bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
}

template<bool bigEndian>
void StoreWord(std::uint32_t word, char* at)
{
    bigEndian ? qToBigEndian<quint32>(word, at) : qToLittleEndian<quint32>(word, at);
}

// `Convert` over the `samples` 4-byte words at `in`, read in the byte order
// `inBig` gives (most significant byte first when true) and written to
// `out` in the order `outBig` gives. Each word is read whole before its
// result is written, so `in` may equal `out`.
template<WordConversion Convert, bool inBig, bool outBig>
void ConvertWordsScalar(const char* in, char* out, std::size_t samples)
{
    for (std::size_t at = 0; at < 4 * samples; at += 4)
        StoreWord<outBig>(Convert(LoadWord<inBig>(in + at)), out + at);
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
