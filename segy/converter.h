// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef CONVERTER_H
#define CONVERTER_H

#include <zelsegy.h>

#include <optional>
#include <vector>

class QFile;

class Progress;

// Where a conversion failed: the file concerned and the problem.
// The samples whose value the target format could not hold.
struct ConversionCounts
{
    // IBM to IEEE: beyond the float range, saturated to the largest float;
    // below its smallest, truncated to zero.
    qint64 Saturated = 0;
    qint64 Flushed = 0;
    // IEEE to IBM: infinities and NaNs, written as the largest IBM values.
    qint64 NonFinite = 0;
    // Integers beyond 2^24 and doubles that no float holds exactly, rounded
    // to the nearest float (those beyond the float range are Saturated).
    qint64 Inexact = 0;
    // Cropped traces whose new delay recording time, a whole number of
    // milliseconds, had to round.
    qint64 DelaysRounded = 0;
    // Traces written.
    qint64 Traces = 0;
};

struct ConversionFailure
{
    QString File;
    QString Problem;
};

// The traces and samples a crop keeps.
struct TraceSelection
{
    // The traces by index, and by header values: each field's value within
    // its bounds, both included.
    zel::TraceRange Traces;
    struct FieldBounds
    {
        zel::HeaderField Field;
        double Low;
        double High;
    };
    std::vector<FieldBounds> Where;
    // The samples kept of every trace: from `FirstSample` up to but not
    // including `EndSample` (-1: the end of the trace).
    qint64 FirstSample = 0;
    qint64 EndSample = -1;
};

// What a conversion writes.
struct ConversionRequest
{
    // The samples' format, IBM or IEEE (to IBM rounded to nearest when
    // `Rounded`, else truncated); 0 keeps the input's. Samples of any other
    // format are decoded exactly and rounded to the nearest float first.
    int TargetCode = 0;
    bool Rounded = false;
    // The output's byte order; none keeps the input's. Turning it needs a
    // file without additional trace headers, whose layout is their writer's.
    std::optional<zel::ByteOrder> Order;
    // Whether the output is an SU file: the traces alone, each with its
    // standard header and IEEE samples. An SU input becomes a SEG-Y file
    // otherwise, with file headers made from its first trace.
    bool ToSu = false;
    // The traces and samples kept; none keeps all.
    std::optional<TraceSelection> Crop;
};

// Writes the file `outBytes` names (`outName` in messages) as a copy of
// `in` (open for reading, named `inName`, laid out by `layout`) with its
// samples converted as `request` says and the binary header set to match.
// Turning the byte order turns every field of the binary and trace headers
// and writes revision 2's byte-order constant; the textual headers, the
// bytes before the first trace and the trailer are copied unchanged, as is
// everything else when nothing is to change. The copy is written beside
// the output and renamed into place only when complete, so on failure any
// existing file there is left untouched and nothing partial remains; the
// output may be `in` itself. An existing output that is no regular file (a
// device, a FIFO) is written directly, never replaced. `counts` gets the
// samples whose value could not be kept.
bool ConvertFile(QFile& in, const QString& inName, const zel::SegyLayout& layout,
                 const QString& outName, const QByteArray& outBytes,
                 const ConversionRequest& request, Progress& progress, ConversionCounts& counts,
                 ConversionFailure& failure);

#endif
