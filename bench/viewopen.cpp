// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// zel-view-bench FILE: what a user waits for when the viewer opens FILE,
// timed in the viewer's own window (offscreen unless a platform is named):
// the open itself (layout and file headers), the first picture on the
// screen, and the survey scan that follows it, with the process's peak
// resident memory. Prints one JSON object.

#include "viewapp.h"
#include "viewwindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zel-view-bench FILE\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString path = QString::fromLocal8Bit(argv[1]);
    int appArgc = 1;
    ViewApp app(appArgc, argv);
    if (!app.Init())
        return 1;
    ViewWindow& window = *app.MainWindow;

    QElapsedTimer clock;
    qint64 pictureNs = -1;
    QObject::connect(&window, &ViewWindow::PictureShown, &window, [&] {
        if (pictureNs < 0)
            pictureNs = clock.nsecsElapsed();
    });
    clock.start();
    if (!window.OpenFile(path))
        return 1;
    const qint64 openNs = clock.nsecsElapsed();
    while (window.Reading())
        app.processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 scanNs = clock.nsecsElapsed();
    if (pictureNs < 0)
        return 1;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << QStringLiteral("{\"bytes\": %1, \"traces\": %2, \"open_ms\": %3, "
                                          "\"first_picture_ms\": %4, \"scan_done_ms\": %5, "
                                          "\"cube\": %6, \"peak_mib\": %7}\n")
                               .arg(QFileInfo(path).size())
                               .arg(window.Document().Layout.Traces)
                               .arg(double(openNs) / 1e6, 0, 'f', 1)
                               .arg(double(pictureNs) / 1e6, 0, 'f', 1)
                               .arg(double(scanNs) / 1e6, 0, 'f', 1)
                               .arg(window.Cube().IsCube() ? QStringLiteral("true")
                                                           : QStringLiteral("false"))
                               .arg(double(usage.ru_maxrss) / 1024.0, 0, 'f', 1);
    return 0;
}
