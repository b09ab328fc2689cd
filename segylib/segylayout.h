// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SEGYLAYOUT_H
#define SEGYLAYOUT_H

/**
 * @file
 * Where everything lies in a SEG-Y or SU file: the headers, each trace and
 * its samples, and the trailer, worked out from the headers and the length.
 */

#include "segyformat.h"
#include "textheader.h"
#include "zelsegy_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace zel {

/// The sizes that place everything in a SEG-Y file: the 3200-byte textual
/// header, the 400-byte binary header, 3200-byte extended textual headers,
/// then traces, each 240-byte trace headers followed by its samples, then
/// 3200-byte trailer stanzas.
constexpr qint64 TextHeaderBytes = 3200;                                ///< a textual header
constexpr qint64 BinaryHeaderBytes = 400;                               ///< the binary header
constexpr qint64 FileHeaderBytes = TextHeaderBytes + BinaryHeaderBytes; ///< both
constexpr qint64 TraceHeaderBytes = 240; ///< a trace header, standard or additional
/// Offset of the sample format code within the file.
constexpr qint64 FormatCodeOffset = TextHeaderBytes + 24;

/// A problem found in a file, or a remark on how its layout was settled.
struct SegyFinding
{
    /// What was found, in one line of the user's language.
    QString What;
    /// The byte of the file it concerns; -1 for the file as a whole.
    qint64 Offset = -1;
    /// The option that reads the file anyway (such as "--samples 10"), or
    /// empty when there is none.
    QString Override;
};

/// What the caller knows better than the file's headers.
struct LayoutOverrides
{
    /// A byte order; none for the file's own.
    std::optional<ByteOrder> Order;
    /// A sample format code; 0 for the binary header's.
    int FormatCode = 0;
    /// Samples per trace; 0 for the headers'.
    qint64 SamplesPerTrace = 0;
    /// The textual headers' character code; Detect to tell it by content.
    TextEncoding Text = TextEncoding::Detect;
    /// Whether a file whose last trace is cut short is read as its whole
    /// traces, the rest being left out (see SegyLayout::LostBytes).
    bool Salvage = false;
};

/// What kind of file a layout describes.
enum class FileKind {
    /// Textual and binary headers, then traces.
    Segy,
    /// Traces only, IEEE floats in the byte order of the trace headers.
    SeismicUnix,
};

/// The place of one trace in the file.
struct TracePlace
{
    qint64 Offset = 0; ///< the first byte of its header
    /// The standard trace header and the additional ones.
    qint64 HeaderBytes = TraceHeaderBytes;
    qint64 Samples = 0; ///< its sample count
};

/// Everything the headers and the length say about a file, once they agree.
struct ZELSEGY_EXPORT SegyLayout
{
    FileKind Kind = FileKind::Segy;         ///< SEG-Y or SU
    qint64 FileBytes = 0;                   ///< the file's length
    ByteOrder Order = ByteOrder::BigEndian; ///< the order of every word
    /// Whether the binary header states the byte order (the 0x01020304
    /// constant) instead of it being inferred.
    bool OrderDeclared = false;
    /// The revision field as read, and its major and minor numbers.
    int RevisionField = 0;
    int RevisionMajor = 0;                ///< see RevisionField
    int RevisionMinor = 0;                ///< see RevisionField
    const SampleFormat* Format = nullptr; ///< the samples' format
    /// Microseconds (or the survey's unit of depth); revision 2's extended
    /// interval when it gives one.
    double SampleInterval = 0;
    /// The binary header's count (or the trace headers' where only theirs
    /// fits); the longest trace may differ when traces vary in length.
    qint64 SamplesPerTrace = 0;
    qint64 ExtendedHeaders = 0; ///< extended textual headers after the binary header
    /// Additional 240-byte trace headers after each standard one (at most).
    qint64 ExtraTraceHeaders = 0;
    /// Whether every trace has SamplesPerTrace samples and the same headers.
    bool FixedLength = true;
    /// Bytes of each trace when the length is fixed.
    qint64 TraceBytes = 0;
    /// The first trace's offset, and the end of the last one.
    qint64 DataOffset = 0;
    qint64 DataEnd = 0; ///< see DataOffset
    /// Trailer stanzas after the last trace.
    qint64 TrailerStanzas = 0;
    qint64 Traces = 0;     ///< the number of traces
    QByteArray TextHeader; ///< the 3200 bytes of the textual header; empty for SU
    /// How the textual headers are to be decoded (the caller's choice).
    TextEncoding Text = TextEncoding::Detect;
    /// The bytes of a trace cut short at the end of the traces, left out
    /// when salvaging (see LayoutOverrides::Salvage); the trailer, if any,
    /// follows them.
    qint64 LostBytes = 0;
    /// Remarks on how the layout was settled; empty when the headers agree.
    QList<SegyFinding> Notes;
    /// The traces one by one, when their lengths vary.
    std::vector<TracePlace> Walked;

    /// The place of trace @p index (0 to Traces - 1).
    TracePlace Trace(qint64 index) const;
};

/// Reads the headers of @p file (open for reading, random access) and
/// checks them against its length. False with @p problem set when the file
/// cannot be laid out unambiguously as whole traces.
ZELSEGY_EXPORT bool ReadLayout(QIODevice& file, const LayoutOverrides& overrides,
                               SegyLayout& layout, SegyFinding& problem);

} // namespace zel

#endif
