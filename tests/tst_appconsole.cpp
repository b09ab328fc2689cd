#include "appconsole.h"
#include "messageboxrecorder.h"
#include "testapp.h"
#include "zelthreadmessenger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <QUuid>

#include <memory>

namespace {

const QString Warning = QStringLiteral(" ** Warning:   ");
const QString Error = QStringLiteral(" *** Error:   ");
const QString Debug = QStringLiteral("  * Debug:   ");
const QString LowLevel = QStringLiteral("  * LowLevel:   ");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Reports through the thread entry point, which calls the operation of the
// severity that the type code names.
void report(AppConsole& console, int type, const QString& message)
{
    QVERIFY(QMetaObject::invokeMethod(&console, "ProcessThreadMsg", Q_ARG(QString, message),
                                      Q_ARG(int, type)));
}

// Records on which thread and in which order messages are handled.
class RecordingConsole : public AppConsole
{
public:
    using AppConsole::AppConsole;
    void Message(const QString& message) override
    {
        messages.append(message);
        threads.append(QThread::currentThread());
    }
    QStringList messages;
    QVector<QThread*> threads;
};

} // namespace

class TestAppConsole : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void severityAndVerbosity_data();
    void severityAndVerbosity();
    void informationBoxWithoutTextWidget();
    void extraBoxes_data();
    void extraBoxes();

    void logName_data();
    void logName();
    void emptyFileNameKeepsNoLog();
    void logIsTruncatedAndHoldsOneLinePerMessage();
    void unopenableLog_data();
    void unopenableLog();
    void closeEndsLogging();
    void secondOpenKeepsFirstLog();

    void threadSlots_data();
    void threadSlots();
    void workerMessagesArriveInOrderOnGuiThread();

private:
    QString homeFile(const QString& name) const { return home->filePath(name); }

    std::unique_ptr<QTemporaryDir> home;
    QTextEdit widget;
};

void TestAppConsole::init()
{
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    testApp()->Name = QStringLiteral("Console Test");
    testApp()->HomeDir = home->path();
    widget.clear();
}

void TestAppConsole::severityAndVerbosity_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("verbosity");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char* name;
        int type;
        QString prefix;
        QVector<int> verbosities; // at which the severity is written
    } severities[] = {
        {"message", AppConsole::ThreadMessage, QString(), {-1, 0, 1, 2, 3, 4}},
        {"warning", AppConsole::ThreadWarning, Warning, {-1, 0, 1, 2, 3, 4}},
        {"error", AppConsole::ThreadError, Error, {-1, 0, 1, 2, 3, 4}},
        {"debug", AppConsole::ThreadDebug, Debug, {2, 3}},
        {"lowlevel", AppConsole::ThreadLowLevel, LowLevel, {3}},
    };
    for (const auto& severity : severities) {
        for (int verbosity : {-1, 0, 1, 2, 3, 4}) {
            const QString expected = severity.verbosities.contains(verbosity)
                                         ? severity.prefix + QStringLiteral("disk 90% full")
                                         : QString();
            QTest::addRow("%s at %d", severity.name, verbosity)
                << severity.type << verbosity << expected;
        }
    }
}

void TestAppConsole::severityAndVerbosity()
{
    QFETCH(int, type);
    QFETCH(int, verbosity);
    QFETCH(QString, expected);

    AppConsole console(testApp(), &widget, QStringLiteral("levels.log"), verbosity);
    MessageBoxRecorder recorder;
    report(console, type, QStringLiteral("disk 90% full"));

    QCOMPARE(console.GetText(), expected);
    const QByteArray expectedLog = expected.isEmpty() ? QByteArray() : expected.toUtf8() + '\n';
    QCOMPARE(readFile(homeFile(QStringLiteral("levels.console"))), expectedLog);
    QVERIFY(recorder.boxes.isEmpty());
}

void TestAppConsole::informationBoxWithoutTextWidget()
{
    AppConsole console(testApp(), nullptr, QStringLiteral("box.log"), 1);
    MessageBoxRecorder recorder;
    console.Message(QStringLiteral("ready"));

    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].title, QStringLiteral("Console Test"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("ready"));
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Information);
    // The log line is written once the box is closed.
    QCOMPARE(readFile(console.GetName()), QByteArray("ready\n"));
}

