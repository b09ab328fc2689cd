// Loaded into a finished program with LD_PRELOAD, so the program needs no
// test hook of its own: once the program's event loop has run for a moment,
// prints the application's desktop file name and closes every visible
// top-level window, as a user closing the last window would. The program
// then ends the way it ends after any normal close.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void closeWindowsOnceRunning()
{
    QTimer::singleShot(200, QCoreApplication::instance(), [] {
        std::printf("desktop file name: %s\n", qPrintable(QGuiApplication::desktopFileName()));
        std::fflush(stdout);
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            if (window->isVisible())
                window->close();
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeWindowsOnceRunning)
