// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "appconsole.h"
#include "testapp.h"
#include "vkapp.h"
#include "vkmainwindow.h"
#include "zelversion.h"

#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

// A start with no display: of this test's child when the row sets ZEL_TEST_CHILD, else of
// the program. Standard output holds `output` (with `outputStart`, begins with it); a
// failed start says why in one line on standard error: the program's name, then `errors`
// somewhere (a start may try several platforms and name each failure).
struct Start
{
    const char* name;
    QStringList arguments, environment;
    int exitCode;
    QByteArray output, errors = {};
    bool outputStart = false;
};

const QByteArray CannotStart = "cannot start: ";
const QByteArray NoDisplay =
    CannotStart + "no graphical display (DISPLAY and WAYLAND_DISPLAY are not set)\n";
const QByteArray DisplayUnset = CannotStart + "no display (DISPLAY is not set)\n";
const QString Child = QStringLiteral("ZEL_TEST_CHILD=interface");
// The program's window on a desktop of two screens side by side, at 0,0
// (800x600) and 800,0 (1280x1024); positions are of the window's frame.
const QString Place = QStringLiteral("ZEL_TEST_CHILD=place");
const QString TwoScreens = QStringLiteral("QT_QPA_PLATFORM=offscreen:configfile=" ZEL_TEST_SCREENS);
const QByteArray MajorMinor =
    QByteArray::number(ZEL_VERSION_MAJOR) + '.' + QByteArray::number(ZEL_VERSION_MINOR);
const QByteArray Usage = "Usage: zel-vornik [OPTION]...\n";
// The toolkit's options wrapped to fit a terminal.
const QByteArray Help =
    Usage + "Shows the main window of ZEL Vornik.\n"
            "\n"
            "  -h, --help     print this help and exit\n"
            "      --version  print the version of the program and of Qt, and exit\n"
            "  --             end of the options\n"
            "\n"
            "The toolkit's options, with one dash or two (see zel-vornik(1)):\n"
            "  with a value: -platform -platformpluginpath -platformtheme -plugin\n"
            "    -display -geometry -qwindowgeometry -qwindowicon -qwindowtitle -title\n"
            "    -name -session -style -stylesheet\n"
            "  without: -reverse -widgetcount -sync -nograb -dograb\n";
