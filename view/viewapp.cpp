// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewapp.h"

#include "viewwindow.h"
#include "zelsegy.h"
#include "zelversion.h"

#include <QDir>
#include <QStandardPaths>

ViewApp::ViewApp(int& argc, char** argv)
    : ZelApp(argc, argv, true)
{
    setApplicationName(QStringLiteral("zel-view"));
    Q_INIT_RESOURCE(zelview_translations);
    InstallTranslation(QStringLiteral("zelview"), QStringLiteral(":/i18n"));
    // The SEG-Y library's findings, in the Messages panel, in the same language.
    zel::InstallSegyTranslation();
}

ViewApp::~ViewApp()
{
    delete MainWindow;
}

bool ViewApp::Init()
{
    Name = tr("ZEL Vornik Viewer");
    MajorVersion = ZEL_VERSION_MAJOR;
    MinorVersion = ZEL_VERSION_MINOR;
    Release = ZEL_VERSION_PATCH;
    HomeDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home directory the viewer runs, only without a log.
    const bool home = !HomeDir.isEmpty() && QDir().mkpath(HomeDir);
    MainWindow = new ViewWindow(this, home ? QStringLiteral("zel-view") : QString());
    MainWindow->show();
    const QStringList files = arguments().mid(1);
    for (const QString& file : files)
        MainWindow->OpenFile(file);
    return true;
}
