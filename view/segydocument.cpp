// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segydocument.h"

#include <QCoreApplication>
#include <QFile>

bool OpenSegy(const QString& path, SegyDocument& document, zel::SegyFinding& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = {QCoreApplication::translate("SegyDocument", "cannot open %1: %2")
                       .arg(path, file.errorString()),
                   -1, QString()};
        return false;
    }
    SegyDocument opened;
    opened.Path = path;
    if (!zel::ReadLayout(file, {}, opened.Layout, problem) ||
        !zel::ReadFileHeaders(file, opened.Layout, opened.Headers, problem))
        return false;
    document = std::move(opened);
    return true;
}
