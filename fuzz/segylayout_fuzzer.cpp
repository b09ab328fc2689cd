// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Any bytes laid out as a SEG-Y or SU file: the reader must not crash, read
// outside the file or loop without end; a refusal must say why; a layout it
// accepts must place its traces one after another inside the file, and
// their samples and textual header must decode, every trace header must be
// visited once, in order, and the geometry must hold together.

#include <zelsegy.h>

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "layout fault: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    zel::SegyLayout layout;
    zel::SegyFinding problem;
    // The low bit of the first byte (of a textual header, or of an SU trace
    // header) asks for a last trace cut short to be left out.
    zel::LayoutOverrides overrides;
    overrides.Salvage = size > 0 && (data[0] & 1) != 0;
    if (!zel::ReadLayout(file, overrides, layout, problem)) {
        Require(!problem.What.isEmpty(), "a refusal without a reason");
        Require(problem.Offset < static_cast<qint64>(size), "a problem placed past the end");
        return 0;
    }
    Require(layout.Format != nullptr, "no sample format");
    Require(layout.DataOffset <= layout.DataEnd &&
                layout.DataEnd + layout.LostBytes <= layout.FileBytes &&
                (layout.LostBytes == 0 || overrides.Salvage),
            "traces outside the file");
    qint64 next = layout.DataOffset;
    std::vector<float> values;
    for (qint64 index = 0; index < layout.Traces; ++index) {
        const zel::TracePlace trace = layout.Trace(index);
        Require(trace.Offset == next && trace.HeaderBytes >= zel::TraceHeaderBytes &&
                    trace.Samples > 0,
                "a trace out of place");
        next += trace.HeaderBytes + trace.Samples * layout.Format->Bytes;
        Require(next <= layout.DataEnd, "a trace past the end of the traces");
        const qint64 decoded = std::min<qint64>(trace.Samples, 64);
        values.resize(static_cast<size_t>(decoded));
        zel::DecodeSamples(bytes.constData() + trace.Offset + trace.HeaderBytes, decoded,
                           *layout.Format, layout.Order, values.data());
    }
    Require(next == layout.DataEnd, "bytes between the last trace and the trailer");
    if (layout.Kind == zel::FileKind::Segy)
        Require(zel::DecodeTextHeader(layout.TextHeader).Lines.size() == 40, "a short header");
    qint64 visited = 0;
    const auto visit = [&](qint64 index, const char* header) {
        Require(index == visited++ && std::equal(header, header + zel::TraceHeaderBytes,
                                                 bytes.constData() + layout.Trace(index).Offset),
                "a trace header out of order or out of place");
        return true;
    };
    Require(zel::ForEachTraceHeader(file, layout, {}, visit, problem) && visited == layout.Traces,
            "trace headers not all visited");
    zel::SurveyGeometry geometry;
    Require(zel::ReadGeometry(file, layout, std::nullopt, geometry, problem), "geometry unread");
    Require(geometry.OccupiedBins + geometry.MissingBins == geometry.Bins &&
                geometry.OccupiedBins <= layout.Traces,
            "bins that do not add up");
    return 0;
}
