// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELAPP_H
#define ZELAPP_H

#include <QApplication>
#include <QDir>
#include <QString>

class QWidget;

/**
 * The application object of a program built on the frame: the toolkit
 * application together with the program's name, three-part version and
 * home directory. A program derives from it, implements Init() and
 * constructs exactly one instance on the stack of main().
 */
class ZelApp : public QApplication
{
    Q_OBJECT

public:
    /**
     * Starts the toolkit over the command line, which takes its own options
     * from it. Without an interface (@p hasInterface false) the program needs
     * no display: windows are drawn offscreen and the console writes to
     * standard output.
     */
    ZelApp(int& argc, char** argv, bool hasInterface);
    ~ZelApp() override;

    /** Sets the identity and builds the windows; false when the program cannot run. */
    virtual bool Init() = 0;

    QString GetHomeDir() const;

public slots:
    /** Shows the About dialog modally; returns when the user closes it. */
    void OnAbout();

public:
    bool HasInterface;
    QString Name;
    int MajorVersion = 0;
    int MinorVersion = 0;
    int Release = 0;
    QString HomeDir;
    /** Parent of the console's message boxes and of the About dialog; may be null. */
    QWidget* MainWidget = nullptr;
    QDir SavedDir;

private:
    static int& SelectPlatform(int& argc, char** argv, bool hasInterface);
};

#endif
