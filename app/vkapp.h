// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef VKAPP_H
#define VKAPP_H

#include "zelapp.h"

class AppConsole;
class VkMainWindow;

/**
 * Called first by main() with the command line, before the toolkit starts:
 * answers --help and --version on standard output and exits 0, and exits 2
 * with a one-line usage error on standard error for an option that neither
 * the program nor the toolkit knows, or a toolkit option without its value.
 * Arguments after "--" and those that are not options are left alone.
 */
void args(int& argc, char** argv);

/**
 * This program's application object: sets its identity and shows the main
 * window. The window and the console live until the process ends.
 */
class VkApp : public ZelApp
{
    Q_OBJECT

public:
    VkApp(int& argc, char** argv);
    ~VkApp() override;

    /**
     * Sets name and version, then creates and shows the main window, which
     * SIGTERM, SIGINT and SIGHUP from then on close as a user would.
     */
    bool Init() override;

    /** The message console; set by the main window, owned by this object. */
    AppConsole* Console = nullptr;
    VkMainWindow* MainWindow = nullptr;

private:
    void CloseOnSignals();
};

#endif
