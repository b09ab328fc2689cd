// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELTHREADMESSENGER_H
#define ZELTHREADMESSENGER_H

#include "zelframe_export.h"

#include <QObject>
#include <QString>

class AppConsole;

/**
 * Lets worker threads report through an AppConsole. Create it on the
 * console's thread and keep it alive while workers use it; Report() and
 * ReportWithDialog() may then be called from any thread. Each call is queued
 * to the console's thread and handled there, in the order of the calls.
 *
 * @code
 * messenger->Report(tr("%1 traces read").arg(count), AppConsole::ThreadMessage);
 * @endcode
 */
class ZELFRAME_EXPORT ZelThreadMessenger : public QObject
{
    Q_OBJECT

public:
    /** Connects to @p console, whose thread handles every report. */
    explicit ZelThreadMessenger(AppConsole* console, QObject* parent = nullptr);

    /** Reports @p message with a type code of AppConsole::ThreadMessageType. */
    void Report(const QString& message, int type);
    /** Reports a warning or an error that also raises a box when the console has a text widget. */
    void ReportWithDialog(const QString& message, int type);

signals:
    /** Emitted by Report(); queued to the console. */
    void ThreadMsg(QString message, int type);
    /** Emitted by ReportWithDialog(); queued to the console. */
    void ThreadDlgMsg(QString message, int type);
};

#endif
