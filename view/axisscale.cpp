// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "axisscale.h"

#include <algorithm>
#include <cmath>

double AxisScale::ValueAt(double position) const
{
    return First + Step * (position / Cell - 0.5);
}

double AxisScale::PositionOf(double value) const
{
    return ((value - First) / Step + 0.5) * Cell;
}

QString AxisLabel(double value)
{
    return QString::number(value, 'g', 8);
}

std::vector<double> AxisTicks(double low, double high, int most)
{
    if (low > high)
        std::swap(low, high);
    std::vector<double> ticks;
    if (most < 1 || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    if (low == high) {
        ticks.push_back(low);
        return ticks;
    }
    const double rough = (high - low) / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    // Counting in whole steps keeps every tick an exact multiple of the step.
    for (double index = std::ceil(low / step); index * step <= high; ++index)
        ticks.push_back(index * step == 0 ? 0.0 : index * step);
    return ticks;
}
