#include "zelapp.h"

#include "zelaboutdlg.h"

ZelApp::ZelApp(int& argc, char** argv, bool hasInterface)
    : QApplication(SelectPlatform(argc, hasInterface), argv)
    , HasInterface(hasInterface)
    , SavedDir(QString())
{
    // No application name: settings live in the organisation-wide store.
    setOrganizationName(QStringLiteral("Zelmorra Corp"));
    setOrganizationDomain(QStringLiteral("zelmorra.example"));
}

ZelApp::~ZelApp() = default;

// Runs before the QApplication base is built: the platform has to be chosen
// before the toolkit looks for a display, or it aborts when there is none.
int& ZelApp::SelectPlatform(int& argc, bool hasInterface)
{
    if (!hasInterface)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
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
