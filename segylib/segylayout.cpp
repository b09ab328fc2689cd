// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segylayout.h"

#include "fileread.h"
#include "segytexts.h"

#include <zelfunctions.h>

#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zel {

namespace {

// Positions within the binary header.
constexpr int SampleIntervalAt = 16;
constexpr int SamplesPerTraceAt = 20;
constexpr int FormatCodeAt = 24;
constexpr int ExtendedSamplesAt = 68;
constexpr int ExtendedIntervalAt = 72;
constexpr int OrderConstantAt = 96;
constexpr int RevisionAt = 300;
constexpr int FixedLengthAt = 302;
constexpr int ExtendedHeadersAt = 304;
constexpr int ExtraTraceHeadersAt = 306;
constexpr int FirstTraceAt = 320;
constexpr int TrailerStanzasAt = 328;
// Positions within a trace header, and within its first additional header.
constexpr int TraceSamplesAt = 114;
constexpr int TraceIntervalAt = 116;
constexpr int ExtraHeadersOfTraceAt = 156;
constexpr int ExtendedTraceSamplesAt = 136;
constexpr int ExtensionNameAt = 232;
// A variable count of extended textual headers is looked for in this many
// blocks at most, read this many at a time.
constexpr qint64 MostVariableHeaders = 4096;
constexpr qint64 HeadersPerRead = 32;

const QString SamplesOverride = QStringLiteral("--samples N");
const QString SalvageOverride = QStringLiteral("--salvage");

bool Fail(SegyFinding& problem, const QString& what, qint64 offset = -1,
          const QString& override = QString())
{
    problem = {what, offset, override};
    return false;
}

// An ending stanza of a variable number of extended textual headers, in
// the header's own encoding.
bool HoldsEndText(QByteArray block)
{
    const QByteArray stanza("((SEG: EndText))");
    if (block.contains(stanza))
        return true;
    EbcdicToAscii(block.data(), static_cast<int>(block.size()));
    return block.contains(stanza);
}

// Whether a block reads as text, in ASCII or in EBCDIC, and whether it
// opens a stanza with "((".
bool ReadsAsText(QByteArray block, bool& opensStanza)
{
    const auto printable = [](const QByteArray& bytes) {
        return static_cast<qint64>(std::count_if(
            bytes.begin(), bytes.end(), [](char byte) { return byte >= 0x20 && byte <= 0x7E; }));
    };
    const qint64 ascii = printable(block);
    const bool asciiOpens = block.startsWith("((");
    EbcdicToAscii(block.data(), static_cast<int>(block.size()));
    const qint64 ebcdic = printable(block);
    opensStanza = ebcdic > ascii ? block.startsWith("((") : asciiOpens;
    return std::max(ascii, ebcdic) * 10 >= qint64{block.size()} * 9;
}

// A variable number of trailer stanzas: the last block of the file holds
// the ending stanza, and the trailer starts at the earliest block that
// opens a stanza in the run of text blocks before it (looked for in so
// many blocks at most).
bool CountVariableTrailer(QIODevice& file, SegyLayout& layout, SegyFinding& problem)
{
    const qint64 blocks =
        std::min(MostVariableHeaders, (layout.FileBytes - layout.DataOffset) / TextHeaderBytes);
    layout.TrailerStanzas = 0;
    QByteArray block(static_cast<int>(TextHeaderBytes), '\0');
    for (qint64 count = 1; count <= blocks; ++count) {
        if (!ReadAt(file, layout.FileBytes - count * TextHeaderBytes, block.data(), TextHeaderBytes,
                    problem))
            return false;
        bool opensStanza = false;
        if ((count == 1 && !HoldsEndText(block)) || !ReadsAsText(block, opensStanza))
            break;
        if (opensStanza)
            layout.TrailerStanzas = count;
    }
    if (layout.TrailerStanzas > 0)
        return true;
    return Fail(problem, ZelSegy::tr("the trailer stanzas have no ending stanza"),
                layout.FileBytes - TextHeaderBytes);
}

bool CountVariableHeaders(QIODevice& file, SegyLayout& layout, SegyFinding& problem)
{
    const qint64 blocks =
        std::min(MostVariableHeaders, (layout.FileBytes - FileHeaderBytes) / TextHeaderBytes);
    for (qint64 first = 0; first < blocks; first += HeadersPerRead) {
        const qint64 count = std::min(HeadersPerRead, blocks - first);
        QByteArray bytes(static_cast<int>(count * TextHeaderBytes), '\0');
        if (!ReadAt(file, FileHeaderBytes + first * TextHeaderBytes, bytes.data(), bytes.size(),
                    problem))
            return false;
        for (qint64 block = 0; block < count; ++block) {
            if (HoldsEndText(bytes.mid(static_cast<int>(block * TextHeaderBytes),
                                       static_cast<int>(TextHeaderBytes)))) {
                layout.ExtendedHeaders = first + block + 1;
                return true;
            }
        }
    }
    return Fail(problem, ZelSegy::tr("the extended textual headers have no ending stanza"),
                FileHeaderBytes);
}

// The byte order: the caller's, else the one stated by revision 2's
// constant, else the order in which the format code is one of the
// standard's. A code that is one in neither is read most significant byte
// first.
bool DetectOrder(const char* binary, const LayoutOverrides& overrides, SegyLayout& layout,
                 SegyFinding& problem)
{
    const auto constant =
        static_cast<quint32>(ReadUnsigned(binary + OrderConstantAt, 4, ByteOrder::BigEndian));
    layout.OrderDeclared = constant == 0x01020304 || constant == 0x04030201;
    const auto code = [binary](ByteOrder order) {
        return static_cast<int>(ReadUnsigned(binary + FormatCodeAt, 2, order));
    };
    if (overrides.Order) {
        layout.Order = *overrides.Order;
    } else if (layout.OrderDeclared) {
        layout.Order = constant == 0x01020304 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    } else {
        layout.Order = FindSampleFormat(code(ByteOrder::LittleEndian)) != nullptr &&
                               FindSampleFormat(code(ByteOrder::BigEndian)) == nullptr
                           ? ByteOrder::LittleEndian
                           : ByteOrder::BigEndian;
    }
    const int formatCode = overrides.FormatCode != 0 ? overrides.FormatCode : code(layout.Order);
    layout.Format = FindSampleFormat(formatCode);
    if (layout.Format == nullptr) {
        return Fail(
            problem,
            ZelSegy::tr("sample format code %1 is not one of the standard's").arg(formatCode),
            FormatCodeOffset, QStringLiteral("--format N"));
    }
    return true;
}

void ReadRevision(const char* binary, SegyLayout& layout)
{
    // Revision 2 keeps major and minor in one byte each; older files hold
    // one 16-bit field (0x0100 for 1.0) in the file's byte order.
    const char* field = binary + RevisionAt;
    layout.RevisionField = static_cast<int>(
        ReadUnsigned(field, 2, layout.OrderDeclared ? ByteOrder::BigEndian : layout.Order));
    layout.RevisionMajor = layout.RevisionField >> 8;
    layout.RevisionMinor = layout.RevisionField & 0xFF;
}

// Revision 2's fields: wider sample counts and intervals, additional trace
// headers, the first trace's offset and the trailer.
bool ReadRevisionTwo(const char* binary, SegyLayout& layout, qint64& firstTrace,
                     SegyFinding& problem)
{
    const qint64 extendedSamples = ReadSigned(binary + ExtendedSamplesAt, 4, layout.Order);
    if (extendedSamples > 0)
        layout.SamplesPerTrace = extendedSamples;
    const quint64 intervalBits = ReadUnsigned(binary + ExtendedIntervalAt, 8, layout.Order);
    double interval = 0;
    std::memcpy(&interval, &intervalBits, sizeof interval);
    if (std::isfinite(interval) && interval > 0)
        layout.SampleInterval = interval;
    // 2.0 gives the count in four bytes; 2.1 in two, then the survey type.
    const int countBytes = layout.RevisionMajor == 2 && layout.RevisionMinor == 0 ? 4 : 2;
    layout.ExtraTraceHeaders =
        static_cast<qint64>(ReadUnsigned(binary + ExtraTraceHeadersAt, countBytes, layout.Order));
    if (layout.ExtraTraceHeaders >= layout.FileBytes / TraceHeaderBytes) {
        return Fail(problem,
                    ZelSegy::tr("%1 additional trace headers per trace do not fit the file")
                        .arg(layout.ExtraTraceHeaders),
                    TextHeaderBytes + ExtraTraceHeadersAt);
    }
    const quint64 first = ReadUnsigned(binary + FirstTraceAt, 8, layout.Order);
    if (first > static_cast<quint64>(layout.FileBytes)) {
        return Fail(
            problem,
            ZelSegy::tr("the first trace is said to start at byte %1, past the end").arg(first),
            TextHeaderBytes + FirstTraceAt);
    }
    firstTrace = static_cast<qint64>(first);
    const qint64 trailer = ReadSigned(binary + TrailerStanzasAt, 4, layout.Order);
    if (trailer < -1) {
        return Fail(problem, ZelSegy::tr("a trailer of %1 stanzas cannot be read").arg(trailer),
                    TextHeaderBytes + TrailerStanzasAt);
    }
    layout.TrailerStanzas = trailer;
    return true;
}

void NoteHeaderSamples(SegyLayout& layout, qint64 headerSamples, qint64 binarySamples)
{
    layout.Notes << SegyFinding{ZelSegy::tr("samples per trace taken from the trace headers (%1; "
                                            "the binary header gives %2)")
                                    .arg(headerSamples)
                                    .arg(binarySamples),
                                layout.DataOffset + TraceSamplesAt,
                                QStringLiteral("--samples %1").arg(binarySamples)};
}

// Ends the traces at @p end, the bytes from there to the old end being a
// trace cut short, and says so.
void LeaveOut(SegyLayout& layout, qint64 end)
{
    layout.LostBytes = layout.DataEnd - end;
    layout.DataEnd = end;
    layout.Notes << SegyFinding{ZelSegy::tr("the last trace is cut short: its %1 bytes are left "
                                            "out")
                                    .arg(layout.LostBytes),
                                end, QString()};
}

bool FitsWholeTraces(const SegyLayout& layout, qint64 headerBytes, qint64 samples)
{
    const qint64 traceBytes = headerBytes + samples * layout.Format->Bytes;
    return samples > 0 && (layout.DataEnd - layout.DataOffset) % traceBytes == 0;
}

// Lays the traces out as all of one length. The samples per trace are
// settled between the binary header and the first trace header: a count
// the file length rules out gives way to one it allows, and two counts that
// both fit are refused as ambiguous.
bool SettleFixedLength(QIODevice& file, const LayoutOverrides& overrides, SegyLayout& layout,
                       SegyFinding& problem)
{
    const qint64 headerBytes = TraceHeaderBytes * (1 + layout.ExtraTraceHeaders);
    const qint64 binarySamples = layout.SamplesPerTrace;
    char traceSamples[2] = {};
    const qint64 samplesAt = layout.DataOffset + TraceSamplesAt;
    if (overrides.SamplesPerTrace == 0 && layout.DataEnd >= layout.DataOffset + TraceHeaderBytes &&
        !ReadAt(file, samplesAt, traceSamples, 2, problem))
        return false;
    const auto headerSamples = static_cast<qint64>(ReadUnsigned(traceSamples, 2, layout.Order));
    if (headerSamples != 0 && headerSamples != binarySamples) {
        const bool binaryFits = FitsWholeTraces(layout, headerBytes, binarySamples);
        const bool headerFits = FitsWholeTraces(layout, headerBytes, headerSamples);
        if (binaryFits && headerFits) {
            return Fail(problem,
                        ZelSegy::tr("the binary header gives %1 samples per trace and the first "
                                    "trace header %2; both fit the file length")
                            .arg(binarySamples)
                            .arg(headerSamples),
                        samplesAt, SamplesOverride);
        }
        if (headerFits) {
            NoteHeaderSamples(layout, headerSamples, binarySamples);
            layout.SamplesPerTrace = headerSamples;
        }
    }
    if (layout.SamplesPerTrace == 0) {
        return Fail(problem, ZelSegy::tr("the binary header gives zero samples per trace"),
                    TextHeaderBytes + SamplesPerTraceAt, SamplesOverride);
    }
    layout.TraceBytes = headerBytes + layout.SamplesPerTrace * layout.Format->Bytes;
    const qint64 dataBytes = layout.DataEnd - layout.DataOffset;
    const qint64 leftOver = dataBytes % layout.TraceBytes;
    if (leftOver != 0 && !overrides.Salvage) {
        return Fail(problem,
                    ZelSegy::tr("the file length is not the headers plus whole traces of %1 "
                                "bytes: %2 bytes left over")
                        .arg(layout.TraceBytes)
                        .arg(leftOver),
                    layout.DataEnd - leftOver, SalvageOverride);
    }
    layout.Traces = dataBytes / layout.TraceBytes;
    if (leftOver != 0)
        LeaveOut(layout, layout.DataEnd - leftOver);
    return true;
}

// A trace's sample count where revision 2 lets its first additional
// header, when that is the standard's ("SEG00001", in ASCII or EBCDIC),
// give it at 137-140: when the standard header's 16 bits give none, or
// only the low 16 bits of a longer count (or 65535 for any longer one).
qint64 ExtendedTraceSamples(const char* extension, qint64 headerSamples, ByteOrder order)
{
    QByteArray name(extension + ExtensionNameAt, 8);
    EbcdicToAscii(name.data(), static_cast<int>(name.size()));
    if (std::memcmp(extension + ExtensionNameAt, "SEG00001", 8) != 0 && name != "SEG00001")
        return headerSamples;
    const auto extended =
        static_cast<qint64>(ReadUnsigned(extension + ExtendedTraceSamplesAt, 4, order));
    const bool longer =
        extended > 0xFFFF && (headerSamples == (extended & 0xFFFF) || headerSamples == 0xFFFF);
    return extended > 0 && (headerSamples == 0 || longer) ? extended : headerSamples;
}

// Walks the traces one by one, each as long as its own header says: its
// sample count (or its extension, or the binary header's where neither
// gives one) and, when a trace may have several additional headers, their
// count in the first of them.
// Traces that all turn out alike are laid out as of fixed length. A trace
// cut short by the end is left out when salvaging, and an error otherwise.
bool WalkTraces(QIODevice& file, bool salvage, SegyLayout& layout, SegyFinding& problem)
{
    std::vector<TracePlace> traces;
    qint64 at = layout.DataOffset;
    bool cut = false;
    while (at < layout.DataEnd && !cut) {
        const qint64 index = static_cast<qint64>(traces.size());
        const auto cutShort = [&] {
            cut = true;
            return salvage || Fail(problem,
                                   ZelSegy::tr("trace %1 at byte %2 is cut short by the end of "
                                               "the traces")
                                       .arg(index + 1)
                                       .arg(at),
                                   at, SalvageOverride);
        };
        char field[2];
        if (at + TraceHeaderBytes > layout.DataEnd) {
            if (!cutShort())
                return false;
            continue;
        }
        if (!ReadAt(file, at + TraceSamplesAt, field, 2, problem))
            return false;
        TracePlace trace{at, TraceHeaderBytes * (1 + layout.ExtraTraceHeaders),
                         static_cast<qint64>(ReadUnsigned(field, 2, layout.Order))};
        if (layout.ExtraTraceHeaders >= 1) {
            char extension[TraceHeaderBytes];
            if (at + 2 * TraceHeaderBytes > layout.DataEnd) {
                if (!cutShort())
                    return false;
                continue;
            }
            if (!ReadAt(file, at + TraceHeaderBytes, extension, TraceHeaderBytes, problem))
                return false;
            trace.Samples = ExtendedTraceSamples(extension, trace.Samples, layout.Order);
            const auto extra = static_cast<qint64>(
                ReadUnsigned(extension + ExtraHeadersOfTraceAt, 2, layout.Order));
            if (layout.ExtraTraceHeaders > 1 && extra >= 1 && extra < layout.ExtraTraceHeaders)
                trace.HeaderBytes = TraceHeaderBytes * (1 + extra);
        }
        if (trace.Samples == 0)
            trace.Samples = layout.SamplesPerTrace;
        if (trace.Samples == 0) {
            return Fail(problem,
                        ZelSegy::tr("trace %1 at byte %2 has no samples").arg(index + 1).arg(at),
                        at + TraceSamplesAt, SamplesOverride);
        }
        if (at + trace.HeaderBytes + trace.Samples * layout.Format->Bytes > layout.DataEnd) {
            if (!cutShort())
                return false;
            continue;
        }
        at += trace.HeaderBytes + trace.Samples * layout.Format->Bytes;
        traces.push_back(trace);
    }
    if (cut)
        LeaveOut(layout, at);
    layout.Traces = static_cast<qint64>(traces.size());
    const auto differs = [&traces](const TracePlace& trace) {
        return trace.Samples != traces.front().Samples ||
               trace.HeaderBytes != traces.front().HeaderBytes;
    };
    if (traces.empty() || std::none_of(traces.begin(), traces.end(), differs)) {
        layout.FixedLength = true;
        if (!traces.empty()) {
            layout.SamplesPerTrace = traces.front().Samples;
            layout.ExtraTraceHeaders = traces.front().HeaderBytes / TraceHeaderBytes - 1;
        }
        layout.TraceBytes = TraceHeaderBytes * (1 + layout.ExtraTraceHeaders) +
                            layout.SamplesPerTrace * layout.Format->Bytes;
        return true;
    }
    layout.FixedLength = false;
    layout.Walked = std::move(traces);
    return true;
}

// Whether the second or the last trace header, where a fixed length puts
// them, gives a sample count of its own.
bool TraceHeadersDisagree(QIODevice& file, const SegyLayout& layout)
{
    for (const qint64 index : {qint64{1}, layout.Traces - 1}) {
        if (index < 1 || index >= layout.Traces)
            continue;
        char field[2];
        SegyFinding unused;
        if (!ReadAt(file, layout.Trace(index).Offset + TraceSamplesAt, field, 2, unused))
            return false;
        const auto samples = static_cast<qint64>(ReadUnsigned(field, 2, layout.Order));
        if (samples != 0 && samples != layout.SamplesPerTrace)
            return true;
    }
    return false;
}

bool ReadSegy(QIODevice& file, const LayoutOverrides& overrides, SegyLayout& layout,
              SegyFinding& problem)
{
    if (layout.FileBytes < FileHeaderBytes) {
        return Fail(problem, ZelSegy::tr("%1 bytes, shorter than the %2 bytes of the file headers")
                                 .arg(layout.FileBytes)
                                 .arg(FileHeaderBytes));
    }
    QByteArray headers(static_cast<int>(FileHeaderBytes), '\0');
    if (!ReadAt(file, 0, headers.data(), FileHeaderBytes, problem))
        return false;
    layout.TextHeader = headers.left(static_cast<int>(TextHeaderBytes));
    const char* binary = headers.constData() + TextHeaderBytes;
    if (!DetectOrder(binary, overrides, layout, problem))
        return false;
    ReadRevision(binary, layout);
    layout.SampleInterval =
        static_cast<double>(ReadUnsigned(binary + SampleIntervalAt, 2, layout.Order));
    layout.SamplesPerTrace =
        static_cast<qint64>(ReadUnsigned(binary + SamplesPerTraceAt, 2, layout.Order));
    qint64 firstTrace = 0;
    if (layout.RevisionMajor >= 2 && !ReadRevisionTwo(binary, layout, firstTrace, problem))
        return false;
    if (layout.RevisionMajor >= 1)
        layout.FixedLength = ReadUnsigned(binary + FixedLengthAt, 2, layout.Order) != 0;
    if (overrides.SamplesPerTrace != 0) {
        layout.SamplesPerTrace = overrides.SamplesPerTrace;
        layout.FixedLength = true;
    }
    // A signed field: -1 stands for a count ended by a stanza.
    const qint64 extended = ReadSigned(binary + ExtendedHeadersAt, 2, layout.Order);
    if (extended == -1) {
        if (!CountVariableHeaders(file, layout, problem))
            return false;
    } else if (extended < 0) {
        return Fail(problem, ZelSegy::tr("%1 extended textual headers").arg(extended),
                    TextHeaderBytes + ExtendedHeadersAt);
    } else {
        layout.ExtendedHeaders = extended;
    }
    layout.DataOffset = FileHeaderBytes + layout.ExtendedHeaders * TextHeaderBytes;
    if (layout.FileBytes < layout.DataOffset) {
        return Fail(problem, ZelSegy::tr("%1 bytes, shorter than its %2 extended textual headers")
                                 .arg(layout.FileBytes)
                                 .arg(layout.ExtendedHeaders));
    }
    if (firstTrace != 0) {
        if (firstTrace < layout.DataOffset) {
            return Fail(problem,
                        ZelSegy::tr("the first trace is said to start at byte %1, inside the "
                                    "file headers")
                            .arg(firstTrace),
                        TextHeaderBytes + FirstTraceAt);
        }
        layout.DataOffset = firstTrace;
    }
    // -1 stands for a count ended by a stanza.
    if (layout.TrailerStanzas == -1 && !CountVariableTrailer(file, layout, problem))
        return false;
    layout.DataEnd = layout.FileBytes - layout.TrailerStanzas * TextHeaderBytes;
    if (layout.DataEnd < layout.DataOffset) {
        return Fail(problem,
                    ZelSegy::tr("%1 trailer stanzas do not fit after the file headers")
                        .arg(layout.TrailerStanzas),
                    TextHeaderBytes + TrailerStanzasAt);
    }
    if (!layout.FixedLength || layout.ExtraTraceHeaders > 1)
        return WalkTraces(file, overrides.Salvage, layout, problem);
    SegyLayout fixed = layout;
    const bool fixedFits = SettleFixedLength(file, overrides, fixed, problem);
    if (fixedFits && (overrides.SamplesPerTrace != 0 || !TraceHeadersDisagree(file, fixed))) {
        layout = std::move(fixed);
        return true;
    }
    // Trace headers that disagree with the binary header, or among
    // themselves, may still chain up to the end of the traces.
    SegyLayout walked = layout;
    SegyFinding walkProblem;
    if (overrides.SamplesPerTrace == 0 &&
        WalkTraces(file, overrides.Salvage, walked, walkProblem)) {
        if (!walked.FixedLength) {
            walked.Notes << SegyFinding{ZelSegy::tr("traces differ in length; each is read as "
                                                    "long as its header says"),
                                        walked.DataOffset, SamplesOverride};
        } else if (walked.SamplesPerTrace != layout.SamplesPerTrace) {
            NoteHeaderSamples(walked, walked.SamplesPerTrace, layout.SamplesPerTrace);
        }
        layout = std::move(walked);
        return true;
    }
    if (!fixedFits)
        return false;
    layout = std::move(fixed);
    return true;
}

// SU traces: 240-byte headers and IEEE samples in the same byte order,
// nothing before them. The order is the one in which the first trace's
// sample count lays the file out as whole traces with the last trace's
// header agreeing. When salvaging, an order that fits exactly is still
// preferred, and one that leaves a trace cut short needs a second whole
// trace to agree with the first.
bool ReadSeismicUnix(QIODevice& file, const LayoutOverrides& overrides, SegyLayout& layout)
{
    char first[TraceHeaderBytes];
    SegyFinding unused;
    if (layout.FileBytes < TraceHeaderBytes || !ReadAt(file, 0, first, TraceHeaderBytes, unused))
        return false;
    const bool orderGiven = overrides.Order.has_value();
    for (const bool salvaging : {false, overrides.Salvage}) {
        for (const ByteOrder order : {ByteOrder::BigEndian, ByteOrder::LittleEndian}) {
            if (orderGiven && *overrides.Order != order)
                continue;
            const auto samples =
                overrides.SamplesPerTrace != 0
                    ? overrides.SamplesPerTrace
                    : static_cast<qint64>(ReadUnsigned(first + TraceSamplesAt, 2, order));
            const qint64 traceBytes = TraceHeaderBytes + 4 * samples;
            const qint64 traces = samples == 0 ? 0 : layout.FileBytes / traceBytes;
            const qint64 leftOver = layout.FileBytes - traces * traceBytes;
            if (traces == 0 || (leftOver != 0 && !salvaging) ||
                (leftOver != 0 && traces < 2 && !orderGiven))
                continue;
            char last[2];
            if (!ReadAt(file, (traces - 1) * traceBytes + TraceSamplesAt, last, 2, unused) ||
                (overrides.SamplesPerTrace == 0 &&
                 std::memcmp(last, first + TraceSamplesAt, 2) != 0))
                continue;
            layout.Kind = FileKind::SeismicUnix;
            layout.Order = order;
            layout.Format = FindSampleFormat(IeeeFloatCode);
            layout.SampleInterval =
                static_cast<double>(ReadUnsigned(first + TraceIntervalAt, 2, order));
            layout.SamplesPerTrace = samples;
            layout.TraceBytes = traceBytes;
            layout.DataEnd = layout.FileBytes;
            layout.Traces = traces;
            if (leftOver != 0)
                LeaveOut(layout, layout.FileBytes - leftOver);
            return true;
        }
    }
    return false;
}

} // namespace

