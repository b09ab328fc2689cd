// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "geometry.h"

#include "headerfields.h"
#include "segyread.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

namespace zel {

namespace {

// First bytes (from 1) of the other fields the geometry reads.
constexpr int EnsembleByte = 21;
constexpr int OffsetByte = 37;
constexpr int ScalarByte = 71;
constexpr int EnsembleXByte = 181;
constexpr int EnsembleYByte = 185;
constexpr int SourceXByte = 73;
constexpr int SourceYByte = 77;
// A grid of more bins than this many per trace is taken for numbers that
// are no grid; a grid is kept when at least this share of its bins holds
// traces.
constexpr qint64 MostBinsPerTrace = 4;
constexpr double LeastFill = 0.5;

using Column = std::vector<qint32>;

NumberRange RangeOf(const Column& values)
{
    NumberRange range;
    if (values.empty())
        return range;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    range.First = *low;
    range.Last = *high;
    qint64 step = 0;
    for (const qint32 value : values) {
        const qint64 difference = qint64{value} - range.First;
        if (step == 0 || difference % step != 0)
            step = std::gcd(step, difference);
        if (step == 1)
            break;
    }
    range.Step = step == 0 ? 1 : step;
    range.Count = (range.Last - range.First) / range.Step + 1;
    return range;
}

// Whether the traces follow `major` in one direction and, within each run
// of equal `major`, `minor` in one direction.
bool Follows(const Column& major, const Column& minor)
{
    int majorDirection = 0;
    int minorDirection = 0;
    const auto agrees = [](int& direction, qint32 from, qint32 to) {
        const int change = (to > from) - (to < from);
        if (direction == 0)
            direction = change;
        return change == 0 || change == direction;
    };
    for (size_t i = 1; i < major.size(); ++i) {
        if (major[i] != major[i - 1]) {
            if (!agrees(majorDirection, major[i - 1], major[i]))
                return false;
        } else if (!agrees(minorDirection, minor[i - 1], minor[i])) {
            return false;
        }
    }
    return true;
}

// A candidate grid: the bin of each trace, and the traces in each bin.
struct Grid
{
    NumberRange Inlines;
    NumberRange Crosslines;
    std::vector<qint64> BinOfTrace;
    std::vector<quint32> TracesInBin;
    qint64 Occupied = 0;
    quint32 MostInBin = 0;
};

GridBin BinAt(const Grid& grid, qint64 bin)
{
    const qint64 crosslines = grid.Crosslines.Count;
    return {grid.Inlines.First + bin / crosslines * grid.Inlines.Step,
            grid.Crosslines.First + bin % crosslines * grid.Crosslines.Step};
}

// The grid that `inlines` and `crosslines` span; none when they span no
// lines or far more bins than there are traces.
std::optional<Grid> GridOf(const Column& inlines, const Column& crosslines)
{
    Grid grid;
    grid.Inlines = RangeOf(inlines);
    grid.Crosslines = RangeOf(crosslines);
    const auto traces = static_cast<qint64>(inlines.size());
    if (grid.Inlines.Count < 2 || grid.Crosslines.Count < 2 ||
        grid.Inlines.Count > MostBinsPerTrace * traces / grid.Crosslines.Count)
        return std::nullopt;
    grid.TracesInBin.assign(static_cast<size_t>(grid.Inlines.Count * grid.Crosslines.Count), 0);
    grid.BinOfTrace.resize(inlines.size());
    for (size_t i = 0; i < inlines.size(); ++i) {
        const qint64 bin =
            (inlines[i] - grid.Inlines.First) / grid.Inlines.Step * grid.Crosslines.Count +
            (crosslines[i] - grid.Crosslines.First) / grid.Crosslines.Step;
        grid.BinOfTrace[i] = bin;
        const quint32 traces = ++grid.TracesInBin[static_cast<size_t>(bin)];
        grid.Occupied += traces == 1 ? 1 : 0;
        grid.MostInBin = std::max(grid.MostInBin, traces);
    }
    return grid;
}

double Fill(const Grid& grid)
{
    return static_cast<double>(grid.Occupied) / static_cast<double>(grid.TracesInBin.size());
}

qint64 DistinctCount(Column values)
{
    if (std::all_of(values.begin(), values.end(), [&](qint32 v) { return v == values.front(); }))
        return values.empty() ? 0 : 1;
    std::sort(values.begin(), values.end());
    return std::unique(values.begin(), values.end()) - values.begin();
}

// Bins, missing ones, fold and duplicates of `grid`; for a survey before
// stack a duplicate is a trace that repeats a bin and an offset.
void Describe(const Grid& grid, const Column& offsets, SurveyGeometry& geometry)
{
    geometry.Bins = static_cast<qint64>(grid.TracesInBin.size());
    geometry.OccupiedBins = grid.Occupied;
    geometry.MissingBins = geometry.Bins - grid.Occupied;
    geometry.Offsets = DistinctCount(offsets);
    geometry.FewestTracesPerBin = std::numeric_limits<qint64>::max();
    for (qint64 bin = 0; bin < geometry.Bins; ++bin) {
        const qint64 traces = grid.TracesInBin[static_cast<size_t>(bin)];
        geometry.MostTracesPerBin = std::max(geometry.MostTracesPerBin, traces);
        if (traces > 0)
            geometry.FewestTracesPerBin = std::min(geometry.FewestTracesPerBin, traces);
        else if (geometry.FirstMissing.size() < ListedBins)
            geometry.FirstMissing.push_back(BinAt(grid, bin));
    }
    const bool preStack = geometry.MostTracesPerBin > 1 && geometry.Offsets > 1;
    std::vector<qint64> repeatedBins;
    if (preStack) {
        std::vector<std::pair<qint64, qint32>> keys;
        keys.reserve(offsets.size());
        for (size_t i = 0; i < offsets.size(); ++i)
            keys.emplace_back(grid.BinOfTrace[i], offsets[i]);
        std::sort(keys.begin(), keys.end());
        for (size_t i = 1; i < keys.size(); ++i) {
            if (keys[i] == keys[i - 1]) {
                ++geometry.Duplicates;
                if (repeatedBins.empty() || repeatedBins.back() != keys[i].first)
                    repeatedBins.push_back(keys[i].first);
            }
        }
    } else {
        for (qint64 bin = 0; bin < geometry.Bins; ++bin) {
            const qint64 traces = grid.TracesInBin[static_cast<size_t>(bin)];
            if (traces > 1) {
                geometry.Duplicates += traces - 1;
                repeatedBins.push_back(bin);
            }
        }
    }
    for (size_t i = 0; i < repeatedBins.size() && i < ListedBins; ++i)
        geometry.FirstDuplicates.push_back(BinAt(grid, repeatedBins[i]));
    geometry.Kind = preStack ? SurveyKind::PreStack3D : SurveyKind::PostStack3D;
}

// The scaled coordinates of the first trace of each corner bin.
void FindCorners(const Grid& grid, const Column& xs, const Column& ys, const Column& scalars,
                 SurveyGeometry& geometry)
{
    const qint64 lastInline = grid.Inlines.Count - 1;
    const qint64 lastCrossline = grid.Crosslines.Count - 1;
    const qint64 corners[] = {0, lastCrossline, lastInline * grid.Crosslines.Count,
                              lastInline * grid.Crosslines.Count + lastCrossline};
    const auto scaled = [&scalars](const Column& values, size_t trace) {
        const double scalar = scalars[trace];
        const double value = values[trace];
        return scalar > 0 ? value * scalar : scalar < 0 ? value / -scalar : value;
    };
    for (const qint64 corner : corners) {
        GridCorner found{BinAt(grid, corner), std::nullopt, std::nullopt};
        const auto trace = std::find(grid.BinOfTrace.begin(), grid.BinOfTrace.end(), corner);
        if (trace != grid.BinOfTrace.end()) {
            const auto index = static_cast<size_t>(trace - grid.BinOfTrace.begin());
            found.X = scaled(xs, index);
            found.Y = scaled(ys, index);
        }
        geometry.Corners.push_back(found);
    }
}

// One line of ensembles: their numbers, the missing ones, the fold.
void DescribeLine(const Column& ensembles, const Column& offsets, SurveyGeometry& geometry)
{
    const NumberRange range = RangeOf(ensembles);
    const auto traces = static_cast<qint64>(ensembles.size());
    if (range.Count < 2 || range.Count > MostBinsPerTrace * traces)
        return;
    Grid line;
    line.Inlines = range;
    line.Crosslines = {0, 0, 1, 1};
    line.TracesInBin.assign(static_cast<size_t>(range.Count), 0);
    for (const qint32 ensemble : ensembles) {
        const qint64 bin = (ensemble - range.First) / range.Step;
        line.BinOfTrace.push_back(bin);
        line.Occupied += line.TracesInBin[static_cast<size_t>(bin)]++ == 0 ? 1 : 0;
    }
    Describe(line, offsets, geometry);
    geometry.Kind = SurveyKind::TwoD;
    geometry.InlineByte = EnsembleByte;
    geometry.Inlines = range;
    geometry.Sorting = Follows(ensembles, Column(ensembles.size(), 0)) ? TraceSorting::InlineMajor
                                                                       : TraceSorting::None;
}

} // namespace

const std::vector<std::pair<int, int>>& LineFieldCandidates()
{
    static const std::vector<std::pair<int, int>> candidates = {{189, 193}, {9, 21}, {221, 225},
                                                                {17, 13},   {9, 13}, {197, 21}};
    return candidates;
}

bool ReadGeometry(QIODevice& file, const SegyLayout& layout,
                  std::optional<std::pair<int, int>> lineBytes, SurveyGeometry& geometry,
                  SegyFinding& problem)
{
    geometry = {};
    const std::vector<std::pair<int, int>> candidates =
        lineBytes ? std::vector<std::pair<int, int>>{*lineBytes} : LineFieldCandidates();
    std::vector<int> bytes = {EnsembleByte,  OffsetByte,  ScalarByte, EnsembleXByte,
                              EnsembleYByte, SourceXByte, SourceYByte};
    for (const auto& [inlineByte, crosslineByte] : candidates)
        bytes.insert(bytes.end(), {inlineByte, crosslineByte});
    std::sort(bytes.begin(), bytes.end());
    bytes.erase(std::unique(bytes.begin(), bytes.end()), bytes.end());
    std::vector<Column> columns(bytes.size());
    for (Column& values : columns)
        values.reserve(static_cast<size_t>(layout.Traces));
    const auto column = [&](int byte) -> Column& {
        return columns[static_cast<size_t>(std::lower_bound(bytes.begin(), bytes.end(), byte) -
                                           bytes.begin())];
    };
    const bool bigEndian = layout.Order == ByteOrder::BigEndian;
    const auto visit = [&](qint64, const char* header) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const char* at = header + bytes[i] - 1;
            if (bytes[i] == ScalarByte) {
                columns[i].push_back(static_cast<qint32>(ReadSigned(at, 2, layout.Order)));
                continue;
            }
            quint32 word;
            std::memcpy(&word, at, sizeof word);
            word = bigEndian ? qFromBigEndian(word) : qFromLittleEndian(word);
            columns[i].push_back(static_cast<qint32>(word));
        }
        return true;
    };
    if (!ForEachTraceHeader(file, layout, {}, visit, problem))
        return false;

    // Shots and channels of gathers span a full grid too, one trace per
    // "bin", but each of those traces has an offset of its own.
    const bool offsetsVary = DistinctCount(column(OffsetByte)) > 1;
    std::optional<Grid> best;
    for (const auto& [inlineByte, crosslineByte] : candidates) {
        std::optional<Grid> grid = GridOf(column(inlineByte), column(crosslineByte));
        if (grid && Fill(*grid) >= LeastFill && !(grid->MostInBin == 1 && offsetsVary) &&
            (!best || Fill(*grid) > Fill(*best))) {
            best = std::move(grid);
            geometry.InlineByte = inlineByte;
            geometry.CrosslineByte = crosslineByte;
            // A full grid cannot be bettered; ties go to the earlier pair.
            if (best->Occupied == static_cast<qint64>(best->TracesInBin.size()))
                break;
        }
    }
    if (!best) {
        if (!lineBytes)
            DescribeLine(column(EnsembleByte), column(OffsetByte), geometry);
        return true;
    }
    const Column& inlines = column(geometry.InlineByte);
    const Column& crosslines = column(geometry.CrosslineByte);
    geometry.Inlines = best->Inlines;
    geometry.Crosslines = best->Crosslines;
    geometry.Sorting = Follows(inlines, crosslines)   ? TraceSorting::InlineMajor
                       : Follows(crosslines, inlines) ? TraceSorting::CrosslineMajor
                                                      : TraceSorting::None;
    Describe(*best, column(OffsetByte), geometry);
    const auto zero = [](const Column& values) {
        return std::all_of(values.begin(), values.end(), [](qint32 v) { return v == 0; });
    };
    const bool ensembleCoordinates = !zero(column(EnsembleXByte)) || !zero(column(EnsembleYByte));
    FindCorners(*best, column(ensembleCoordinates ? EnsembleXByte : SourceXByte),
                column(ensembleCoordinates ? EnsembleYByte : SourceYByte), column(ScalarByte),
                geometry);
    return true;
}

} // namespace zel
