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

QImage WiggleImage(const Section& section, const DensityStyle& style, int traceWidth)
{
    traceWidth = std::max(traceWidth, 2);
    QImage image(section.Traces * traceWidth, section.Samples, QImage::Format_RGB32);
    image.fill(Qt::white);
    const float scale = style.Clip > 0 ? style.Gain * float(traceWidth) / style.Clip : 0.0f;
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int trace = 0; trace < section.Traces; ++trace) {
        const double middle = trace * traceWidth + traceWidth / 2.0;
        QPolygonF line;
        for (int sample = 0; sample < section.Samples; ++sample) {
            const float value = section.At(trace, sample);
            // What is no number draws on the middle.
            const float swing = std::isfinite(value) ? std::clamp(value * scale, -float(traceWidth),
                                                                  float(traceWidth))
                                                     : 0.0f;
            line << QPointF(middle + double(swing), sample + 0.5);
            if (swing > 0)
                painter.fillRect(QRectF(middle, sample, double(swing), 1.0), Qt::black);
        }
        painter.drawPolyline(line);
    }
    return image;
}
