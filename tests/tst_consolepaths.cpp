// The console's log under awkward names: home directories and file names
// with spaces, letters outside ASCII and "%" characters give exactly the
// expected log name and file, and messages reach the file and the text
// widget unchanged. A log that cannot be created is reported with its full
// path, however it is spelled, and the console keeps reporting.

#include "appconsole.h"
#include "messageboxrecorder.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include <unistd.h>

namespace {

const QString ErrorPrefix = QStringLiteral(" *** Error:   ");

// Messages that a formatting step would change: placeholders, a lone "%",
// letters outside ASCII, a backslash and a tab.
const QStringList Messages = {
    QStringLiteral("100% done, %1 %2 %n %s %%"),
    QStringLiteral("Größe: 3 µs, naïve café, Ελληνικά, 日本語"),
    QStringLiteral("C:\\temp\\%USERPROFILE%\tend"),
};

} // namespace

class TestConsolePaths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void logNameAndMessagesUnchanged_data();
    void logNameAndMessagesUnchanged();
    void unopenableLogReportsItsPath_data();
    void unopenableLogReportsItsPath();

private:
    QTemporaryDir root;
    QTextEdit widget;
};

void TestConsolePaths::init()
{
    QVERIFY(root.isValid());
    testApp()->Name = QStringLiteral("Paths Test");
    widget.clear();
}

void TestConsolePaths::logNameAndMessagesUnchanged_data()
{
    QTest::addColumn<QString>("homeName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("logName");

    QTest::newRow("spaces") << "my home dir"
                            << "run log . txt"
                            << "run log .console";
    QTest::newRow("non-ASCII") << "Größe ñ 日本"
                               << "données été.log"
                               << "données été.console";
    QTest::newRow("percent") << "100% %1 %s"
                             << "%2 %n%.log"
                             << "%2 %n%.console";
    QTest::newRow("all at once") << " %1 ü x "
                                 << " ü %1 .log"
                                 << " ü %1 .console";
}

void TestConsolePaths::logNameAndMessagesUnchanged()
{
    QFETCH(QString, homeName);
    QFETCH(QString, fileName);
    QFETCH(QString, logName);

    QVERIFY(QDir(root.path()).mkpath(homeName));
    const QString home = root.filePath(homeName);
    testApp()->HomeDir = home;
    const QString logPath = home + QLatin1Char('/') + logName;
    {
        AppConsole console(testApp(), &widget, fileName, 1);
        for (const QString& message : Messages)
            console.Message(message);
        QCOMPARE(console.GetName(), logPath);
        QCOMPARE(console.GetText(), Messages.join(QLatin1Char('\n')));
    }
    // The file carries exactly the expected name, as the directory lists it.
    QCOMPARE(QDir(home).entryList(QDir::Files), QStringList{logName});
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()),
             Messages.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestConsolePaths::unopenableLogReportsItsPath_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<bool>("makeReadOnly");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("missing directory, awkward name")
        << root.filePath(QStringLiteral("gone %1 ü")) << false << "run %2 log.log";
    // Modes do not bind root, but no one may create a file in sysfs.
    if (geteuid() == 0)
        QTest::newRow("no permission") << QStringLiteral("/sys") << false << "run % ü.log";
    else
        QTest::newRow("no permission")
            << root.filePath(QStringLiteral("locked %1")) << true << "run % ü.log";
}

void TestConsolePaths::unopenableLogReportsItsPath()
{
    QFETCH(QString, home);
    QFETCH(bool, makeReadOnly);
    QFETCH(QString, fileName);

    if (makeReadOnly) {
        QVERIFY(QDir().mkpath(home));
        QVERIFY(QFile::setPermissions(home, QFile::ReadOwner | QFile::ExeOwner));
    }
    testApp()->HomeDir = home;
    const QString logPath = home + QLatin1Char('/') + fileName.left(fileName.lastIndexOf('.')) +
                            QStringLiteral(".console");
    const QString report = ErrorPrefix + QStringLiteral("error opening file: ") + logPath;

    MessageBoxRecorder recorder;
    AppConsole console(testApp(), &widget, fileName, 1);
    QCOMPARE(console.GetText(), report);
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].text, report);

    console.Message(Messages[0]);
    QCOMPARE(console.GetText(), report + QLatin1Char('\n') + Messages[0]);
    QVERIFY(!QFile::exists(logPath));
}

ZEL_FRAME_TEST_MAIN(TestConsolePaths)
#include "tst_consolepaths.moc"
