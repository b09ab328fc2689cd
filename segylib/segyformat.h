// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SEGYFORMAT_H
#define SEGYFORMAT_H

/**
 * @file
 * The encodings of a SEG-Y file's words: byte order, integers of any width,
 * and the sample formats with their decoding to native floats.
 */

#include "zelsegy_export.h"

#include <QtGlobal>

namespace zel {

/// The order of a word's bytes in the file.
enum class ByteOrder {
    BigEndian,   ///< most significant byte first, as the standard writes
    LittleEndian ///< least significant byte first
};

/// The byte order code of the conversion library: 0 for most significant
/// byte first, 1 for least significant byte first.
inline int LibraryOrder(ByteOrder order)
{
    return order == ByteOrder::BigEndian ? 0 : 1;
}

/// The unsigned integer of @p bytes bytes (at most 8) at @p field, in @p order.
inline quint64 ReadUnsigned(const char* field, int bytes, ByteOrder order)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int at = order == ByteOrder::BigEndian ? i : bytes - 1 - i;
        value = value << 8 | static_cast<unsigned char>(field[at]);
    }
    return value;
}

/// The two's complement integer of @p bytes bytes (1 to 8) at @p field.
inline qint64 ReadSigned(const char* field, int bytes, ByteOrder order)
{
    const quint64 sign = quint64{1} << (8 * bytes - 1);
    // Flipping the sign bit and taking its weight away extends it.
    return static_cast<qint64>((ReadUnsigned(field, bytes, order) ^ sign) - sign);
}

/// A sample format of the binary header's format code.
struct SampleFormat
{
    int Code;         ///< the binary header's code
    int Bytes;        ///< bytes per sample
    const char* Name; ///< a description in English
};

constexpr int IbmFloatCode = 1;  ///< 4-byte IBM floating point
constexpr int IeeeFloatCode = 5; ///< 4-byte IEEE floating point

/// The format of a sample format code; null for a code outside the
/// standard's list.
ZELSEGY_EXPORT const SampleFormat* FindSampleFormat(int code);

/// The value of the sample of @p format at @p at, stored in @p order: exact
/// but for 8-byte integers beyond 2^53, which round.
ZELSEGY_EXPORT double DecodeSample(const char* at, const SampleFormat& format, ByteOrder order);

/// Decodes @p count samples of @p format stored at @p words in @p order into
/// @p values: IBM floats truncated toward zero as the conversion library
/// does, every other format through DecodeSample() and rounded to float.
ZELSEGY_EXPORT void DecodeSamples(const char* words, qint64 count, const SampleFormat& format,
                                  ByteOrder order, float* values);

} // namespace zel

#endif
