// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Loaded into the finished program with LD_PRELOAD, so that it needs no test
// hook: once the event loop runs, prints the desktop file name and the sizes
// of the window icon, and closes every window, as a user closing the last
// window would.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

void closeWindowsOnceRunning()
{
    QTimer::singleShot(200, QCoreApplication::instance(), [] {
        std::printf("desktop file name: %s\n", qPrintable(QGuiApplication::desktopFileName()));
        QList<int> sides;
        for (const QSize& size : QGuiApplication::windowIcon().availableSizes())
            sides << size.width();
        std::sort(sides.begin(), sides.end());
        std::printf("window icon sizes:");
        for (const int side : sides)
            std::printf(" %d", side);
        std::printf("\n");
        QApplication::closeAllWindows();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeWindowsOnceRunning)
