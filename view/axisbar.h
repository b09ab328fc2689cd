// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_AXISBAR_H
#define ZELVIEW_AXISBAR_H

#include "axisscale.h"

#include <QWidget>

class QGraphicsView;

/// A ruler beside a picture's view, above it or to its left, that labels
/// the part of the picture in sight with the numbers of its scale and
/// follows every zoom and scroll of the view.
class AxisBar : public QWidget
{
    Q_OBJECT

public:
    explicit AxisBar(QWidget* parent = nullptr);

    /// Labels what @p view shows along @p orientation (Qt::Horizontal: above
    /// it).
    void SetView(QGraphicsView* view, Qt::Orientation orientation);
    /// The numbers to label with.
    void SetScale(const AxisScale& scale);
    /// The numbers labelled.
    const AxisScale& Scale() const;

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QGraphicsView* View = nullptr;
    Qt::Orientation Orientation = Qt::Horizontal;
    AxisScale Numbers;
};

#endif
