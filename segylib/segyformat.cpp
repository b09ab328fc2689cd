// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segyformat.h"

#include <zelfunctions.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace zel {

namespace {

// Sample format codes of revisions 0 to 2 with their word sizes.
constexpr std::array<SampleFormat, 14> Formats{{
    {1, 4, "4-byte IBM floating point"},
    {2, 4, "4-byte two's complement integer"},
    {3, 2, "2-byte two's complement integer"},
    {4, 4, "4-byte fixed point with gain"},
    {5, 4, "4-byte IEEE floating point"},
    {6, 8, "8-byte IEEE floating point"},
    {7, 3, "3-byte two's complement integer"},
    {8, 1, "1-byte two's complement integer"},
    {9, 8, "8-byte two's complement integer"},
    {10, 4, "4-byte unsigned integer"},
    {11, 2, "2-byte unsigned integer"},
    {12, 8, "8-byte unsigned integer"},
    {15, 3, "3-byte unsigned integer"},
    {16, 1, "1-byte unsigned integer"},
}};

// IBM words handed to the conversion library per call.
constexpr qint64 IbmBatch = qint64{1} << 20;

} // namespace

double DecodeSample(const char* at, const SampleFormat& format, ByteOrder order)
{
    switch (format.Code) {
    case 1: {
        char word[4];
        std::memcpy(word, at, sizeof word);
        float value = 0;
        IbmToFloatOrdered(word, &value, 1, LibraryOrder(order));
        return value;
    }
    case 2:
    case 3:
    case 7:
    case 8:
    case 9:
        return static_cast<double>(ReadSigned(at, format.Bytes, order));
    case 4: { // a zero byte, a gain exponent byte and a 16-bit mantissa
        const auto word = static_cast<qint64>(ReadUnsigned(at, 4, order));
        const qint64 mantissa = ((word & 0xFFFF) ^ 0x8000) - 0x8000;
        return std::ldexp(static_cast<double>(mantissa), -static_cast<int>(word >> 16 & 0xFF));
    }
    case 5: {
        const auto bits = static_cast<quint32>(ReadUnsigned(at, 4, order));
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 6: {
        const quint64 bits = ReadUnsigned(at, 8, order);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    default:
        return static_cast<double>(ReadUnsigned(at, format.Bytes, order));
    }
}

const SampleFormat* FindSampleFormat(int code)
{
    for (const SampleFormat& format : Formats) {
        if (format.Code == code)
            return &format;
    }
    return nullptr;
}

void DecodeSamples(const char* words, qint64 count, const SampleFormat& format, ByteOrder order,
                   float* values)
{
    if (format.Code == IbmFloatCode) {
        for (qint64 done = 0; done < count; done += IbmBatch) {
            const qint64 batch = std::min(count - done, IbmBatch);
            // The library reads, never writes, its input buffer here.
            IbmToFloatOrdered(const_cast<char*>(words + 4 * done), values + done,
                              static_cast<int>(batch), LibraryOrder(order));
        }
        return;
    }
    for (qint64 i = 0; i < count; ++i)
        values[i] = static_cast<float>(DecodeSample(words + i * format.Bytes, format, order));
}

} // namespace zel
