// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "traceheadermodel.h"

#include "segylayout.h"

TraceHeaderModel::TraceHeaderModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void TraceHeaderModel::SetHeaders(QByteArray headers, qint64 firstTrace, zel::ByteOrder order,
                                  std::vector<zel::HeaderField> fields)
{
    beginResetModel();
    Headers = std::move(headers);
    FirstTrace = firstTrace;
    Order = order;
    Fields = std::move(fields);
    endResetModel();
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
        return qlonglong(FirstTrace + section);
    if (section < 0 || section >= columnCount())
        return {};
    const zel::HeaderField& field = Fields[std::size_t(section)];
    return QString::fromLatin1(*field.Keyword != '\0' ? field.Keyword : field.Name);
}
