// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "watchedfile.h"

#include <QCoreApplication>

WatchedFile::WatchedFile(const QString& path, Watcher watcher)
    : QFile(path)
    , Watch(std::move(watcher))
{}

qint64 WatchedFile::readData(char* data, qint64 maxSize)
{
    if (!Watch(pos())) {
        setErrorString(QCoreApplication::translate("WatchedFile", "the read was cancelled"));
        return -1;
    }
    return QFile::readData(data, maxSize);
}
