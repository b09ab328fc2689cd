// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include <algorithm>
#include <cstddef>

int BcdToInt(char* bcdValue, int byteOffset, bool oddBit, int numberOfDigits)
{
    if (numberOfDigits <= 0)
        return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(bcdValue) + byteOffset;
    // Nibble n lies in byte n / 2, high half first. Unsigned arithmetic makes
    // long numbers wrap modulo 2^32 instead of overflowing.
    std::size_t nibble = oddBit ? 1 : 0;
    unsigned int value = 0;
    for (int digit = 0; digit < numberOfDigits; ++digit, ++nibble) {
        const unsigned int byte = bytes[nibble / 2];
        value = value * 10u + (nibble % 2 == 0 ? byte >> 4 : byte & 0x0Fu);
    }
    return static_cast<int>(value);
}

void ByteSwap(unsigned char* x, int wordSize)
{
    if (wordSize == 2 || wordSize == 4 || wordSize == 8)
        std::reverse(x, x + wordSize);
}

unsigned int GetUnsigned3Byte(char* buf, int inputByteOrder)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(buf);
    const unsigned int first = bytes[0];
    const unsigned int third = bytes[2];
    const unsigned int high = inputByteOrder == 0 ? first : third;
    const unsigned int low = inputByteOrder == 0 ? third : first;
    return high << 16 | static_cast<unsigned int>(bytes[1]) << 8 | low;
}

int Get3Byte(char* buf, int inputByteOrder)
{
    // Flipping bit 23 and subtracting its weight copies it into the top
    // byte, in unsigned arithmetic.
    const unsigned int signBit = 0x800000u;
    return static_cast<int>((GetUnsigned3Byte(buf, inputByteOrder) ^ signBit) - signBit);
}
