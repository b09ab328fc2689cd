// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_HEADERPLOT_H
#define ZELVIEW_HEADERPLOT_H

#include <QWidget>

#include <vector>

/// A plot of one trace header field against the trace number: a line
/// through the values of the traces shown, with round numbers on both
/// axes.
class HeaderPlot : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderPlot(QWidget* parent = nullptr);

    /// Plots @p values at @p traces (as many of each), the field being
    /// called @p field.
    void SetValues(const QString& field, std::vector<double> traces, std::vector<double> values);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString Field;
    std::vector<double> Traces;
    std::vector<double> Values;
};

#endif
