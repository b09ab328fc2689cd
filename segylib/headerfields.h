// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef HEADERFIELDS_H
#define HEADERFIELDS_H

/**
 * @file
 * The fields of the binary and trace headers: where each lies, its width,
 * its name and usual short keyword, and the reading of its value.
 */

#include "segyformat.h"
#include "zelsegy_export.h"

#include <QString>

#include <optional>
#include <vector>

namespace zel {

struct SegyLayout;

/// How a field's bytes hold its value.
enum class FieldType {
    Signed,   ///< a two's complement integer
    Unsigned, ///< an unsigned integer
    Double,   ///< an 8-byte IEEE floating point number
};

/// A field of a header.
struct HeaderField
{
    int Offset = 0;                     ///< its first byte within the header, from 0
    int Bytes = 4;                      ///< its width: 1, 2, 4 or 8
    FieldType Type = FieldType::Signed; ///< how its bytes hold the value
    const char* Keyword = "";           ///< the usual short name (such as "cdp"), or ""
    const char* Name = "";              ///< the standard's name as one word
    /// For a coordinate or elevation of a trace header, the offset of the
    /// scalar that applies to it; -1 for none.
    int ScalarOffset = -1;
};

/// The fields of the binary header of @p layout's revision, in order (the
/// count of additional trace headers is 4 bytes wide before revision 2.1).
ZELSEGY_EXPORT std::vector<HeaderField> BinaryHeaderFields(const SegyLayout& layout);

/// The fields of the standard 240-byte trace header, in order.
ZELSEGY_EXPORT const std::vector<HeaderField>& TraceHeaderFields();

/// The trace header field that @p text names: a keyword or name of
/// TraceHeaderFields() (in any case), the first byte of one of them (from
/// 1, as the standard counts), or "BYTE:WIDTH" for any signed integer of
/// width 1, 2, 4 or 8 inside the header. None when it names none.
ZELSEGY_EXPORT std::optional<HeaderField> FindTraceField(const QString& text);

/// The value of @p field in @p header, in @p order: the integer, or the
/// number, a double holds.
ZELSEGY_EXPORT double FieldValue(const char* header, const HeaderField& field, ByteOrder order);

/// The longest text FormatField() writes.
constexpr int FieldTextBytes = 32;

/// Writes the value of @p field in @p header exactly, as decimal text (the
/// shortest that reads back for a double), to @p out, which has room for
/// FieldTextBytes; returns the end of the text, which is not terminated.
ZELSEGY_EXPORT char* FormatField(char* out, const char* header, const HeaderField& field,
                                 ByteOrder order);

/// The value of @p field with its scalar applied: a positive scalar
/// multiplies, a negative one divides, 0 counts as 1.
ZELSEGY_EXPORT double ScaledFieldValue(const char* header, const HeaderField& field,
                                       ByteOrder order);

} // namespace zel

#endif
