// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef APPCONSOLE_H
#define APPCONSOLE_H

#include "zelconsole.h"
#include "zelframe_export.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <memory>

class QFile;
class QTextEdit;
class QTextStream;
class QWidget;
class ZelApp;

/**
 * The frame's message console. Each report is shown on exactly one target:
 * the text widget when there is one, else a modal information box when the
 * program has an interface, else standard output. When the console has a
 * log file, every report is also appended to it as one line and flushed,
 * when it arrives. A log that cannot be written is reported once and closed.
 *
 * Message boxes are shown one at a time, in the order of the reports: a
 * report that arrives while a box is open (the box runs an event loop, in
 * which queued reports from other threads are handled) waits for it.
 *
 * Reports carry a fixed prefix by severity. Debug reports are written at
 * verbosity 2 and 3, low-level reports at verbosity 3 only.
 *
 * The console belongs to the GUI thread. Other threads reach it through a
 * ZelThreadMessenger, whose calls are queued to the console's thread.
 */
class ZELFRAME_EXPORT AppConsole : public QObject, public ZelConsole
{
    Q_OBJECT

public:
    /** Type codes that the thread entry points accept. */
    enum ThreadMessageType {
        ThreadMessage = 0,  ///< Message()
        ThreadWarning = 1,  ///< WarningMessage()
        ThreadError = 2,    ///< ErrorMessage()
        ThreadDebug = 3,    ///< DebugMessage()
        ThreadLowLevel = 4, ///< LowLevelMessage()
    };

    /**
     * Takes the interface flag, main widget and name of @p theApp as they
     * are now. @p textCtrl may be null. A non-empty @p fileName opens a log,
     * see Open().
     */
    AppConsole(ZelApp* theApp, QTextEdit* textCtrl, const QString& fileName, int verbosity);
    /** Flushes and closes the log. */
    ~AppConsole() override;

    /**
     * Closes the current log, if any, and starts a new, empty one at the
     * home directory, "/", @p fileName without its last extension, and
     * ".console". An empty @p fileName opens no log. A file that cannot be
     * opened is reported as an error and the console goes on without a log.
     */
    void Open(const QString& fileName);
    /** Ends logging; later reports reach the display target only. */
    void Close();

    void Message(const QString& message) override;
    void ErrorMessage(const QString& message, bool postDialog) override;
    void WarningMessage(const QString& message, bool postDialog) override;
    void DebugMessage(const QString& message) override;
    void LowLevelMessage(const QString& message) override;

    /** The verbosity level, see SetVerbosityLevel(). */
    int GetVerbosityLevel() const;
    /** Sets the level that decides whether debug (2, 3) and low-level (3) reports are written. */
    void SetVerbosityLevel(int verbosity);

    /** Full path of the log file; empty when no log was asked for. */
    QString GetName() const;
    /** Plain text of the text widget; empty without one. */
    QString GetText() const;

private slots:
    void ProcessThreadMsg(QString message, int type);
    void ProcessThreadDlgMsg(QString message, int type);

private:
    friend class ZelThreadMessenger;

    enum class BoxKind { Information, Warning, Critical };
    struct PendingBox
    {
        BoxKind kind;
        QString title;
        QString text;
    };

    QString WriteLog(const QString& message);
    void ShowBox(BoxKind kind, const QString& title, const QString& text);

    bool HasGui;
    QTextEdit* OutputText;
    std::unique_ptr<QFile> File;
    std::unique_ptr<QTextStream> Output;
    ZelApp* TheApp;
    // Guarded: a main widget deleted later means no parent.
    QPointer<QWidget> Parent;
    QString Title;
    int Verbosity;
    QString Filename;
    std::deque<PendingBox> PendingBoxes;
    bool ShowingBox = false;
};

#endif
