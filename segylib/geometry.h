// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef GEOMETRY_H
#define GEOMETRY_H

/**
 * @file
 * The survey's structure as the trace headers give it: the fields that
 * hold the inline and crossline numbers, the grid they span, how the traces
 * are sorted, and which bins are missing or repeated.
 */

#include "segylayout.h"
#include "zelsegy_export.h"

#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace zel {

/// How the traces follow one another.
enum class TraceSorting {
    InlineMajor,    ///< crossline numbers vary fastest (in 2-D: ensembles in order)
    CrosslineMajor, ///< inline numbers vary fastest
    None,           ///< neither
};

/// What kind of survey the trace headers describe.
enum class SurveyKind {
    None,        ///< no grid: one trace, or numbers that span no lines
    TwoD,        ///< one line of ensembles (byte 21)
    PostStack3D, ///< a grid of bins, one trace each at most (some repeated)
    PreStack3D,  ///< a grid of bins, several offsets each
};

/// Numbers from First to Last in steps of Step (Count of them).
struct NumberRange
{
    qint64 First = 0; ///< the smallest
    qint64 Last = 0;  ///< the largest
    qint64 Step = 1;  ///< the greatest common divisor of their differences
    qint64 Count = 0; ///< (Last - First) / Step + 1
};

/// A bin of the grid: an inline and a crossline number.
struct GridBin
{
    qint64 Inline = 0;    ///< its inline number
    qint64 Crossline = 0; ///< its crossline number
};

/// A corner of the grid and the coordinates of its trace, scaled.
struct GridCorner
{
    GridBin Bin;             ///< the corner's bin
    std::optional<double> X; ///< none when the bin has no trace
    std::optional<double> Y; ///< see X
};

/// The survey's structure; for a TwoD survey, Inlines holds the ensembles.
struct SurveyGeometry
{
    SurveyKind Kind = SurveyKind::None; ///< 2-D, 3-D before or after stack, or none
    /// First byte (from 1) of the inline field, or of the ensemble field in
    /// 2-D; 0 without a grid.
    int InlineByte = 0;
    int CrosslineByte = 0;                     ///< first byte of the crossline field; 0 in 2-D
    TraceSorting Sorting = TraceSorting::None; ///< how the traces follow the grid
    NumberRange Inlines;                       ///< inline numbers (ensembles in 2-D)
    NumberRange Crosslines;                    ///< crossline numbers (3-D only)
    qint64 Bins = 0;                           ///< bins of the grid (ensembles in 2-D)
    qint64 OccupiedBins = 0;                   ///< bins that hold a trace at least
    qint64 MostTracesPerBin = 0;               ///< the fold: offsets per bin before stack
    qint64 FewestTracesPerBin = 0;             ///< among the bins that have traces
    qint64 Offsets = 0;                        ///< distinct offsets (byte 37)
    qint64 MissingBins = 0;                    ///< bins without a trace
    std::vector<GridBin> FirstMissing;         ///< the first of them, in inline, crossline order
    /// Traces that repeat a bin (after stack) or a bin and offset (before
    /// stack).
    qint64 Duplicates = 0;
    std::vector<GridBin> FirstDuplicates; ///< the first bins where that happens
    /// The four corners: first and last inline, each with the first and last
    /// crossline (3-D only); coordinates from bytes 181-188 (or the
    /// source's, 73-80, where those are all 0) with the scalar of 71-72.
    std::vector<GridCorner> Corners;
};

/// How many missing bins and duplicates are listed.
constexpr int ListedBins = 10;

/// The fields tried, in order, as inline and crossline numbers when the
/// caller names none: the standard's (189, 193), then common alternatives.
ZELSEGY_EXPORT const std::vector<std::pair<int, int>>& LineFieldCandidates();

/// Reads every trace header of @p file and works out its geometry, trying
/// @p lineBytes (first bytes from 1 of two 4-byte fields) when given, else
/// each of LineFieldCandidates() and keeping the one with the fullest grid.
/// A file that is no regular cube is described, not refused: false only
/// when a read fails, with @p problem set.
ZELSEGY_EXPORT bool ReadGeometry(QIODevice& file, const SegyLayout& layout,
                                 std::optional<std::pair<int, int>> lineBytes,
                                 SurveyGeometry& geometry, SegyFinding& problem);

} // namespace zel

#endif
