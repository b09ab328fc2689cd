// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

QString GetEnv(QString envName)
{
    QString notFound = QStringLiteral("");
    if (envName.isEmpty())
        return notFound;
    // The pattern has to match the variable's whole name, so that "AB" never
    // finds "ABC". A dot matches any character, a line break included.
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(envName),
                                     QRegularExpression::DotMatchesEverythingOption);
    if (!pattern.isValid())
        return notFound;
    const QStringList entries = QProcess::systemEnvironment();
    for (const QString& entry : entries) {
        const auto separator = entry.indexOf(QLatin1Char('='));
        if (separator >= 0 && pattern.match(entry.left(separator)).hasMatch())
            return entry.mid(separator + 1);
    }
    return notFound;
}
