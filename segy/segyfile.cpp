// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segyfile.h"

#include "tooltexts.h"

#include <zelfunctions.h>

#include <QFile>

#include <array>

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

// Positions within the binary header.
constexpr int SampleIntervalAt = 16;
constexpr int SamplesPerTraceAt = 20;
constexpr int FormatCodeAt = 24;
constexpr int ExtendedSamplesAt = 68;
constexpr int OrderConstantAt = 96;
constexpr int RevisionAt = 300;
constexpr int ExtendedHeadersAt = 304;
constexpr int ExtraTraceHeadersAt = 306;
// Position of the sample count within a trace header.
constexpr int TraceSamplesAt = 114;

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

bool CountVariableHeaders(QFile& file, SegyLayout& layout, QString& problem)
{
    for (qint64 at = FileHeaderBytes; at + TextHeaderBytes <= layout.FileBytes;
         at += TextHeaderBytes) {
        ++layout.ExtendedHeaders;
        if (!file.seek(at)) {
            problem = file.errorString();
            return false;
        }
        if (HoldsEndText(file.read(TextHeaderBytes)))
            return true;
    }
    problem = SegyTool::tr("the extended textual headers have no ending stanza");
    return false;
}

// The byte order: stated by revision 2's constant, else the order in which
// the format code is one of the standard's. A code that is one in neither
// is reported as read most significant byte first.
bool DetectOrder(const char* binary, SegyLayout& layout, QString& problem)
{
    const auto constant =
        static_cast<quint32>(ReadUnsigned(binary + OrderConstantAt, 4, ByteOrder::BigEndian));
    layout.OrderDeclared = constant == 0x01020304 || constant == 0x04030201;
    const auto code = [binary](ByteOrder order) {
        return static_cast<int>(ReadUnsigned(binary + FormatCodeAt, 2, order));
    };
    if (layout.OrderDeclared) {
        layout.Order = constant == 0x01020304 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    } else {
        layout.Order = FindSampleFormat(code(ByteOrder::LittleEndian)) != nullptr &&
                               FindSampleFormat(code(ByteOrder::BigEndian)) == nullptr
                           ? ByteOrder::LittleEndian
                           : ByteOrder::BigEndian;
    }
    layout.Format = FindSampleFormat(code(layout.Order));
    if (layout.Format == nullptr) {
        problem = SegyTool::tr("sample format code %1 is not one of the standard's")
                      .arg(code(layout.Order));
        return false;
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

bool FitsWholeTraces(const SegyLayout& layout, qint64 samples)
{
    const qint64 traceBytes = TraceHeaderBytes + samples * layout.Format->Bytes;
    return samples > 0 && (layout.FileBytes - layout.DataOffset) % traceBytes == 0;
}

// Settles the samples per trace between the binary header and the first
// trace header: a count the file length rules out gives way to one it
// allows, and two counts that both fit are refused as ambiguous.
bool SettleSamples(QFile& file, SegyLayout& layout, QString& problem)
{
    const qint64 binarySamples = layout.SamplesPerTrace;
    char traceSamples[2] = {};
    if (layout.FileBytes >= layout.DataOffset + TraceHeaderBytes &&
        (!file.seek(layout.DataOffset + TraceSamplesAt) || file.read(traceSamples, 2) != 2)) {
        problem = file.errorString();
        return false;
    }
    const qint64 headerSamples = ReadUnsigned(traceSamples, 2, layout.Order);
    if (headerSamples != 0 && headerSamples != binarySamples) {
        const bool binaryFits = FitsWholeTraces(layout, binarySamples);
        const bool headerFits = FitsWholeTraces(layout, headerSamples);
        if (binaryFits && headerFits) {
            problem = SegyTool::tr("the binary header gives %1 samples per trace and the first "
                                   "trace header %2; both fit the file length")
                          .arg(binarySamples)
                          .arg(headerSamples);
            return false;
        }
        if (headerFits) {
            layout.Note = SegyTool::tr("samples per trace taken from the trace headers (%1; "
                                       "the binary header gives %2)")
                              .arg(headerSamples)
                              .arg(binarySamples);
            layout.SamplesPerTrace = headerSamples;
        }
    }
    layout.TraceBytes = TraceHeaderBytes + layout.SamplesPerTrace * layout.Format->Bytes;
    const qint64 dataBytes = layout.FileBytes - layout.DataOffset;
    if (dataBytes % layout.TraceBytes != 0) {
        problem = SegyTool::tr("the file length is not the headers plus whole traces of %1 "
                               "bytes: %2 bytes left over")
                      .arg(layout.TraceBytes)
                      .arg(dataBytes % layout.TraceBytes);
        return false;
    }
    layout.Traces = dataBytes / layout.TraceBytes;
    return true;
}

} // namespace

const SampleFormat* FindSampleFormat(int code)
{
    for (const SampleFormat& format : Formats) {
        if (format.Code == code)
            return &format;
    }
    return nullptr;
}

bool ReadLayout(QFile& file, SegyLayout& layout, QString& problem)
{
    layout.FileBytes = file.size();
    if (layout.FileBytes < FileHeaderBytes) {
        problem = SegyTool::tr("%1 bytes, shorter than the %2 bytes of the file headers")
                      .arg(layout.FileBytes)
                      .arg(FileHeaderBytes);
        return false;
    }
    const QByteArray headers = file.read(FileHeaderBytes);
    if (headers.size() != FileHeaderBytes) {
        problem = file.errorString();
        return false;
    }
    layout.TextHeader = headers.left(TextHeaderBytes);
    const char* binary = headers.constData() + TextHeaderBytes;
    if (!DetectOrder(binary, layout, problem))
        return false;
    ReadRevision(binary, layout);
    layout.SampleInterval =
        static_cast<int>(ReadUnsigned(binary + SampleIntervalAt, 2, layout.Order));
    layout.SamplesPerTrace = ReadUnsigned(binary + SamplesPerTraceAt, 2, layout.Order);
    if (layout.RevisionMajor >= 2) {
        const qint64 extended = ReadUnsigned(binary + ExtendedSamplesAt, 4, layout.Order);
        if (extended > 0)
            layout.SamplesPerTrace = extended;
        if (ReadUnsigned(binary + ExtraTraceHeadersAt, 2, layout.Order) != 0) {
            problem = SegyTool::tr("traces with additional trace headers are not supported");
            return false;
        }
    }
    if (layout.SamplesPerTrace == 0) {
        problem = SegyTool::tr("the binary header gives zero samples per trace");
        return false;
    }
    // A signed field: -1 stands for a count ended by a stanza.
    const qint64 field = ReadUnsigned(binary + ExtendedHeadersAt, 2, layout.Order);
    const qint64 extended = field >= 0x8000 ? field - 0x10000 : field;
    if (extended == -1) {
        if (!CountVariableHeaders(file, layout, problem))
            return false;
    } else if (extended < 0) {
        problem = SegyTool::tr("%1 extended textual headers").arg(extended);
        return false;
    } else {
        layout.ExtendedHeaders = extended;
    }
    layout.DataOffset = FileHeaderBytes + layout.ExtendedHeaders * TextHeaderBytes;
    if (layout.FileBytes < layout.DataOffset) {
        problem = SegyTool::tr("%1 bytes, shorter than its %2 extended textual headers")
                      .arg(layout.FileBytes)
                      .arg(layout.ExtendedHeaders);
        return false;
    }
    return SettleSamples(file, layout, problem);
}
