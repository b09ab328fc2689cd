// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewapp.h"

#include "viewwindow.h"
#include "zelsegy.h"
#include "zelversion.h"

#include <QCommandLineParser>
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
    setApplicationVersion(QStringLiteral(ZEL_VERSION_STRING));
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Shows the traces and headers of SEG-Y and SU files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 tr("Files to open; the last one is shown."), tr("[file...]"));
    parser.process(arguments());
    HomeDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home directory the viewer runs, only without a log.
    const bool home = !HomeDir.isEmpty() && QDir().mkpath(HomeDir);
    MainWindow = new ViewWindow(this, home ? QStringLiteral("zel-view") : QString());
    MainWindow->show();
    const QStringList files = parser.positionalArguments();
    for (const QString& file : files)
        MainWindow->OpenFile(file);
    return true;
}
