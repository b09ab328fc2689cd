// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef FILENAMES_H
#define FILENAMES_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A file named on the command line: its name as shown in messages, and the
// bytes the system knows it by, which need not be UTF-8 (Qt's decoding of
// the command line replaces bytes that are not).
struct FileName
{
    QString Shown;
    QByteArray Bytes;
};

// The names of `arguments` (the positional arguments, in order), with their
// bytes taken from `argv`.
QList<FileName> FileNames(const QStringList& arguments, int argc, char** argv);

// Whether Qt's file functions reach the file `bytes` names.
bool QtCanName(const QByteArray& bytes);

#endif
