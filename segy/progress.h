// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef PROGRESS_H
#define PROGRESS_H

#include <QElapsedTimer>
#include <QString>

// A one-line progress report on standard error (percent done and MB/s),
// redrawn a few times a second, for work of a known number of bytes.
// Silent when disabled.
class Progress
{
public:
    Progress(bool enabled, QString action, qint64 totalBytes);

    void Advance(qint64 bytes);
    // Ends the line, if one was drawn, and draws no more.
    void Finish();

private:
    void Draw();

    bool Enabled;
    QString Action;
    qint64 Total;
    qint64 Done = 0;
    qint64 LastDrawn = -1;
    QElapsedTimer Clock;
};

// Whether standard error is a terminal, where a progress line belongs.
bool StandardErrorIsTerminal();

#endif
