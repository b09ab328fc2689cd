// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_COLOURMAP_H
#define ZELVIEW_COLOURMAP_H

#include <QRgb>

#include <cstddef>

/// The colours of a variable-density section.
enum class ColourMap {
    Grey,         ///< black for the most negative, white for the most positive
    RedWhiteBlue, ///< red for negative, white for zero, blue for positive
};

/// The colour of @p value in @p map once it is multiplied by @p gain and
/// clipped to [-clip, clip]: clipped values get the ends of the map, and a
/// clip of 0 or below, or a value that is no number, gets the middle.
QRgb MapValue(ColourMap map, float value, float clip, float gain = 1.0f);

/// The clip that keeps @p percentile per cent (0 to 100) of the magnitudes
/// of @p count values at @p values inside it: the magnitude at that rank,
/// infinities and NaNs left out. 0 when no value is finite.
float PercentileClip(const float* values, std::size_t count, double percentile);

#endif
