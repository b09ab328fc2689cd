// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_SECTIONIMAGE_H
#define ZELVIEW_SECTIONIMAGE_H

#include "colourmap.h"

#include <QImage>

#include <vector>

/// The samples of a section: Traces traces of Samples samples each, one
/// trace after the other.
struct Section
{
    int Traces = 0;            ///< the number of traces
    int Samples = 0;           ///< samples per trace
    std::vector<float> Values; ///< Traces * Samples values, trace by trace
    /// The value of sample @p sample of trace @p trace.
    float At(int trace, int sample) const
    {
        return Values[std::size_t(trace) * std::size_t(Samples) + std::size_t(sample)];
    }
};

/// How a section is drawn as variable density.
struct DensityStyle
{
    ColourMap Map = ColourMap::Grey; ///< the colours
    float Clip = 1.0f;               ///< the magnitude that gets the ends of the map
    float Gain = 1.0f;               ///< what every value is multiplied by first
};

/// @p section as a variable-density image, one pixel per sample: column i is
/// trace i, row j sample j (time rising downward).
QImage DensityImage(const Section& section, const DensityStyle& style);

/// @p section as wiggles with positive fill: trace i swings about the
/// middle of columns [i * traceWidth, (i + 1) * traceWidth), a sample of
/// magnitude Clip (times Gain) reaching the next trace's middle; sample j
/// lies at the centre of rows [j * sampleHeight, (j + 1) * sampleHeight),
/// the rows between samples following the straight line between them. The
/// positive side is filled black, the line drawn black on white.
QImage WiggleImage(const Section& section, const DensityStyle& style, int traceWidth,
                   int sampleHeight = 1);

#endif
