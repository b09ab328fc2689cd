// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "headerplot.h"

#include "axisscale.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {

constexpr int Ticks = 5;

} // namespace

HeaderPlot::HeaderPlot(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void HeaderPlot::SetValues(const QString& field, std::vector<double> traces,
                           std::vector<double> values)
{
    Field = field;
    Traces = std::move(traces);
    Values = std::move(values);
    update();
}

QSize HeaderPlot::sizeHint() const
{
    return {400, 200};
}

// Room for the title, the tick labels and a line that shows its shape.
QSize HeaderPlot::minimumSizeHint() const
{
    return {200, 8 * fontMetrics().height()};
}

void HeaderPlot::paintEvent(QPaintEvent*)
{
    if (Values.empty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics = fontMetrics();
    const auto [lowest, highest] = std::minmax_element(Values.begin(), Values.end());
    const double low = *lowest, high = *highest;
    const double first = Traces.front(), last = Traces.back();
    const QRect area = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("-0000000")),
                                       metrics.height(), -metrics.height(), -2 * metrics.height());
    const auto x = [&](double trace) {
        return last > first ? area.left() + (trace - first) / (last - first) * area.width()
                            : area.center().x();
    };
    const auto y = [&](double value) {
        return high > low ? area.bottom() - (value - low) / (high - low) * area.height()
                          : area.center().y();
    };
    painter.drawRect(area);
    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignCenter, Field);
    for (double value : AxisTicks(low, high, Ticks)) {
        const QString label = AxisLabel(value);
        painter.drawLine(QPointF(area.left() - AxisTickLength, y(value)),
                         QPointF(area.left(), y(value)));
        painter.drawText(
            QPointF(area.left() - AxisTickLength - 2 - metrics.horizontalAdvance(label),
                    y(value) + metrics.ascent() / 2.0),
            label);
    }
    for (double trace : AxisTicks(first, last, Ticks)) {
        const QString label = AxisLabel(trace);
        painter.drawLine(QPointF(x(trace), area.bottom()),
                         QPointF(x(trace), area.bottom() + AxisTickLength));
        painter.drawText(QPointF(x(trace) - metrics.horizontalAdvance(label) / 2.0,
                                 area.bottom() + AxisTickLength + metrics.ascent()),
                         label);
    }
    QPolygonF line;
    for (std::size_t i = 0; i < Values.size(); ++i)
        line << QPointF(x(Traces[i]), y(Values[i]));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
    painter.drawPolyline(line);
}
