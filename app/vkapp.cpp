// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "vkapp.h"

#include "vkmainwindow.h"
#include "zelversion.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int ClosingSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A signal handler may do next to nothing: it writes one byte into this
// pipe, whose other end the event loop watches.
int SignalPipe[2] = {-1, -1};

extern "C" void NoteSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with the pipe full, a close is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
    errno = savedErrno;
}

// The toolkit's own options, which QApplication takes out of the command line
// itself. A value follows as the next argument, or for some also after "=".
enum class Value { None, Next, NextOrJoined };

struct ToolkitOption
{
    const char* name;
    Value value;
};

const ToolkitOption ToolkitOptions[] = {
    {"platform", Value::Next},
    {"platformpluginpath", Value::Next},
    {"platformtheme", Value::Next},
    {"plugin", Value::Next},
    {"display", Value::Next},
    {"geometry", Value::Next},
    {"qwindowgeometry", Value::Next},
    {"qwindowicon", Value::Next},
    {"qwindowtitle", Value::Next},
    {"title", Value::Next},
    {"name", Value::Next},
    {"session", Value::NextOrJoined},
    {"style", Value::NextOrJoined},
    {"stylesheet", Value::NextOrJoined},
    {"reverse", Value::None},
    {"widgetcount", Value::None},
    {"sync", Value::None},
    {"nograb", Value::None},
    {"dograb", Value::None},
};

const ToolkitOption* FindToolkitOption(const QByteArray& name)
{
    for (const ToolkitOption& option : ToolkitOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// The options are answered before the toolkit starts, with no catalogue installed.
QString Tr(const char* text)
{
    return ZelApp::TranslateEarly(QStringLiteral("zelvornik"), "VkApp", text);
}

// The toolkit's options with or without a value, as a list wrapped to the
// width of a terminal.
QString ToolkitOptionList(bool withValue, const QString& heading)
{
    QString list = heading;
    int lineStart = 0;
    for (const ToolkitOption& option : ToolkitOptions) {
        if ((option.value != Value::None) != withValue)
            continue;
        const QString name = QLatin1String(" -") + QLatin1String(option.name);
        if (list.size() - lineStart + name.size() > 76) {
            list += QLatin1String("\n   ");
            lineStart = list.size() - 3;
        }
        list += name;
    }
    return list + QLatin1Char('\n');
}

// Prints the text and ends the program before the toolkit starts, with
// status 1 if the text could not be written.
[[noreturn]] void Finish(std::FILE* stream, const QString& text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::exit(std::fflush(stream) == 0 && std::ferror(stream) == 0 ? status : 1);
}

[[noreturn]] void UsageError(const QString& program, const QString& reason)
{
    Finish(stderr,
           Tr(QT_TRANSLATE_NOOP("VkApp", "%1: %2 (\"%1 --help\" lists the options)\n"))
               .arg(program, reason),
           2);
}

} // namespace

// The program's own options need no display: they are answered before the
// toolkit looks for one. The toolkit's options are let through, with their
// values, for QApplication to take.
void args(int& argc, char** argv)
{
    Q_INIT_RESOURCE(zelvornik_translations);
    const QString program =
        argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            return;
        if (argument == "-h" || argument == "--help") {
            Finish(stdout,
                   Tr(QT_TRANSLATE_NOOP(
                          "VkApp",
                          "Usage: %1 [OPTION]...\n"
                          "Shows the main window of ZEL Vornik.\n\n"
                          "  -h, --help     print this help and exit\n"
                          "      --version  print the version of the program and of Qt, and exit\n"
                          "  --             end of the options\n\n"
                          "The toolkit's options, with one dash or two (see %1(1)):\n"))
                           .arg(program) +
                       ToolkitOptionList(true, Tr(QT_TRANSLATE_NOOP("VkApp", "  with a value:"))) +
                       ToolkitOptionList(false, Tr(QT_TRANSLATE_NOOP("VkApp", "  without:"))),
                   0);
        }
        if (argument == "--version") {
            Finish(stdout,
                   QStringLiteral("zel-vornik " ZEL_VERSION_STRING " (Qt %1)\n")
                       .arg(QLatin1String(qVersion())),
                   0);
        }
        if (argument.size() < 2 || argument[0] != '-')
            continue;
        QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
        const int equals = name.indexOf('=');
        if (equals >= 0)
            name.truncate(equals);
        const ToolkitOption* option = FindToolkitOption(name);
        if (!option || (equals >= 0 && option->value != Value::NextOrJoined))
            UsageError(program, Tr(QT_TRANSLATE_NOOP("VkApp", "unknown option '%1'"))
                                    .arg(QString::fromLocal8Bit(argument)));
        if (option->value != Value::None && equals < 0 && ++i >= argc)
            UsageError(program, Tr(QT_TRANSLATE_NOOP("VkApp", "option '%1' needs a value"))
                                    .arg(QString::fromLocal8Bit(argument)));
    }
}

VkApp::VkApp(int& argc, char** argv)
    : ZelApp(argc, argv, true)
{
    // The program's texts, built into it, before any window exists.
    Q_INIT_RESOURCE(zelvornik_translations);
    InstallTranslation(QStringLiteral("zelvornik"), QStringLiteral(":/i18n"));
}

// The handlers go before the pipe they write to.
VkApp::~VkApp()
{
    if (SignalPipe[0] < 0)
        return;
    for (int signal : ClosingSignals)
        std::signal(signal, SIG_DFL);
    ::close(SignalPipe[0]);
    ::close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

bool VkApp::Init()
{
    Name = QStringLiteral("ZEL Vornik");
    MajorVersion = ZEL_VERSION_MAJOR;
    MinorVersion = ZEL_VERSION_MINOR;
    Release = ZEL_VERSION_PATCH;
    // The id of the installed desktop entry, metainfo and icon.
    setDesktopFileName(QStringLiteral("example.zelmorra.Vornik"));

    // The window icon, at every size drawn at build time.
    Q_INIT_RESOURCE(vkicons);
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(file.filePath());
    setWindowIcon(icon);

    MainWindow = new VkMainWindow(this);
    MainWindow->show();
    CloseOnSignals();
    return true;
}

// A request to end the program closes the main window the normal way, so that
// its position is stored and the event loop ends with its own result. The
// signal comes by its own channel, so a move the window system has already
// reported may still wait in the queue: sync() delivers it first, and the
// position stored is the one on the screen.
void VkApp::CloseOnSignals()
{
    if (SignalPipe[0] >= 0 || ::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(SignalPipe[0], bytes, sizeof bytes) > 0) {
        }
        sync();
        MainWindow->close();
    });
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : ClosingSignals)
        sigaction(signal, &action, nullptr);
}
