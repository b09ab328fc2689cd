// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_FIELDCHOOSER_H
#define ZELVIEW_FIELDCHOOSER_H

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class FieldChooser;
}

/// A dialog that lists every standard trace header field, byte and name,
/// with a check box each, for the fields the viewer shows.
class FieldChooser : public QDialog
{
    Q_OBJECT

public:
    /// Lists the fields with those named in @p chosen (by FieldKey())
    /// checked.
    FieldChooser(const QStringList& chosen, QWidget* parent = nullptr);
    ~FieldChooser() override;

    /// The checked fields, in header order.
    QStringList Chosen() const;

private:
    std::unique_ptr<Ui::FieldChooser> Form;
};

#endif
