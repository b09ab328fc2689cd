// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewapp.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char** argv)
{
    ViewApp app(argc, argv);
    // The id of the installed desktop entry, metainfo and icon, and the window
    // icon at every size drawn at build time, before the main window is shown.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.zelmorra.VornikView"));
    Q_INIT_RESOURCE(viewicons);
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    if (!app.Init())
        return 1;
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    return app.exec();
}
