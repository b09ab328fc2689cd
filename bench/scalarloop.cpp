// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "scalarloop.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zelbench {

namespace {

std::uint32_t LoadWordLittleEndian(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

void StoreWordLittleEndian(std::uint32_t word, char* bytes)
{
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    b[0] = static_cast<unsigned char>(word);
    b[1] = static_cast<unsigned char>(word >> 8);
    b[2] = static_cast<unsigned char>(word >> 16);
    b[3] = static_cast<unsigned char>(word >> 24);
}

std::uint32_t IbmWordToFloatBits(std::uint32_t word)
{
    const std::uint32_t sign = word & 0x80000000u;
    std::uint32_t mantissa = word & 0x00FFFFFFu;
    if (mantissa == 0)
        return sign;

    // Biased float exponent for a fraction whose bit 23 is set.
    int exponent = int((word >> 24) & 0x7Fu) * 4 - 130;
    while ((mantissa & 0x00800000u) == 0) {
        mantissa <<= 1;
        --exponent;
    }
    // Below the normal range: shift into a subnormal, or to zero.
    while (exponent <= 0) {
        mantissa >>= 1;
        if (mantissa == 0) {
            exponent = 0;
            break;
        }
        if (exponent == 0)
            break;
        ++exponent;
    }
    if (exponent > 254) {
        exponent = 254;
        mantissa = 0x00FFFFFFu;
    }
    return sign | std::uint32_t(exponent) << 23 | (mantissa & 0x007FFFFFu);
}

std::uint32_t FloatBitsToIbmWord(std::uint32_t bits)
{
    const std::uint32_t sign = bits & 0x80000000u;
    const std::uint32_t exponent = (bits >> 23) & 0xFFu;
    const std::uint32_t fraction = bits & 0x007FFFFFu;
    std::uint32_t mantissa = 0;
    std::uint32_t scaled = 0; // four times the IBM exponent
    if (exponent == 255) {
        mantissa = 0x00FFFFFFu;
        scaled = 508;
    } else if (exponent == 0) {
        if (fraction & 0x00E00000u) {
            mantissa = fraction >> 1;
            scaled = 132;
        } else if (fraction != 0) {
            mantissa = fraction << 3;
            scaled = 128;
        }
    } else {
        mantissa = fraction | 0x00800000u;
        scaled = exponent + 130;
        while (scaled % 4 != 0) {
            ++scaled;
            mantissa >>= 1;
        }
    }
    return sign | ((scaled >> 2) & 0x7Fu) << 24 | mantissa;
}

} // namespace

void LoopIbmToFloat(const char* inData, float* outData, int samples)
{
    for (std::ptrdiff_t n = 0; n < samples; ++n) {
        const std::uint32_t bits = IbmWordToFloatBits(LoadWordLittleEndian(inData + 4 * n));
        std::memcpy(outData + n, &bits, sizeof bits);
    }
}

void LoopFloatToIbm(const float* inData, char* outData, int samples)
{
    for (std::ptrdiff_t n = 0; n < samples; ++n) {
        std::uint32_t bits;
        std::memcpy(&bits, inData + n, sizeof bits);
        StoreWordLittleEndian(FloatBitsToIbmWord(bits), outData + 4 * n);
    }
}

} // namespace zelbench
