#include "testapp.h"

#include <QProcess>
#include <QProcessEnvironment>

class TestZelApp : public QObject
{
    Q_OBJECT

private slots:
    void identity();
    void startsWithoutDisplayAndPrintsReports();
};

void TestZelApp::identity()
{
    auto* app = static_cast<ZelApp*>(QCoreApplication::instance());
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Zelmorra Corp"));
    QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("zelmorra.example"));
    QVERIFY(app->GetHomeDir().isEmpty());
}

// Without an interface the program must start with no display at all and
// print reports unchanged: "%" kept, text outside ASCII intact, no box.
void TestZelApp::startsWithoutDisplayAndPrintsReports()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));

    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(HEADLESS_CONSOLE),
                {QStringLiteral("100% done %1 %s"), QStringLiteral("Größe: 3 µs")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(),
             QByteArray("100% done %1 %s\n *** Error:   Gr\xc3\xb6\xc3\x9f"
                        "e: 3 \xc2\xb5s\n"));
}

ZEL_FRAME_TEST_MAIN(TestZelApp)
#include "tst_zelapp.moc"
