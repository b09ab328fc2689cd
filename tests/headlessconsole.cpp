// Reports its two arguments, as a message and as an error with a box asked
// for, through the console of an application that has no interface. Exits 0
// when it ran on the offscreen platform.
#include "appconsole.h"
#include "testapp.h"

int main(int argc, char** argv)
{
    TestApp app(argc, argv, false);
    app.Name = QStringLiteral("Headless");
    AppConsole console(&app, nullptr, QString(), 1);
    const QStringList words = QCoreApplication::arguments();
    console.Message(words.value(1));
    console.ErrorMessage(words.value(2), true);
    return QGuiApplication::platformName() == QLatin1String("offscreen") ? 0 : 2;
}
