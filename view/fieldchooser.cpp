// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "fieldchooser.h"

#include "ui_fieldchooser.h"

#include "fieldkey.h"
#include "headerfields.h"

FieldChooser::FieldChooser(const QStringList& chosen, QWidget* parent)
    : QDialog(parent)
    , Form(std::make_unique<Ui::FieldChooser>())
{
    Form->setupUi(this);
    for (const zel::HeaderField& field : zel::TraceHeaderFields()) {
        const QString key = FieldKey(field);
        auto* item = new QListWidgetItem(
            tr("%1  %2 (byte %3)").arg(key, QLatin1String(field.Name)).arg(field.Offset + 1),
            Form->fieldList);
        item->setData(Qt::UserRole, key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.contains(key) ? Qt::Checked : Qt::Unchecked);
    }
}

FieldChooser::~FieldChooser() = default;

QStringList FieldChooser::Chosen() const
{
    QStringList keys;
    for (int row = 0; row < Form->fieldList->count(); ++row) {
        const QListWidgetItem* item = Form->fieldList->item(row);
        if (item->checkState() == Qt::Checked)
            keys << item->data(Qt::UserRole).toString();
    }
    return keys;
}
