// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_WATCHEDFILE_H
#define ZELVIEW_WATCHEDFILE_H

#include <QFile>

#include <functional>

/// A file that asks before every read whether to go on, telling where the
/// read starts: long reads through libraries that take a QIODevice report
/// their progress this way, and fail at once when asked to stop.
class WatchedFile : public QFile
{
public:
    /// Told the position of each read; false makes the read fail.
    using Watcher = std::function<bool(qint64 position)>;

    WatchedFile(const QString& path, Watcher watcher);

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    Watcher Watch;
};

#endif
