// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_TRACEHEADERMODEL_H
#define ZELVIEW_TRACEHEADERMODEL_H

#include "headerfields.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <vector>

/// The trace header table: one row per trace, one column per chosen field,
/// the values as numbers (so that a QSortFilterProxyModel sorts them as
/// numbers), read from the headers' bytes as the table is drawn.
class TraceHeaderModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TraceHeaderModel(QObject* parent = nullptr);

    /// Shows @p headers, the standard 240-byte headers of the traces
    /// numbered @p traces (which label the rows), in @p order, with the
    /// columns @p fields.
    void SetHeaders(QByteArray headers, std::vector<qint64> traces, zel::ByteOrder order,
                    std::vector<zel::HeaderField> fields);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QByteArray Headers;
    std::vector<qint64> Traces;
    zel::ByteOrder Order = zel::ByteOrder::BigEndian;
    std::vector<zel::HeaderField> Fields;
};

#endif
