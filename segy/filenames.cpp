// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "filenames.h"

#include <QFile>

QList<FileName> FileNames(const QStringList& arguments, int argc, char** argv)
{
    QList<FileName> names;
    int next = 1;
    for (const QString& argument : arguments) {
        QByteArray bytes = QFile::encodeName(argument);
        // Positional arguments keep their order among the options.
        for (int i = next; i < argc; ++i) {
            if (QString::fromLocal8Bit(argv[i]) == argument) {
                bytes = argv[i];
                next = i + 1;
                break;
            }
        }
        names << FileName{argument, bytes};
    }
    return names;
}

bool QtCanName(const QByteArray& bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}