void TestAppConsole::extraBoxes_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<bool>("withWidget");
    QTest::addColumn<bool>("postDialog");
    QTest::addColumn<QString>("boxTitle"); // empty: no box
    QTest::addColumn<int>("boxIcon");

    const int info = QMessageBox::Information;
    QTest::newRow("warning, widget, box")
        << false << true << true << "Warning" << int(QMessageBox::Warning);
    QTest::newRow("error, widget, box")
        << true << true << true << "Error" << int(QMessageBox::Critical);
    QTest::newRow("warning, widget, no box") << false << true << false << "" << 0;
    QTest::newRow("error, widget, no box") << true << true << false << "" << 0;
    QTest::newRow("warning, no widget, box") << false << false << true << "Console Test" << info;
    QTest::newRow("error, no widget, box") << true << false << true << "Console Test" << info;
    QTest::newRow("error, no widget, no box") << true << false << false << "Console Test" << info;
}

void TestAppConsole::extraBoxes()
{
    QFETCH(bool, error);
    QFETCH(bool, withWidget);
    QFETCH(bool, postDialog);
    QFETCH(QString, boxTitle);
    QFETCH(int, boxIcon);

    AppConsole console(testApp(), withWidget ? &widget : nullptr, QString(), 1);
    MessageBoxRecorder recorder;
    if (error)
        console.ErrorMessage(QStringLiteral("no space"), postDialog);
    else
        console.WarningMessage(QStringLiteral("no space"), postDialog);

    const QString text = (error ? Error : Warning) + QStringLiteral("no space");
    QCOMPARE(console.GetText(), withWidget ? text : QString());
    if (boxTitle.isEmpty()) {
        QVERIFY(recorder.boxes.isEmpty());
        return;
    }
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].title, boxTitle);
    QCOMPARE(recorder.boxes[0].text, text);
    QCOMPARE(int(recorder.boxes[0].icon), boxIcon);
}

void TestAppConsole::logName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("logName");

    QTest::newRow("extension") << "run.log"
                               << "run.console";
    QTest::newRow("two dots") << "x.y.log"
                              << "x.y.console";
    QTest::newRow("no dot") << "name"
                            << "name.console";
    QTest::newRow("only an extension") << ".log"
                                       << ".console";
    QTest::newRow("dot in directory") << "dir.d/name"
                                      << "dir.console";
    QTest::newRow("subdirectory") << "dir/run.log"
                                  << "dir/run.console";
}

void TestAppConsole::logName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, logName);

    QVERIFY(QDir(home->path()).mkdir(QStringLiteral("dir")));
    AppConsole console(testApp(), &widget, fileName, 1);
    console.Message(QStringLiteral("hello"));

    QCOMPARE(console.GetName(), homeFile(logName));
    QCOMPARE(readFile(console.GetName()), QByteArray("hello\n"));
    QCOMPARE(console.GetText(), QStringLiteral("hello"));
}

void TestAppConsole::emptyFileNameKeepsNoLog()
{
    MessageBoxRecorder recorder;
    AppConsole console(testApp(), &widget, QString(), 1);
    console.Message(QStringLiteral("hello"));

    QVERIFY(console.GetName().isEmpty());
    QVERIFY(QDir(home->path()).isEmpty());
    QCOMPARE(console.GetText(), QStringLiteral("hello"));
    QVERIFY(recorder.boxes.isEmpty());
}

