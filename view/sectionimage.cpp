// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "sectionimage.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

QImage DensityImage(const Section& section, const DensityStyle& style)
{
    QImage image(section.Traces, section.Samples, QImage::Format_RGB32);
    for (int sample = 0; sample < section.Samples; ++sample) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(sample));
        for (int trace = 0; trace < section.Traces; ++trace)
            row[trace] = MapValue(style.Map, section.At(trace, sample), style.Clip, style.Gain);
    }
    return image;
}

QImage WiggleImage(const Section& section, const DensityStyle& style, int traceWidth,
                   int sampleHeight)
{
    traceWidth = std::max(traceWidth, 2);
    sampleHeight = std::max(sampleHeight, 1);
    QImage image(section.Traces * traceWidth, section.Samples * sampleHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const float scale = style.Clip > 0 ? style.Gain * float(traceWidth) / style.Clip : 0.0f;
    // What is no number draws on the middle.
    const auto swingAt = [&](int trace, int sample) {
        const float value = section.At(trace, sample);
        return std::isfinite(value)
                   ? std::clamp(value * scale, -float(traceWidth), float(traceWidth))
                   : 0.0f;
    };
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int trace = 0; trace < section.Traces; ++trace) {
        const double middle = trace * traceWidth + traceWidth / 2.0;
        QPolygonF line;
        // Each row of pixels gets the swing between the samples above and
        // below its centre, the samples lying at the centres of their rows.
        for (int row = 0; row < image.height(); ++row) {
            const double at = (row + 0.5) / sampleHeight - 0.5;
            const int above = std::clamp(int(std::floor(at)), 0, section.Samples - 1);
            const int below = std::min(above + 1, section.Samples - 1);
            const double share = std::clamp(at - above, 0.0, 1.0);
            const double swing =
                (1 - share) * double(swingAt(trace, above)) + share * double(swingAt(trace, below));
            line << QPointF(middle + swing, row + 0.5);
            if (swing > 0)
                painter.fillRect(QRectF(middle, row, swing, 1.0), Qt::black);
        }
        painter.drawPolyline(line);
    }
    return image;
}
