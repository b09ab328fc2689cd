// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "appconsole.h"
#include "testapp.h"
#include "zelthreadmessenger.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <thread>

namespace {

// M, W, E, D, L: the line that a message, warning, error, debug, low-level report shows.
const QString Text = QStringLiteral("Größe 90% %1");
const QString M = Text, W = " ** Warning:   " + Text, E = " *** Error:   " + Text;
const QString D = "  * Debug:   " + Text, L = "  * LowLevel:   " + Text, Box = "App|";

// Given the verbosity, a text widget or none, and the call with a box or not: the
// lines shown on the display target and logged, and the boxes as "title|text".
struct Reports
{
    const char* name;
    int verbosity;
    bool withWidget;
    void (ZelThreadMessenger::*report)(const QString&, int);
    QStringList shown, boxes;
};
const auto Plain = &ZelThreadMessenger::Report, Boxed = &ZelThreadMessenger::ReportWithDialog;

const Reports ReportRows[] = {
    {"verbosity 1", 1, true, Plain, {M, W, E}, {}},
    {"verbosity 2", 2, true, Plain, {M, W, E, D}, {}},
    {"verbosity 3", 3, true, Plain, {M, W, E, D, L}, {}},
    {"verbosity 4", 4, true, Plain, {M, W, E}, {}},
    {"no widget", 3, false, Plain, {M, W, E, D, L}, {Box + M, Box + W, Box + E, Box + D, Box + L}},
    {"box", 3, true, Boxed, {W, E}, {"Warning|" + W, "Error|" + E}},
    {"box, no widget", 3, false, Boxed, {W, E}, {Box + W, Box + E}},
};

// Whether a file descriptor of this process is open on @p path.
bool isOpen(const QString& path)
{
    const QFileInfoList open = QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System);
    return std::any_of(open.begin(), open.end(),
                       [&path](const QFileInfo& file) { return file.symLinkTarget() == path; });
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

Q_DECLARE_METATYPE(Reports)

class TestAppConsole : public QObject
{
    Q_OBJECT

public:
    // Every modal message box is noted, then accepted as a user would.
    TestAppConsole()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->windowTitle() + QLatin1Char('|') + box->text();
                box->accept();
            }
        });
        poll.start(10);
    }

private slots:
    void init();
    void reports_data();
    void reports();
    void log_data();
    void log();
    void workerReportsArriveInOrder();
    void reportsWaitForTheOpenBox_data();
    void reportsWaitForTheOpenBox();
    void unwritableLog();
    void lineBreaksAreEscapedInTheLog();
    void deletedMainWidget();

private:
    TestApp* app = static_cast<TestApp*>(QCoreApplication::instance());
    QTemporaryDir root;
    int run = 0;
    QTextEdit widget;
    QTimer poll;
    QStringList boxes;
};

// A fresh home directory, its name with spaces and letters outside ASCII.
void TestAppConsole::init()
{
    app->Name = QStringLiteral("App");
    app->HomeDir = root.filePath(QStringLiteral("home Größe 日本 %1").arg(++run));
    QVERIFY(QDir(app->HomeDir).mkpath(QStringLiteral("d.console")));
    QFile earlierLog(app->HomeDir + QStringLiteral("/r.console"));
    QVERIFY(earlierLog.open(QIODevice::WriteOnly) && earlierLog.write("earlier\n") == 8);
    widget.clear();
    boxes.clear();
}

void TestAppConsole::reports_data()
{
    QTest::addColumn<Reports>("reports");
    for (const Reports& row : ReportRows)
        QTest::newRow(row.name) << row;
}

void TestAppConsole::reports()
{
    QFETCH(Reports, reports);
    AppConsole console(app, reports.withWidget ? &widget : nullptr, "r.log", reports.verbosity);
    ZelThreadMessenger messenger(&console);
    // An unknown type code, then message, warning, error, debug and low-level.
    for (int type : {5, 0, 1, 2, 3, 4})
        (messenger.*reports.report)(Text, type);
    const QString shown = reports.shown.join(QLatin1Char('\n'));
    QCOMPARE(console.GetText(), reports.withWidget ? shown : QString());
    QCOMPARE(boxes, reports.boxes);
    // Read while open: each line is flushed at once; the earlier log is gone.
    QCOMPARE(readFile(console.GetName()), (shown + QLatin1Char('\n')).toUtf8());
}

// A second log replaces the first (home directory, "/", name without its last
// extension, ".console") or is reported; Close and an empty name end logging.
void TestAppConsole::log_data()
{
    QTest::addColumn<QStringList>("names"); // the file name, the log's name
    QTest::addColumn<bool>("opens");
    QTest::newRow("extension") << QStringList{"été ñ.log", "été ñ.console"} << true;
    QTest::newRow("no dot") << QStringList{"name", "name.console"} << true;
    QTest::newRow("only an extension") << QStringList{".log", ".console"} << true;
    QTest::newRow("dot in a directory") << QStringList{"dir.d/name", "dir.console"} << true;
    QTest::newRow("subdirectory") << QStringList{"d.console/a.b", "d.console/a.console"} << true;
    QTest::newRow("missing directory") << QStringList{"no %1/a.log", "no %1/a.console"} << false;
    QTest::newRow("directory in its place") << QStringList{"d.log", "d.console"} << false;
}

