#include "vkapp.h"

#include "vkmainwindow.h"
#include "zelversion.h"

void args(int& /*argc*/, char** /*argv*/) {}

VkApp::VkApp(int& argc, char** argv)
    : ZelApp(argc, argv, true)
{
    // The program's texts, built into it, before any window exists.
    Q_INIT_RESOURCE(zelvornik_translations);
    InstallTranslation(QStringLiteral("zelvornik"), QStringLiteral(":/i18n"));
}

VkApp::~VkApp() = default;

bool VkApp::Init()
{
    Name = QStringLiteral("ZEL Vornik");
    MajorVersion = ZEL_VERSION_MAJOR;
    MinorVersion = ZEL_VERSION_MINOR;
    Release = ZEL_VERSION_PATCH;
    // The id of the installed desktop entry, metainfo and icon.
    setDesktopFileName(QStringLiteral("example.zelmorra.Vornik"));

    MainWindow = new VkMainWindow(this);
    MainWindow->show();
    return true;
}
