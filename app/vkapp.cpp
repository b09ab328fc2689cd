#include "vkapp.h"

#include "vkmainwindow.h"

void args(int& /*argc*/, char** /*argv*/) {}

VkApp::VkApp(int& argc, char** argv)
    : ZelApp(argc, argv, true)
{}

VkApp::~VkApp() = default;

bool VkApp::Init()
{
    Name = QStringLiteral("ZEL Vornik");
    MajorVersion = VK_VERSION_MAJOR;
    MinorVersion = VK_VERSION_MINOR;
    Release = VK_VERSION_PATCH;

    MainWindow = new VkMainWindow(this);
    MainWindow->show();
    return true;
}
