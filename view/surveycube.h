// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_SURVEYCUBE_H
#define ZELVIEW_SURVEYCUBE_H

#include "geometry.h"

#include <vector>

/// A survey as the viewer walks it: its geometry and, for a cube after
/// stack, which trace lies in each bin, so that inlines and crosslines are
/// read in any trace order.
struct SurveyCube
{
    zel::SurveyGeometry Geometry; ///< what the trace headers describe
    /// The trace of each bin, inline by inline, crossline by crossline
    /// within one (the first where a bin repeats); -1 where a bin has none.
    /// Empty unless the survey is a cube after stack.
    std::vector<qint64> TraceOfBin;

    /// Whether inlines, crosslines and time slices can be shown.
    bool IsCube() const { return !TraceOfBin.empty(); }
    /// The traces of inline @p line (counted from 0), crossline by crossline.
    std::vector<qint64> InlineTraces(qint64 line) const;
    /// The traces of crossline @p line (counted from 0), inline by inline.
    std::vector<qint64> CrosslineTraces(qint64 line) const;
};

/// Reads every trace header of @p file to work out its geometry and, for a
/// cube after stack, the trace of each bin. False with @p problem set when a
/// read fails; a file that is no cube gives an empty TraceOfBin.
bool ReadCube(QIODevice& file, const zel::SegyLayout& layout, SurveyCube& cube,
              zel::SegyFinding& problem);

#endif
