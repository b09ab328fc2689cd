// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "appconsole.h"

#include "zelapp.h"

#include <QFile>
#include <QMessageBox>
#include <QTextEdit>
#include <QTextStream>

#include <cstdio>

namespace {

const QString WarningPrefix = QStringLiteral(" ** Warning:   ");
const QString ErrorPrefix = QStringLiteral(" *** Error:   ");
const QString DebugPrefix = QStringLiteral("  * Debug:   ");
const QString LowLevelPrefix = QStringLiteral("  * LowLevel:   ");

// In the locale's encoding, so that text outside ASCII reaches the terminal
// intact; flushed so that reports keep their place among other output.
void WriteToStandardOutput(const QString& message)
{
    const QByteArray line = message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fflush(stdout);
}

// One report, one log line: line breaks in the text are written as "\n" and
// "\r", so that a report cannot forge further lines.
QString OneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

} // namespace

AppConsole::AppConsole(ZelApp* theApp, QTextEdit* textCtrl, const QString& fileName, int verbosity)
    : QObject(nullptr)
    , HasGui(theApp->HasInterface)
    , OutputText(textCtrl)
    , TheApp(theApp)
    , Parent(theApp->MainWidget)
    , Title(theApp->Name)
    , Verbosity(verbosity)
{
    Open(fileName);
}

// The stream goes before the file it writes to.
AppConsole::~AppConsole() = default;

void AppConsole::Open(const QString& fileName)
{
    Close();
    Filename.clear();
    if (fileName.isEmpty())
        return;

    // The last "." anywhere in the name, a directory part included.
    const int lastDot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString baseName = lastDot < 0 ? fileName : fileName.left(lastDot);
    Filename = TheApp->GetHomeDir() + QLatin1Char('/') + baseName + QStringLiteral(".console");

    auto file = std::make_unique<QFile>(Filename);
    if (!file->open(QIODevice::WriteOnly)) {
        ErrorMessage(tr("error opening file: %1").arg(Filename), true);
        return;
    }
    File = std::move(file);
    Output = std::make_unique<QTextStream>(File.get());
}

void AppConsole::Close()
{
    if (!Output)
        return;
    Output.reset();
    File.reset();
}

// The log line is written first, when the report arrives: a box shown
// afterwards may let later reports in before it is closed.
void AppConsole::Message(const QString& message)
{
    const QString logError = WriteLog(message);
    if (OutputText)
        OutputText->append(message);
    else if (HasGui)
        ShowBox(BoxKind::Information, Title, message);
    else
        WriteToStandardOutput(message);
    if (!logError.isEmpty())
        ErrorMessage(logError, true);
}

void AppConsole::ErrorMessage(const QString& message, bool postDialog)
{
    const QString text = ErrorPrefix + message;
    Message(text);
    if (OutputText && postDialog)
        ShowBox(BoxKind::Critical, tr("Error"), text);
}

void AppConsole::WarningMessage(const QString& message, bool postDialog)
{
    const QString text = WarningPrefix + message;
    Message(text);
    if (OutputText && postDialog)
        ShowBox(BoxKind::Warning, tr("Warning"), text);
}

// Returns the report of a failed write, empty when the line was written. A
// failed write (a full disk, say) closes the log: the stream and the file
// would otherwise keep every unwritten line in memory.
QString AppConsole::WriteLog(const QString& message)
{
    if (!Output)
        return {};
    *Output << OneLine(message) << '\n';
    Output->flush();
    if (Output->status() == QTextStream::Ok)
        return {};
    const QString reason = File->errorString();
    Close();
    return tr("error writing file: %1: %2").arg(Filename, reason);
}

// Each box runs an event loop of its own. A box asked for meanwhile, by a
// queued report from another thread say, waits in PendingBoxes and is shown
// by the call that opened the first box, after it: one box at a time, in
// the order asked, however many reports come in.
void AppConsole::ShowBox(BoxKind kind, const QString& title, const QString& text)
{
    PendingBoxes.push_back({kind, title, text});
    if (ShowingBox)
        return;
    ShowingBox = true;
    while (!PendingBoxes.empty()) {
        const PendingBox box = std::move(PendingBoxes.front());
        PendingBoxes.pop_front();
        switch (box.kind) {
        case BoxKind::Information:
            QMessageBox::information(Parent, box.title, box.text);
            break;
        case BoxKind::Warning:
            QMessageBox::warning(Parent, box.title, box.text);
            break;
        case BoxKind::Critical:
            QMessageBox::critical(Parent, box.title, box.text);
            break;
        }
    }
    ShowingBox = false;
}

void AppConsole::DebugMessage(const QString& message)
{
    if (Verbosity == 2 || Verbosity == 3)
        Message(DebugPrefix + message);
}

void AppConsole::LowLevelMessage(const QString& message)
{
    if (Verbosity == 3)
        Message(LowLevelPrefix + message);
}

int AppConsole::GetVerbosityLevel() const
{
    return Verbosity;
}

void AppConsole::SetVerbosityLevel(int verbosity)
{
    Verbosity = verbosity;
}

QString AppConsole::GetName() const
{
    return Filename;
}

QString AppConsole::GetText() const
{
    return OutputText ? OutputText->toPlainText() : QString();
}

void AppConsole::ProcessThreadMsg(QString message, int type)
{
    switch (type) {
    case ThreadMessage:
        Message(message);
        break;
    case ThreadWarning:
        WarningMessage(message, false);
        break;
    case ThreadError:
        ErrorMessage(message, false);
        break;
    case ThreadDebug:
        DebugMessage(message);
        break;
    case ThreadLowLevel:
        LowLevelMessage(message);
        break;
    default:
        break;
    }
}

void AppConsole::ProcessThreadDlgMsg(QString message, int type)
{
    if (type == ThreadWarning)
        WarningMessage(message, true);
    else if (type == ThreadError)
        ErrorMessage(message, true);
}
