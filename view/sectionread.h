// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_SECTIONREAD_H
#define ZELVIEW_SECTIONREAD_H

#include "sectionimage.h"
#include "surveycube.h"

#include <QByteArray>

#include <functional>
#include <vector>

/// Told how much of how much a read has done; false stops the read.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

/// A picture's samples and where they come from.
struct SectionData
{
    Section Samples; ///< the values; NaN where there is none
    /// The file's trace of each column, -1 for a bin without one; empty for a
    /// time slice, whose columns are inlines and rows crosslines.
    std::vector<qint64> Traces;
    /// The standard header of each column's trace, all zeros without one;
    /// empty for a time slice.
    QByteArray TraceHeaders;
};

/// Reads @p traces (indices into the file, -1 for none) as the columns of
/// @p section, each as long as the longest, padded with NaN. False with
/// @p problem set when a read fails or @p progress stops it.
bool ReadTraces(QIODevice& file, const zel::SegyLayout& layout, const std::vector<qint64>& traces,
                SectionData& section, const ReadProgress& progress, zel::SegyFinding& problem);

/// Reads sample @p sample of every bin of @p cube: column i is inline i, row
/// j crossline j, NaN where a bin has no trace or its trace is shorter.
bool ReadTimeSlice(QIODevice& file, const zel::SegyLayout& layout, const SurveyCube& cube,
                   qint64 sample, SectionData& section, const ReadProgress& progress,
                   zel::SegyFinding& problem);

#endif