void TestAppConsole::logIsTruncatedAndHoldsOneLinePerMessage()
{
    const QString path = homeFile(QStringLiteral("trunc.console"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("left over from the last run\n");
    old.close();

    AppConsole console(testApp(), &widget, QStringLiteral("trunc.log"), 1);
    QCOMPARE(readFile(path), QByteArray());

    // Read while the console is open: every message is flushed at once.
    console.Message(QStringLiteral("first\nsecond"));
    console.ErrorMessage(QStringLiteral("third"), false);
    QCOMPARE(readFile(path), QByteArray("first\nsecond\n *** Error:   third\n"));
}

void TestAppConsole::unopenableLog_data()
{
    QTest::addColumn<bool>("emptyHome");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("logName");

    const QString missing =
        QStringLiteral("zel-missing-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QTest::newRow("missing directory") << false << "nowhere/run.log"
                                       << "nowhere/run.console";
    QTest::newRow("directory in its place") << false << "taken.log"
                                            << "taken.console";
    // An empty home directory puts the log in the root directory.
    QTest::newRow("empty home") << true << missing + "/run.log" << missing + "/run.console";
}

void TestAppConsole::unopenableLog()
{
    QFETCH(bool, emptyHome);
    QFETCH(QString, fileName);
    QFETCH(QString, logName);

    QVERIFY(QDir(home->path()).mkdir(QStringLiteral("taken.console")));
    if (emptyHome)
        testApp()->HomeDir.clear();
    const QString logPath = testApp()->GetHomeDir() + QLatin1Char('/') + logName;
    MessageBoxRecorder recorder;
    AppConsole console(testApp(), &widget, fileName, 1);

    const QString report = QStringLiteral(" *** Error:   error opening file: ") + logPath;
    QCOMPARE(console.GetName(), logPath);
    QCOMPARE(console.GetText(), report);
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(recorder.boxes[0].text, report);

    console.Message(QStringLiteral("still working"));
    QCOMPARE(console.GetText(), report + QStringLiteral("\nstill working"));
    QVERIFY(!QFileInfo(logPath).isFile());
}

void TestAppConsole::closeEndsLogging()
{
    auto* console = new AppConsole(testApp(), &widget, QStringLiteral("closed.log"), 1);
    console->Message(QStringLiteral("logged"));
    console->Close();
    console->Message(QStringLiteral("shown only"));
    console->Close();
    delete console;

    QCOMPARE(readFile(homeFile(QStringLiteral("closed.console"))), QByteArray("logged\n"));
    QCOMPARE(widget.toPlainText(), QStringLiteral("logged\nshown only"));
}

void TestAppConsole::secondOpenKeepsFirstLog()
{
    AppConsole console(testApp(), &widget, QStringLiteral("first.log"), 1);
    console.Message(QStringLiteral("one"));
    console.Open(QStringLiteral("second.log"));
    console.Message(QStringLiteral("two"));

    QCOMPARE(readFile(homeFile(QStringLiteral("first.console"))), QByteArray("one\n"));
    QCOMPARE(readFile(homeFile(QStringLiteral("second.console"))), QByteArray("two\n"));
    QCOMPARE(console.GetName(), homeFile(QStringLiteral("second.console")));
}

void TestAppConsole::threadSlots_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("boxTitle"); // empty: no box

    const QByteArray plain = "ProcessThreadMsg";
    const QByteArray dialog = "ProcessThreadDlgMsg";
    // Every severity's type code is covered by severityAndVerbosity.
    QTest::newRow("plain 5") << plain << 5 << ""
                             << "";
    QTest::newRow("plain -1") << plain << -1 << ""
                              << "";
    QTest::newRow("dialog 0") << dialog << 0 << ""
                              << "";
    QTest::newRow("dialog 1") << dialog << 1 << Warning + "work"
                              << "Warning";
    QTest::newRow("dialog 2") << dialog << 2 << Error + "work"
                              << "Error";
    QTest::newRow("dialog 3") << dialog << 3 << ""
                              << "";
    QTest::newRow("dialog 4") << dialog << 4 << ""
                              << "";
    QTest::newRow("dialog 5") << dialog << 5 << ""
                              << "";
}

void TestAppConsole::threadSlots()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, type);
    QFETCH(QString, expected);
    QFETCH(QString, boxTitle);

    AppConsole console(testApp(), &widget, QString(), 3);
    MessageBoxRecorder recorder;
    QVERIFY(QMetaObject::invokeMethod(&console, slot.constData(),
                                      Q_ARG(QString, QStringLiteral("work")), Q_ARG(int, type)));

    QCOMPARE(console.GetText(), expected);
    QCOMPARE(recorder.boxes.size(), boxTitle.isEmpty() ? 0 : 1);
    if (!boxTitle.isEmpty())
        QCOMPARE(recorder.boxes[0].title, boxTitle);
}

void TestAppConsole::workerMessagesArriveInOrderOnGuiThread()
{
    RecordingConsole console(testApp(), &widget, QString(), 1);
    ZelThreadMessenger messenger(&console);
    const int count = 200;

    QThread* worker = QThread::create([&messenger] {
        for (int i = 0; i < count; ++i)
            messenger.Report(QString::number(i),
                             i % 2 ? AppConsole::ThreadError : AppConsole::ThreadMessage);
    });
    worker->start();
    QVERIFY(worker->wait(10000));
    delete worker;
    QTRY_COMPARE(console.messages.size(), count);

    for (int i = 0; i < count; ++i) {
        QCOMPARE(console.messages[i], (i % 2 ? Error : QString()) + QString::number(i));
        QCOMPARE(console.threads[i], QThread::currentThread());
    }
}

ZEL_FRAME_TEST_MAIN(TestAppConsole)
#include "tst_appconsole.moc"
