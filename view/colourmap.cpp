// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "colourmap.h"

#include <algorithm>
#include <cmath>
#include <vector>

QRgb MapValue(ColourMap map, float value, float clip, float gain)
{
    const float scaled = value * gain;
    // Where the value lies between -clip (0) and clip (1); the middle for
    // what has no place.
    float place = 0.5f;
    if (clip > 0 && !std::isnan(scaled))
        place = std::clamp(0.5f + 0.5f * scaled / clip, 0.0f, 1.0f);
    const int level = int(std::lround(255.0f * place));
    if (map == ColourMap::Grey)
        return qRgb(level, level, level);
    // Red rises to white over the negative half, white falls to blue over
    // the positive half.
    if (level <= 127) {
        const int rise = int(std::lround(255.0f * place * 2.0f));
        return qRgb(255, rise, rise);
    }
    const int fall = int(std::lround(255.0f * (1.0f - place) * 2.0f));
    return qRgb(fall, fall, 255);
}

float PercentileClip(const float* values, std::size_t count, double percentile)
{
    std::vector<float> magnitudes;
    magnitudes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::isfinite(values[i]))
            magnitudes.push_back(std::fabs(values[i]));
    }
    if (magnitudes.empty())
        return 0;
    const double share = std::clamp(percentile, 0.0, 100.0) / 100.0;
    const auto rank = std::size_t(std::llround(share * double(magnitudes.size() - 1)));
    std::nth_element(magnitudes.begin(), magnitudes.begin() + std::ptrdiff_t(rank),
                     magnitudes.end());
    return magnitudes[rank];
}