const QByteArray QtVersion = qVersion();
const QString German = QStringLiteral("LC_ALL=de_DE.UTF-8");
const Start Starts[] = {
    {"headless", {}, {"ZEL_TEST_CHILD=headless"}, 0, "1%\n *** Error:   \xc3\xb6 \xc2\xb5\n"},
    {"-platform", {"-platform", "offscreen"}, {Child}, 0, {}},
    {"--platform", {"--platform", "offscreen"}, {Child}, 0, {}},
    {"QT_QPA_PLATFORM", {}, {Child, "QT_QPA_PLATFORM=offscreen"}, 0, {}},
    {"no display", {}, {}, 1, {}, NoDisplay},
    {"an argument, no display", {"a.sgy"}, {}, 1, {}, NoDisplay},
    {"variables empty", {}, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, 1, {}, NoDisplay},
    // The locale need not be installed: the toolkit reads the variables.
    {"German",
     {},
     {"ZEL_TEST_CHILD=texts", "QT_QPA_PLATFORM=offscreen", "LANG=de_DE.UTF-8",
      "LC_ALL=de_DE.UTF-8"},
     0,
     "Version " + MajorMinor + "\nBeenden\nAbbrechen\n"},
    // Texts written before the toolkit starts, from the program's catalogue and the frame's.
    {"German usage", {"--help"}, {German}, 0, "Aufruf: zel-vornik [OPTION]...\n", {}, true},
    {"German, no display",
     {},
     {German},
     1,
     {},
     "kann nicht starten: kein grafischer Bildschirm (DISPLAY und WAYLAND_DISPLAY sind nicht "
     "gesetzt)\n"},
    {"--help", {"-style", "fusion", "--help"}, {}, 0, Help},
    {"-h", {"-h"}, {}, 0, Usage, {}, true},
    {"--version",
     {"--version"},
     {},
     0,
     "zel-vornik " ZEL_VERSION_STRING " (Qt " + QtVersion + ")\n"},
    {"toolkit",
     {"--style=fusion", "-reverse", "-title", "-x", "-display", ":9"},
     {},
     1,
     {},
     NoDisplay},
    {"after --", {"--", "-x", "--help"}, {}, 1, {}, NoDisplay},
    {"unknown option", {"--helpme"}, {}, 2, {}, "unknown option '--helpme'"},
    {"value after = not taken", {"-platform=offscreen"}, {}, 2, {}, "unknown option"},
    {"no value", {"-reverse", "-style"}, {}, 2, {}, "option '-style' needs a value"},
    {"-platform without a value", {"-platform"}, {}, 2, {}, "option '-platform' needs a value"},
    {"unreachable display",
     {},
     {"DISPLAY=:55"},
     1,
     {},
     CannotStart + "display \":55\" unreachable\n"},
    {"Wayland display alone",
     {},
     {"WAYLAND_DISPLAY=wayland-9"},
     1,
     {},
     "no display (DISPLAY is not set)\n"},
    {"X11 platform, no display", {}, {"QT_QPA_PLATFORM=xcb"}, 1, {}, DisplayUnset},
    {"unknown platform",
     {"-platform", "nonsense"},
     {},
     1,
     {},
     CannotStart + "unknown platform \"nonsense\"\n"},
    // What the toolkit said of a platform that failed before one started is not lost.
    {"a platform after one that failed",
     {},
     {Child, "QT_QPA_PLATFORM=xcb;offscreen"},
     0,
     {},
     "could not connect to display"},
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 says of a plugin in QT_QPA_PLATFORM_PLUGIN_PATH that it cannot use
    // that it cannot find it, and its offscreen platform has a single screen.
    {"a platform found but unusable",
     {},
     {"DISPLAY=:55", "QT_QPA_PLATFORM=xcb;broken", "QT_QPA_PLATFORM_PLUGIN_PATH=" ZEL_TEST_PLUGINS},
     1,
     {},
     CannotStart + "display \":55\" unreachable; platform \"broken\" failed to start\n"},
    // Where a window stored partly off the screens opens.
    {"mostly on one of two screens", {}, {Place, TwoScreens, "ZEL_TEST_AT=700,100"}, 0, "698 98\n"},
    {"half below a screen", {}, {Place, TwoScreens, "ZEL_TEST_AT=1500,829"}, 0, "1498 827\n"},
    {"mostly below a screen", {}, {Place, TwoScreens, "ZEL_TEST_AT=1500,900"}, 0, "1315 317\n"},
    {"mostly off two screens", {}, {Place, TwoScreens, "ZEL_TEST_AT=650,500"}, 0, "1315 317\n"},
#endif
};

// The program's main window and a message box's button, as UTF-8 lines.
[[noreturn]] void showTexts(int argc, char** argv)
{
    VkApp app(argc, argv);
    const bool started = app.Init();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    const QByteArray texts =
        (QStringList{app.MainWindow->VersionTx->text(), app.MainWindow->Quit->text(),
                     box.button(QMessageBox::Cancel)->text(), QString()}
             .join(QLatin1Char('\n')))
            .toUtf8();
    std::fwrite(texts.constData(), 1, static_cast<size_t>(texts.size()), stdout);
    std::fflush(stdout);
    std::_Exit(started ? 0 : 1);
}

// The main window's place when its settings hold a window of its size at
// ZEL_TEST_AT ("x,y"), as a line "x y".
[[noreturn]] void showPlace(int argc, char** argv)
{
    VkApp app(argc, argv);
    const QStringList at = qEnvironmentVariable("ZEL_TEST_AT").split(QLatin1Char(','));
    {
        QWidget stored;
        stored.setGeometry(at.value(0).toInt(), at.value(1).toInt(), 250, 390);
        stored.show();
        QSettings(QCoreApplication::organizationName(), QString())
            .setValue(QStringLiteral("MainWindow/Geometry"), stored.saveGeometry());
    }
    app.Init();
    const QPoint place = app.MainWindow->pos();
    std::printf("%d %d\n", place.x(), place.y());
    std::fflush(stdout);
    std::_Exit(0);
}

// The child, "headless" or with an "interface", ends without flushing standard
// output, so that only what the console flushed itself is seen.
int runChild(int argc, char** argv)
{
    if (qgetenv("ZEL_TEST_CHILD") == "texts")
        showTexts(argc, argv);
    if (qgetenv("ZEL_TEST_CHILD") == "place")
        showPlace(argc, argv);
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
    void program();
    void about_data();
    void about();
    void start_data();
    void start();
};

