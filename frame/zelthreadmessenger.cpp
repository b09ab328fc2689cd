// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelthreadmessenger.h"

#include "appconsole.h"

// Automatic connections: a signal emitted on another thread is queued with
// copies of its arguments and delivered on the console's thread.
ZelThreadMessenger::ZelThreadMessenger(AppConsole* console, QObject* parent)
    : QObject(parent)
{
    connect(this, &ZelThreadMessenger::ThreadMsg, console, &AppConsole::ProcessThreadMsg);
    connect(this, &ZelThreadMessenger::ThreadDlgMsg, console, &AppConsole::ProcessThreadDlgMsg);
}

void ZelThreadMessenger::Report(const QString& message, int type)
{
    emit ThreadMsg(message, type);
}

void ZelThreadMessenger::ReportWithDialog(const QString& message, int type)
{
    emit ThreadDlgMsg(message, type);
}
