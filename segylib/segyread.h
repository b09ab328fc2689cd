// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SEGYREAD_H
#define SEGYREAD_H

/**
 * @file
 * Reading a file once its layout is known: its file headers, the headers of
 * a range of traces, and a trace's samples as native floats.
 */

#include "segylayout.h"
#include "zelsegy_export.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <vector>

class QIODevice;

namespace zel {

/// The headers before the traces of a SEG-Y file.
struct FileHeaders
{
    /// The textual headers: the main one, then each extended one (3200
    /// bytes each).
    QList<QByteArray> Textual;
    QByteArray Binary; ///< the 400 bytes of the binary header
};

/// Reads the file headers of @p layout (none for an SU file). False with
/// @p problem set when the read fails.
ZELSEGY_EXPORT bool ReadFileHeaders(QIODevice& file, const SegyLayout& layout, FileHeaders& headers,
                                    SegyFinding& problem);

/// Which traces: from First up to, not including, End, every Step-th, as a
/// slice counts (from 0).
struct TraceRange
{
    qint64 First = 0; ///< the first trace
    qint64 End = -1;  ///< the trace after the last; -1 for the end of the file
    qint64 Step = 1;  ///< above zero
};

/// Called with a trace's index and its headers (the standard 240 bytes,
/// then the additional ones); returns false to stop.
using TraceHeaderVisitor = std::function<bool(qint64 index, const char* headers)>;

/// Calls @p visit for every trace of @p range in order, reading neighbouring
/// headers in one go so that a whole file's headers read at disk speed.
/// False when @p visit stopped, or when a read failed (then with @p problem
/// set).
ZELSEGY_EXPORT bool ForEachTraceHeader(QIODevice& file, const SegyLayout& layout,
                                       const TraceRange& range, const TraceHeaderVisitor& visit,
                                       SegyFinding& problem);

/// Reads the samples of trace @p index as floats into @p values (resized to
/// the trace's sample count). False with @p problem set when the read fails.
ZELSEGY_EXPORT bool ReadTraceSamples(QIODevice& file, const SegyLayout& layout, qint64 index,
                                     std::vector<float>& values, SegyFinding& problem);

} // namespace zel

#endif