// The program as Init leaves it (its window's place, title and closing are
// checked on a real display by e2e_mainwindow.sh).
void TestZelApp::program()
{
    auto* app = static_cast<VkApp*>(QCoreApplication::instance());
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Zelmorra Corp"));
    QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("zelmorra.example"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.zelmorra.Vornik"));
    const VkMainWindow* window = app->MainWindow;
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->VersionTx->text(), QString::fromLatin1("version " + MajorMinor));
    QCOMPARE(window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowMaximizeButtonHint),
             Qt::WindowFlags(Qt::Window));
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(side, side)));
    // The console reports at verbosity 1 and goes with the application.
    QCOMPARE(app->Console->parent(), app);
    QCOMPARE(app->Console->GetVerbosityLevel(), 1);
}

void TestZelApp::about_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<int>>("version");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("a % in the name") << QStringLiteral("Fix 100%2 %1") << QVector<int>{4, 10, 2}
                                     << QStringLiteral("Fix 100%2 %1   version 4.10.2");
    const QString longName = QStringLiteral("Long Name ").repeated(8);
    QTest::newRow("long name and version")
        << longName << QVector<int>{2147483647, 2147483647, 2147483647}
        << longName + QStringLiteral("   version 2147483647.2147483647.2147483647");
}

// The About dialog: modal, closed by its button, a "%" in the name not taken
// for a placeholder, and every label shown whole, inside the dialog and clear
// of the button, however long the name and version are.
void TestZelApp::about()
{
    QFETCH(QString, name);
    QFETCH(QVector<int>, version);
    QFETCH(QString, shownName);
    auto* app = static_cast<VkApp*>(QCoreApplication::instance());
    app->Name = name;
    app->MajorVersion = version[0];
    app->MinorVersion = version[1];
    app->Release = version[2];
    QStringList shown, cut;
    QObject scope;
    QTimer::singleShot(0, &scope, [&shown, &cut] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown << dialog->windowTitle();
            auto* close = dialog->findChild<QPushButton*>(QStringLiteral("Close"));
            for (const char* name : {"ApplicationTx", "CopyrightTx"}) {
                const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
                shown << label->text();
                const QRect place = label->geometry();
                const QSize whole = label->sizeHint();
                if (place.width() < whole.width() || place.height() < whole.height() ||
                    !dialog->rect().contains(place) || place.intersects(close->geometry()))
                    cut << QStringLiteral("%1 at %2,%3 %4x%5 needs %6x%7 in %8x%9")
                               .arg(QLatin1String(name))
                               .arg(place.x())
                               .arg(place.y())
                               .arg(place.width())
                               .arg(place.height())
                               .arg(whole.width())
                               .arg(whole.height())
                               .arg(dialog->width())
                               .arg(dialog->height());
            }
            close->click();
        }
    });
    app->OnAbout();
    QCOMPARE(shown.mid(0, 2), QStringList({name, shownName}));
    QVERIFY(shown.value(2).contains(QCoreApplication::organizationName()));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
}

void TestZelApp::start_data()
{
    QTest::addColumn<Start>("start");
    for (const Start& start : Starts)
        QTest::newRow(start.name) << start;
}

// Only what the row names is in the environment, with an English UTF-8 locale
// unless the row names another, and this test's settings directory; a failed
// start says why in one line on standard error.
void TestZelApp::start()
{
    QFETCH(Start, start);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    for (const QString& variable : start.environment)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    QProcess child;
    child.setProcessEnvironment(environment);
    const bool ofChild = !start.environment.filter(QStringLiteral("ZEL_TEST_CHILD=")).isEmpty();
    child.start(ofChild ? QCoreApplication::applicationFilePath() : QStringLiteral(ZEL_VORNIK),
                start.arguments);
    QVERIFY(child.waitForFinished(20000));

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), start.exitCode);
    const QByteArray output = child.readAllStandardOutput(), errors = child.readAllStandardError();
    if (start.outputStart)
        QVERIFY2(output.startsWith(start.output), output.constData());
    else
        QCOMPARE(output, start.output);
    // What it prints fits a terminal of 80 columns.
    for (const QByteArray& line : output.split('\n'))
        QVERIFY2(QString::fromUtf8(line).size() < 80, line.constData());
    if (start.exitCode != 0)
        QVERIFY2(errors.startsWith("zel-vornik: ") && errors.contains(start.errors) &&
                     errors.count('\n') == 1,
                 errors.constData());
    else if (!ofChild)
        QCOMPARE(errors, QByteArray());
    else
        QVERIFY2(errors.contains(start.errors), errors.constData());
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
