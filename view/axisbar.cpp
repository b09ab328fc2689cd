// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "axisbar.h"

#include <QEvent>
#include <QGraphicsView>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Pixels between ticks at least.
constexpr int TickSpacing = 70;

} // namespace

AxisBar::AxisBar(QWidget* parent)
    : QWidget(parent)
{}

void AxisBar::SetView(QGraphicsView* view, Qt::Orientation orientation)
{
    View = view;
    Orientation = orientation;
    // Whatever repaints the view, a scroll, a zoom or a new picture, moves
    // the numbers too.
    View->viewport()->installEventFilter(this);
    updateGeometry();
}

void AxisBar::SetScale(const AxisScale& scale)
{
    Numbers = scale;
    update();
}

const AxisScale& AxisBar::Scale() const
{
    return Numbers;
}

QSize AxisBar::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    if (Orientation == Qt::Horizontal)
        return {TickSpacing, 2 * metrics.height() + AxisTickLength + 2};
    return {metrics.horizontalAdvance(QStringLiteral("-000000")) + metrics.height() +
                AxisTickLength,
            TickSpacing};
}

bool AxisBar::eventFilter(QObject* watched, QEvent* event)
{
    if (View && watched == View->viewport() && event->type() == QEvent::Paint)
        update();
    return QWidget::eventFilter(watched, event);
}

void AxisBar::paintEvent(QPaintEvent*)
{
    if (!View || Numbers.Cells <= 0)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QWidget* viewport = View->viewport();
    const bool across = Orientation == Qt::Horizontal;
    const auto along = [across](const QPointF& point) { return across ? point.x() : point.y(); };
    // The part of the scene in sight, clamped to the picture.
    const double start = std::max(0.0, along(View->mapToScene(QPoint(0, 0))));
    const double end =
        std::min(Numbers.Cells * Numbers.Cell,
                 along(View->mapToScene(QPoint(viewport->width(), viewport->height()))));
    if (end <= start)
        return;
    const int length = across ? viewport->width() : viewport->height();
    const std::vector<double> ticks =
        Numbers.TicksBetween(start, end, std::max(1, length / TickSpacing));
    const QFontMetrics metrics = fontMetrics();
    for (double value : ticks) {
        const double scenePosition = Numbers.PositionOf(value);
        const QPointF scenePoint = across ? QPointF(scenePosition, 0) : QPointF(0, scenePosition);
        const QPoint inView = View->mapFromScene(scenePoint);
        const QPoint here = mapFromGlobal(viewport->mapToGlobal(inView));
        const QString label = AxisLabel(value);
        if (across) {
            painter.drawLine(here.x(), height() - AxisTickLength, here.x(), height());
            const int width = metrics.horizontalAdvance(label);
            painter.drawText(here.x() - width / 2, height() - AxisTickLength - metrics.descent(),
                             label);
        } else {
            painter.drawLine(width() - AxisTickLength, here.y(), width(), here.y());
            const int labelWidth = metrics.horizontalAdvance(label);
            painter.drawText(width() - AxisTickLength - labelWidth - 2,
                             here.y() + metrics.ascent() / 2, label);
        }
    }
    // The title: across the top of a horizontal ruler, upward along the
    // left edge of a vertical one.
    if (across) {
        painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignCenter, Numbers.Title);
    } else {
        painter.save();
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, height(), metrics.height()), Qt::AlignCenter, Numbers.Title);
        painter.restore();
    }
}
