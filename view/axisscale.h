// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_AXISSCALE_H
#define ZELVIEW_AXISSCALE_H

#include <QString>

#include <vector>

/// What the positions along one side of a picture stand for: cell i (a
/// column or a row) spans positions [i * Cell, (i + 1) * Cell) and stands for
/// the number First + i * Step, such as a trace number, an inline number or
/// a time in milliseconds.
struct AxisScale
{
    QString Title;    ///< what the numbers are
    double First = 0; ///< the number of cell 0
    double Step = 1;  ///< from one cell to the next; may be negative
    double Cell = 1;  ///< the positions a cell spans
    double Cells = 0; ///< how many cells there are

    /// The number at position @p position: cell centres get their cell's.
    double ValueAt(double position) const;
    /// The position of number @p value, the inverse of ValueAt().
    double PositionOf(double value) const;
    /// The ticks of AxisTicks() for the numbers at positions @p start to
    /// @p end, whole ones only where every cell's number is whole (trace
    /// and line numbers), so that a few cells get no ticks between them.
    std::vector<double> TicksBetween(double start, double end, int most) const;
};

/// How long a tick mark is, in pixels.
constexpr int AxisTickLength = 4;

/// @p value as a tick's label: as short as it can be, up to 8 digits.
QString AxisLabel(double value);

/// Round numbers for the ticks of an axis from @p low to @p high: the
/// multiples inside [low, high] (either may be the larger) of the smallest
/// step of 1, 2 or 5 times a power of ten that is at least a @p most-th of
/// the range, so that about @p most ticks (at most one more) fit.
std::vector<double> AxisTicks(double low, double high, int most);

#endif
