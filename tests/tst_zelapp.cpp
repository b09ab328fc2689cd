#include "appconsole.h"
#include "testapp.h"
#include "vkapp.h"
#include "vkmainwindow.h"
#include "zelaboutdlg.h"

#include <QProcess>
#include <QtTest>

#include <cstdlib>

namespace {

// A start with no display: of this test's child when it must succeed, else of
// the program. The output expected: on standard output after a start that
// succeeds, else at the end of the one line on standard error.
struct Start
{
    const char* name;
    QStringList arguments, environment;
    int exitCode;
    QByteArray output;
};

const QByteArray NoDisplay = "no graphical display (DISPLAY and WAYLAND_DISPLAY are not set)\n";
const QByteArray DisplayUnset = "no display (DISPLAY is not set)\n";
const QString Child = QStringLiteral("ZEL_TEST_CHILD=interface");
const Start Starts[] = {
    {"headless", {}, {"ZEL_TEST_CHILD=headless"}, 0, "1%\n *** Error:   \xc3\xb6 \xc2\xb5\n"},
    {"-platform", {"-platform", "offscreen"}, {Child}, 0, {}},
    {"--platform", {"--platform", "offscreen"}, {Child}, 0, {}},
    {"QT_QPA_PLATFORM", {}, {Child, "QT_QPA_PLATFORM=offscreen"}, 0, {}},
    {"no display", {}, {}, 1, NoDisplay},
    {"an argument, no display", {"a.sgy"}, {}, 1, NoDisplay},
    {"variables empty", {}, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, 1, NoDisplay},
    {"-platform without a value", {"-platform"}, {}, 1, NoDisplay},
    {"unreachable display", {}, {"DISPLAY=:55"}, 1, "display \":55\" unreachable\n"},
    {"Wayland display alone", {}, {"WAYLAND_DISPLAY=wayland-9"}, 1, DisplayUnset},
    {"X11 platform, no display", {}, {"QT_QPA_PLATFORM=xcb"}, 1, DisplayUnset},
    {"unknown platform", {"-platform", "nonsense"}, {}, 1, "unknown platform \"nonsense\"\n"},
};

// The child, "headless" or with an "interface", ends without flushing standard
// output, so that only what the console flushed itself is seen.
int runChild(int argc, char** argv)
{
    TestApp app(argc, argv, qgetenv("ZEL_TEST_CHILD") == "interface");
    if (!app.HasInterface) {
        AppConsole console(&app, nullptr, QString(), 1);
        console.Message(QStringLiteral("1%"));
        console.ErrorMessage(QStringLiteral("ö µ"), true);
    }
    std::_Exit(QGuiApplication::platformName() == QLatin1String("offscreen") ? 0 : 2);
}

} // namespace

Q_DECLARE_METATYPE(Start)

class TestZelApp : public QObject
{
    Q_OBJECT

private slots:
    void programAndAbout();
    void start_data();
    void start();
};

// The program as Init leaves it (its window's place, title and closing are
// checked on a real display by e2e_mainwindow.sh), then the About dialog:
// modal, closed by its button, a "%" in the name not taken for a placeholder.
void TestZelApp::programAndAbout()
{
    auto* app = static_cast<VkApp*>(QCoreApplication::instance());
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Zelmorra Corp"));
    QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("zelmorra.example"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.zelmorra.Vornik"));
    const VkMainWindow* window = app->MainWindow;
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->VersionTx->text(),
             "version " + QStringLiteral(ZEL_VERSION).section(QLatin1Char('.'), 0, 1));
    QCOMPARE(window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowMaximizeButtonHint),
             Qt::WindowFlags(Qt::Window));
    // The console reports at verbosity 1 and goes with the application.
    QCOMPARE(app->Console->parent(), app);
    QCOMPARE(app->Console->GetVerbosityLevel(), 1);

    app->Name = QStringLiteral("Fix 100%2 %1");
    app->MajorVersion = 4;
    app->MinorVersion = 10;
    app->Release = 2;
    QStringList shown;
    QObject scope;
    QTimer::singleShot(0, &scope, [&shown] {
        if (auto* dialog = qobject_cast<ZelAboutDlg*>(QApplication::activeModalWidget())) {
            shown << dialog->windowTitle() << dialog->ApplicationTx->text()
                  << dialog->CopyrightTx->text();
            dialog->Close->click();
        }
    });
    app->OnAbout();
    QCOMPARE(shown.mid(0, 2), QStringList({"Fix 100%2 %1", "Fix 100%2 %1   version 4.10.2"}));
    QVERIFY(shown.value(2).contains(QCoreApplication::organizationName()));
}

void TestZelApp::start_data()
{
    QTest::addColumn<Start>("start");
    for (const Start& start : Starts)
        QTest::newRow(start.name) << start;
}

// Only what the row names is in the environment, with a UTF-8 locale.
void TestZelApp::start()
{
    QFETCH(Start, start);
    QProcess child;
    child.setEnvironment(start.environment + QStringList{"LC_ALL=C.UTF-8"});
    child.start(start.exitCode == 0 ? QCoreApplication::applicationFilePath()
                                    : QStringLiteral(ZEL_VORNIK),
                start.arguments);
    QVERIFY(child.waitForFinished(20000));

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), start.exitCode);
    const QByteArray output = child.readAllStandardOutput(), errors = child.readAllStandardError();
    QCOMPARE(output, start.exitCode == 0 ? start.output : QByteArray());
    if (start.exitCode != 0) {
        QVERIFY2(errors.startsWith("zel-vornik: cannot start: ") && errors.count('\n') == 1,
                 errors);
        QVERIFY2(errors.endsWith(start.output), errors);
    }
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("ZEL_TEST_CHILD"))
        return runChild(argc, argv);
    VkApp app(argc, argv);
    if (!app.Init())
        return 1;
    TestZelApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelapp.moc"