TracePlace SegyLayout::Trace(qint64 index) const
{
    if (!FixedLength)
        return Walked[static_cast<size_t>(index)];
    return {DataOffset + index * TraceBytes, TraceBytes - SamplesPerTrace * Format->Bytes,
            SamplesPerTrace};
}

bool ReadLayout(QIODevice& file, const LayoutOverrides& overrides, SegyLayout& layout,
                SegyFinding& problem)
{
    SegyLayout segy;
    segy.FileBytes = file.size();
    segy.Text = overrides.Text;
    if (ReadSegy(file, overrides, segy, problem)) {
        layout = std::move(segy);
        return true;
    }
    // A file whose headers are no SEG-Y file's may be SU traces, unless the
    // caller gave a format code, which SU files do not have.
    SegyLayout su;
    su.FileBytes = segy.FileBytes;
    su.Text = overrides.Text;
    if (overrides.FormatCode != 0)
        return false;
    if (ReadSeismicUnix(file, overrides, su)) {
        layout = std::move(su);
        return true;
    }
    // SU traces cut short are better named as such than as a SEG-Y file
    // with a format code that is none.
    LayoutOverrides salvaging = overrides;
    salvaging.Salvage = true;
    if (!overrides.Salvage && ReadSeismicUnix(file, salvaging, su)) {
        problem = {ZelSegy::tr("SU traces, the last one cut short by %1 bytes")
                       .arg(su.TraceBytes - su.LostBytes),
                   su.DataEnd, SalvageOverride};
    }
    return false;
}

} // namespace zel