void TestAppConsole::log()
{
    QFETCH(QStringList, names);
    QFETCH(bool, opens);
    const QString logPath = app->HomeDir + QLatin1Char('/') + names[1];
    const QString error = " *** Error:   error opening file: " + logPath;
    AppConsole console(app, &widget, QStringLiteral("first.log"), 1);
    console.Message(QStringLiteral("first"));
    console.Open(names[0]);
    console.Message(Text);
    QCOMPARE(console.GetName(), logPath);
    console.Close();
    console.Close();
    console.Message(QStringLiteral("last"));
    console.Open(QString());
    QVERIFY(console.GetName().isEmpty());

    QCOMPARE(console.GetText(), "first\n" + (opens ? Text : error + '\n' + Text) + "\nlast");
    QCOMPARE(boxes, opens ? QStringList() : QStringList{"Error|" + error});
    QCOMPARE(readFile(logPath), opens ? Text.toUtf8() + '\n' : "<unreadable>");
    QCOMPARE(readFile(app->HomeDir + QStringLiteral("/first.console")), QByteArray("first\n"));
}

// Four threads report at once: every report arrives, each thread's in order.
void TestAppConsole::workerReportsArriveInOrder()
{
    AppConsole console(app, &widget, QString(), 1);
    ZelThreadMessenger messenger(&console);
    QStringList sent[4];
    std::thread workers[4];
    for (int worker = 0; worker < 4; ++worker) {
        for (int i = 0; i < 2500; ++i)
            sent[worker] << QStringLiteral("%1:%2").arg(worker).arg(i);
        workers[worker] = std::thread([&messenger, &own = sent[worker]] {
            for (const QString& text : own)
                messenger.Report(text, AppConsole::ThreadMessage);
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    QCoreApplication::sendPostedEvents(); // the queued reports
    const QStringList arrived = widget.toPlainText().split(QLatin1Char('\n'));
    for (int worker = 0; worker < 4; ++worker)
        QCOMPARE(arrived.filter(QStringLiteral("%1:").arg(worker)), sent[worker]);
}

// A worker's reports arrive while the first box is open: each box waits for the
// one before it (not opened inside it), and the log keeps the order sent.
void TestAppConsole::reportsWaitForTheOpenBox_data()
{
    QTest::addColumn<bool>("withWidget");
    QTest::newRow("information boxes") << false;
    QTest::newRow("error boxes over a text widget") << true;
}

void TestAppConsole::reportsWaitForTheOpenBox()
{
    QFETCH(bool, withWidget);
    AppConsole console(app, withWidget ? &widget : nullptr, QStringLiteral("order.log"), 1);
    ZelThreadMessenger messenger(&console);
    QStringList logged, shown;
    for (int i = 0; i < 100; ++i) {
        logged << " *** Error:   " + QString::number(i);
        shown << (withWidget ? "Error|" : Box) + logged.last();
    }
    std::thread([&messenger] {
        for (int i = 0; i < 100; ++i)
            messenger.ReportWithDialog(QString::number(i), AppConsole::ThreadError);
    }).join();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(boxes, shown);
    QCOMPARE(readFile(console.GetName()), (logged.join(QLatin1Char('\n')) + '\n').toUtf8());
}

// A log that cannot be written is reported once and closed, so that it keeps
// no unwritten lines; the reports go on reaching the display.
void TestAppConsole::unwritableLog()
{
    const QString full = QStringLiteral("/dev/full");
    const QString logPath = app->HomeDir + QStringLiteral("/full.console");
    QVERIFY(QFile::link(full, logPath));
    AppConsole console(app, &widget, QStringLiteral("full.log"), 1);
    QVERIFY(isOpen(full));
    for (int i = 0; i < 3; ++i)
        console.Message(Text);
    const QString error =
        " *** Error:   error writing file: " + logPath + ": No space left on device";
    QCOMPARE(console.GetText(), QStringList({Text, error, Text, Text}).join(QLatin1Char('\n')));
    QCOMPARE(boxes, QStringList{"Error|" + error});
    QVERIFY(!isOpen(full));
}

// One report is one log line, whatever line breaks its text holds.
void TestAppConsole::lineBreaksAreEscapedInTheLog()
{
    AppConsole console(app, &widget, QStringLiteral("breaks.log"), 1);
    console.Message(QStringLiteral("a\n *** Error:   b\r\nc"));
    QCOMPARE(readFile(console.GetName()), QByteArray("a\\n *** Error:   b\\r\\nc\n"));
}

// The main widget goes before the console: reports show in a box without a parent.
void TestAppConsole::deletedMainWidget()
{
    auto* mainWidget = new QWidget;
    app->MainWidget = mainWidget;
    AppConsole console(app, nullptr, QString(), 1);
    delete mainWidget;
    app->MainWidget = nullptr;
    console.Message(Text);
    QCOMPARE(boxes, QStringList{Box + Text});
}

int main(int argc, char** argv)
{
    TestApp app(argc, argv, true);
    TestAppConsole test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appconsole.moc"
