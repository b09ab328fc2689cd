// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELAPP_H
#define ZELAPP_H

#include "zelframe_export.h"

#include <QApplication>
#include <QDir>
#include <QString>

class QWidget;

/**
 * The application object of a program built on the frame: the toolkit
 * application together with the program's name, three-part version and
 * home directory. A program derives from it, implements Init() and
 * constructs exactly one instance on the stack of main().
 *
 * It shows the frame's texts and Qt's own in the user's language
 * (QLocale::system()) when there are catalogues for it; a program adds its
 * own catalogue with InstallTranslation().
 */
class ZELFRAME_EXPORT ZelApp : public QApplication
{
    Q_OBJECT

public:
    /**
     * Starts the toolkit over the command line, which takes its own options
     * from it. Without an interface (@p hasInterface false) the program needs
     * no display: windows are drawn offscreen and the console writes to
     * standard output. Installs Qt's catalogue and the frame's for the user's
     * language.
     */
    ZelApp(int& argc, char** argv, bool hasInterface);
    ~ZelApp() override;

    /**
     * Installs the translation catalogue @p catalogue of the user's language
     * from @p directory: the file catalogue_language.qm of the first of the
     * user's languages, most specific first (de_DE, then de), that has one.
     * Catalogues installed later take precedence. False when there is none;
     * the texts then stay as written.
     */
    bool InstallTranslation(const QString& catalogue, const QString& directory);

    /**
     * The text @p text of @p context in the user's language from the built-in
     * catalogue @p catalogue (under :/i18n), for what a program writes before
     * its application object has installed the catalogues, or when it is never
     * built: the answer to an option, a start that fails. Mark the text with
     * QT_TRANSLATE_NOOP. A program's own catalogue is found once its resource
     * is initialised (Q_INIT_RESOURCE); the text stays as written when there
     * is no catalogue for the language.
     */
    static QString TranslateEarly(const QString& catalogue, const char* context, const char* text);

    /** Sets the identity and builds the windows; false when the program cannot run. */
    virtual bool Init() = 0;

    /** The directory the program keeps its files in, as set in HomeDir. */
    QString GetHomeDir() const;

public slots:
    /** Shows the About dialog modally; returns when the user closes it. */
    void OnAbout();

public:
    /** Whether the program shows windows; set by the constructor. */
    bool HasInterface;
    /** The program's name, for window and message box titles. */
    QString Name;
    /** The program's major version. */
    int MajorVersion = 0;
    /** The program's minor version. */
    int MinorVersion = 0;
    /** The program's release (patch) number. */
    int Release = 0;
    /** The program's home directory; the console's log files go there. */
    QString HomeDir;
    /** Parent of the console's message boxes and of the About dialog; may be null. */
    QWidget* MainWidget = nullptr;
    /** A directory kept for the program's own use; the current directory at first. */
    QDir SavedDir;

private:
    static int& SelectPlatform(int& argc, char** argv, bool hasInterface);
};

#endif
