// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "sectionread.h"

#include "segyformat.h"
#include "segyread.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <limits>

namespace {

constexpr float NoValue = std::numeric_limits<float>::quiet_NaN();

zel::SegyFinding Stopped()
{
    return {QCoreApplication::translate("SectionRead", "the read was cancelled"), -1, QString()};
}

// Reads `bytes` bytes at `offset`; false with `problem` set when they are
// not all there.
bool ReadBytesAt(QIODevice& file, qint64 offset, char* into, qint64 bytes,
                 zel::SegyFinding& problem)
{
    if (file.seek(offset) && file.read(into, bytes) == bytes)
        return true;
    problem = {QCoreApplication::translate("SectionRead", "cannot read %1 bytes at byte %2: %3")
                   .arg(bytes)
                   .arg(offset)
                   .arg(file.errorString()),
               offset, QString()};
    return false;
}

} // namespace

bool ReadTraces(QIODevice& file, const zel::SegyLayout& layout, const std::vector<qint64>& traces,
                SectionData& section, const ReadProgress& progress, zel::SegyFinding& problem)
{
    const qint64 count = qint64(traces.size());
    qint64 longest = 0;
    for (qint64 trace : traces) {
        if (trace >= 0)
            longest = std::max(longest, layout.Trace(trace).Samples);
    }
    SectionData read;
    read.Traces = traces;
    read.Samples.Traces = int(count);
    read.Samples.Samples = int(longest);
    read.Samples.Values.assign(std::size_t(count * longest), NoValue);
    read.TraceHeaders = QByteArray(qsizetype(count * zel::TraceHeaderBytes), '\0');
    std::vector<float> values;
    for (qint64 column = 0; column < count; ++column) {
        if (!progress(column, count)) {
            problem = Stopped();
            return false;
        }
        const qint64 trace = traces[std::size_t(column)];
        if (trace < 0)
            continue;
        if (!ReadBytesAt(file, layout.Trace(trace).Offset,
                         read.TraceHeaders.data() + column * zel::TraceHeaderBytes,
                         zel::TraceHeaderBytes, problem) ||
            !zel::ReadTraceSamples(file, layout, trace, values, problem))
            return false;
        std::copy(values.begin(), values.begin() + std::min<qint64>(qint64(values.size()), longest),
                  read.Samples.Values.begin() + column * longest);
    }
    section = std::move(read);
    return true;
}

bool ReadTimeSlice(QIODevice& file, const zel::SegyLayout& layout, const SurveyCube& cube,
                   qint64 sample, SectionData& section, const ReadProgress& progress,
                   zel::SegyFinding& problem)
{
    const qint64 inlines = cube.Geometry.Inlines.Count;
    const qint64 crosslines = cube.Geometry.Crosslines.Count;
    SectionData read;
    read.Samples.Traces = int(inlines);
    read.Samples.Samples = int(crosslines);
    read.Samples.Values.assign(std::size_t(inlines * crosslines), NoValue);
    const int width = layout.Format->Bytes;
    char word[8];
    for (qint64 inlineIndex = 0; inlineIndex < inlines; ++inlineIndex) {
        if (!progress(inlineIndex, inlines)) {
            problem = Stopped();
            return false;
        }
        for (qint64 crosslineIndex = 0; crosslineIndex < crosslines; ++crosslineIndex) {
            const qint64 trace =
                cube.TraceOfBin[std::size_t(inlineIndex * crosslines + crosslineIndex)];
            if (trace < 0)
                continue;
            const zel::TracePlace place = layout.Trace(trace);
            if (sample >= place.Samples)
                continue;
            if (!ReadBytesAt(file, place.Offset + place.HeaderBytes + sample * width, word, width,
                             problem))
                return false;
            zel::DecodeSamples(
                word, 1, *layout.Format, layout.Order,
                &read.Samples.Values[std::size_t(inlineIndex * crosslines + crosslineIndex)]);
        }
    }
    section = std::move(read);
    return true;
}
