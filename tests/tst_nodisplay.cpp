// The program started where there is no display at all must not abort with
// a core dump: it prints one line naming the problem and ends with status 1.

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class TestNoDisplay : public QObject
{
    Q_OBJECT

private slots:
    void explainsAndExits_data();
    void explainsAndExits();
};

void TestNoDisplay::explainsAndExits_data()
{
    QTest::addColumn<QString>("emptyValue");
    QTest::newRow("variables unset") << QString();
    QTest::newRow("variables empty") << QString("");
}

void TestNoDisplay::explainsAndExits()
{
    QFETCH(QString, emptyValue);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
        if (!emptyValue.isNull())
            environment.insert(QLatin1String(name), emptyValue);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZEL_VORNIK), QStringList());
    QVERIFY(program.waitForFinished(20000));

    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(errors.count('\n'), 1);
    QVERIFY2(errors.startsWith("zel-vornik: cannot start: no graphical display"), errors);
    QVERIFY(errors.contains("DISPLAY"));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "tst_nodisplay.moc"
