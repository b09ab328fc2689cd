// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "traceheadermodel.h"

#include "fieldkey.h"
#include "segylayout.h"

TraceHeaderModel::TraceHeaderModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void TraceHeaderModel::SetHeaders(QByteArray headers, std::vector<qint64> traces,
                                  zel::ByteOrder order, std::vector<zel::HeaderField> fields)
{
    beginResetModel();
    Headers = std::move(headers);
    Traces = std::move(traces);
    Order = order;
    Fields = std::move(fields);
    endResetModel();
    // The row labels are new too; views size their header to them.
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int TraceHeaderModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Headers.size() / zel::TraceHeaderBytes);
}

int TraceHeaderModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Fields.size());
}

QVariant TraceHeaderModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount() ||
        index.column() >= columnCount())
        return {};
    const zel::HeaderField& field = Fields[std::size_t(index.column())];
    const char* header = Headers.constData() + qsizetype{index.row()} * zel::TraceHeaderBytes;
    const double value = zel::FieldValue(header, field, Order);
    if (field.Type == zel::FieldType::Double)
        return value;
    return qlonglong(value);
}

QVariant TraceHeaderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < int(Traces.size())
                   ? QVariant(qlonglong(Traces[std::size_t(section)]))
                   : QVariant();
    if (section < 0 || section >= columnCount())
        return {};
    const zel::HeaderField& field = Fields[std::size_t(section)];
    return FieldKey(field);
}
