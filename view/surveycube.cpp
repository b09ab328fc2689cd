// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "surveycube.h"

#include "segyformat.h"
#include "segyread.h"

std::vector<qint64> SurveyCube::InlineTraces(qint64 line) const
{
    const qint64 crosslines = Geometry.Crosslines.Count;
    const auto first = TraceOfBin.begin() + line * crosslines;
    return {first, first + crosslines};
}

std::vector<qint64> SurveyCube::CrosslineTraces(qint64 line) const
{
    const qint64 crosslines = Geometry.Crosslines.Count;
    std::vector<qint64> traces;
    traces.reserve(std::size_t(Geometry.Inlines.Count));
    for (qint64 inlineIndex = 0; inlineIndex < Geometry.Inlines.Count; ++inlineIndex)
        traces.push_back(TraceOfBin[std::size_t(inlineIndex * crosslines + line)]);
    return traces;
}

bool ReadCube(QIODevice& file, const zel::SegyLayout& layout, SurveyCube& cube,
              zel::SegyFinding& problem)
{
    SurveyCube read;
    if (!zel::ReadGeometry(file, layout, std::nullopt, read.Geometry, problem))
        return false;
    const zel::SurveyGeometry& geometry = read.Geometry;
    if (geometry.Kind != zel::SurveyKind::PostStack3D) {
        cube = std::move(read);
        return true;
    }
    read.TraceOfBin.assign(std::size_t(geometry.Inlines.Count * geometry.Crosslines.Count), -1);
    const auto visit = [&read, &geometry, &layout](qint64 trace, const char* header) {
        const qint64 inlineNumber =
            zel::ReadSigned(header + geometry.InlineByte - 1, 4, layout.Order);
        const qint64 crosslineNumber =
            zel::ReadSigned(header + geometry.CrosslineByte - 1, 4, layout.Order);
        const qint64 inlineIndex = (inlineNumber - geometry.Inlines.First) / geometry.Inlines.Step;
        const qint64 crosslineIndex =
            (crosslineNumber - geometry.Crosslines.First) / geometry.Crosslines.Step;
        // Numbers outside the grid can only come from a file changed since
        // the geometry was read; such a trace is left out.
        if (inlineIndex < 0 || inlineIndex >= geometry.Inlines.Count || crosslineIndex < 0 ||
            crosslineIndex >= geometry.Crosslines.Count)
            return true;
        qint64& bin =
            read.TraceOfBin[std::size_t(inlineIndex * geometry.Crosslines.Count + crosslineIndex)];
        if (bin < 0)
            bin = trace;
        return true;
    };
    if (!zel::ForEachTraceHeader(file, layout, {}, visit, problem))
        return false;
    cube = std::move(read);
    return true;
}
