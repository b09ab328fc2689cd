// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Loaded into the finished program with LD_PRELOAD, so that it needs no test
// hook: once the event loop runs, prints the desktop file name and closes
// every window, as a user closing the last window would.
#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

void closeWindowsOnceRunning()
{
    QTimer::singleShot(200, QCoreApplication::instance(), [] {
        std::printf("desktop file name: %s\n", qPrintable(QGuiApplication::desktopFileName()));
        QApplication::closeAllWindows();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeWindowsOnceRunning)
