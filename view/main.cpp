// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewapp.h"

int main(int argc, char** argv)
{
    ViewApp app(argc, argv);
    if (!app.Init())
        return 1;
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    return app.exec();
}
