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

std::vector<double> AxisScale::TicksBetween(double start, double end, int most) const
{
    std::vector<double> ticks = AxisTicks(ValueAt(start), ValueAt(end), most);
    const auto whole = [](double value) { return value == std::round(value); };
    if (whole(First) && whole(Step))
        ticks.erase(
            std::remove_if(ticks.begin(), ticks.end(), [&](double value) { return !whole(value); }),
            ticks.end());
    return ticks;
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
