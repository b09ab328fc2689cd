// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelapp.h"

#include "zelaboutdlg.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Whether the toolkit has somewhere to show windows: a platform chosen on
// the command line or in QT_QPA_PLATFORM, or a display to connect to.
bool DisplayAvailable(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
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
// reason and status 1, as when Init fails.
int& ZelApp::SelectPlatform(int& argc, char** argv, bool hasInterface)
{
    if (!hasInterface) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!DisplayAvailable(argc, argv)) {
        const QString program =
            argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
        const QString reason = QCoreApplication::translate(
            "ZelApp", "%1: cannot start: no graphical display (DISPLAY and WAYLAND_DISPLAY are not "
                      "set; \"-platform offscreen\" runs without one)");
        std::fprintf(stderr, "%s\n", reason.arg(program).toLocal8Bit().constData());
        std::exit(1);
    }
    return argc;
}

bool ZelApp::InstallTranslation(const QString& catalogue, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>(this);
    if (!translator->load(QLocale::system(), catalogue, QStringLiteral("_"), directory))
        return false;
    return installTranslator(translator.release());
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
