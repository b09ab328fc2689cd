// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_VIEWAPP_H
#define ZELVIEW_VIEWAPP_H

#include "zelapp.h"

class ViewWindow;

/// The seismic viewer's application object: its identity and home
/// directory, and the main window with the files named on the command line.
class ViewApp : public ZelApp
{
    Q_OBJECT

public:
    ViewApp(int& argc, char** argv);
    ~ViewApp() override;

    /// Sets name, version and home directory, shows the main window and
    /// opens each file the command line names.
    bool Init() override;

    ViewWindow* MainWindow = nullptr;
};

#endif
