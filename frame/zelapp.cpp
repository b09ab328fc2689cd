// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelapp.h"

#include "zelaboutdlg.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// The start-up texts are written while the toolkit starts, before the
// catalogues are installed.
QString Translate(const char* text)
{
    return ZelApp::TranslateEarly(QStringLiteral("zelframe"), "ZelApp", text);
}

// Ends the program, before it has a display, with one line on standard error.
[[noreturn]] void CannotStart(const QString& program, const QString& reason)
{
    const QString line =
        Translate(QT_TRANSLATE_NOOP("ZelApp", "%1: cannot start: %2")).arg(program, reason);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// The toolkit's messages while it starts its platform are held back: when the
// start fails, it reports with qFatal and aborts, after several lines of its
// own that suggest reinstalling. Instead the program then names the cause in
// one line and ends with status 1. When the start succeeds, the held
// messages are passed on in their order.
struct HeldMessage
{
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

struct StartMessages
{
    std::mutex lock;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    QString program;
};

StartMessages& PlatformStart()
{
    static StartMessages start;
    return start;
}

void PassOn(const std::vector<HeldMessage>& messages, QtMessageHandler handler)
{
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        handler(message.type, context, message.text);
    }
}

// Why the platform failed, from the toolkit's messages: a display it could
// not reach, or a platform it does not know.
QString PlatformFailure(const std::vector<HeldMessage>& messages)
{
    static const QRegularExpression connectFailed(
        QStringLiteral("could not connect to display (.*)"));
    static const QRegularExpression notFound(
        QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression notLoaded(
        QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\""));
    QStringList causes;
    bool displayNamed = false;
    auto displayCause = [](const QString& display, const char* variable) {
        return display.isEmpty()
                   ? Translate(QT_TRANSLATE_NOOP("ZelApp", "no display (%1 is not set)"))
                         .arg(QLatin1String(variable))
                   : Translate(QT_TRANSLATE_NOOP("ZelApp", "display \"%1\" unreachable"))
                         .arg(display);
    };
    for (const HeldMessage& message : messages) {
        QRegularExpressionMatch match;
        if ((match = connectFailed.match(message.text)).hasMatch()) {
            causes << displayCause(match.captured(1).trimmed(), "DISPLAY");
            displayNamed = true;
        } else if ((match = notFound.match(message.text)).hasMatch()) {
            causes << Translate(QT_TRANSLATE_NOOP("ZelApp", "unknown platform \"%1\""))
                          .arg(match.captured(1));
        } else if ((match = notLoaded.match(message.text)).hasMatch()) {
            const QString platform = match.captured(1);
            if (platform.startsWith(QLatin1String("wayland")))
                causes << displayCause(qEnvironmentVariable("WAYLAND_DISPLAY"), "WAYLAND_DISPLAY");
            else if (platform != QLatin1String("xcb") || !displayNamed)
                causes << Translate(QT_TRANSLATE_NOOP("ZelApp", "platform \"%1\" failed to start"))
                              .arg(platform);
        }
    }
    return causes.isEmpty()
               ? Translate(QT_TRANSLATE_NOOP("ZelApp", "no graphical platform could be started"))
               : causes.join(QLatin1String("; "));
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartMessages& start = PlatformStart();
    std::unique_lock<std::mutex> guard(start.lock);
    if (type != QtFatalMsg) {
        start.held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    if (text.contains(QLatin1String("platform plugin")))
        CannotStart(start.program, PlatformFailure(start.held));
    PassOn(start.held, start.previous);
    start.held.clear();
    start.previous(type, context, text);
}

// Whether the toolkit has somewhere to show windows: a platform chosen on
// the command line or in QT_QPA_PLATFORM, or a display to connect to.
bool DisplayAvailable(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const bool platformOption =
            std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0;
        if (platformOption && i + 1 < argc)
            return true;
    }
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

} // namespace

ZelApp::ZelApp(int& argc, char** argv, bool hasInterface)
    : QApplication(SelectPlatform(argc, argv, hasInterface), argv)
    , HasInterface(hasInterface)
    , SavedDir(QString())
{
    // No application name: settings live in the organisation-wide store.
    setOrganizationName(QStringLiteral("Zelmorra Corp"));
    setOrganizationDomain(QStringLiteral("zelmorra.example"));

    StartMessages& start = PlatformStart();
    const std::lock_guard<std::mutex> guard(start.lock);
    qInstallMessageHandler(start.previous);
    PassOn(start.held, start.previous);
    start.held.clear();

    // Qt's texts first, so that the frame's own take precedence.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    InstallTranslation(QStringLiteral("qtbase"), qtTranslations);
    // Built into the library, which may be a static one.
    Q_INIT_RESOURCE(zelframe_translations);
    InstallTranslation(QStringLiteral("zelframe"), QStringLiteral(":/i18n"));
}

ZelApp::~ZelApp() = default;

// Runs before the QApplication base is built: the platform has to be chosen
// before the toolkit looks for a display, or it aborts when there is none.
// A program with an interface and no display ends here with a one-line
// reason and status 1, as when Init fails; so does one whose display or
// platform the toolkit then fails to open.
int& ZelApp::SelectPlatform(int& argc, char** argv, bool hasInterface)
{
    StartMessages& start = PlatformStart();
    start.program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
    if (!hasInterface) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!DisplayAvailable(argc, argv)) {
        CannotStart(
            start.program,
            Translate(QT_TRANSLATE_NOOP(
                "ZelApp", "no graphical display (DISPLAY and WAYLAND_DISPLAY are not set)")));
    }
    start.previous = qInstallMessageHandler(HoldStartMessage);
    return argc;
}

bool ZelApp::InstallTranslation(const QString& catalogue, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>(this);
    if (!translator->load(QLocale::system(), catalogue, QStringLiteral("_"), directory))
        return false;
    return installTranslator(translator.release());
}

QString ZelApp::TranslateEarly(const QString& catalogue, const char* context, const char* text)
{
    Q_INIT_RESOURCE(zelframe_translations);
    QTranslator translator;
    QString translation;
    if (translator.load(QLocale::system(), catalogue, QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        translation = translator.translate(context, text);
    return translation.isEmpty() ? QString::fromUtf8(text) : translation;
}

QString ZelApp::GetHomeDir() const
{
    return HomeDir;
}

void ZelApp::OnAbout()
{
    ZelAboutDlg dialog(this);
    dialog.exec();
}
