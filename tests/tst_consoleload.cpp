// Load on the console's thread entry point: four worker threads each send
// 25,000 messages through a ZelThreadMessenger into a console with a text
// widget while the GUI thread runs its event loop. Every message must
// arrive, each thread's in the order sent, and the event loop must go on
// serving a timer: only that timer ends the test. The time taken, how often
// the loop turned while messages were arriving and its longest pause are
// printed, not judged: they depend on the machine.

#include "appconsole.h"
#include "testapp.h"
#include "zelthreadmessenger.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <thread>
#include <vector>

namespace {

constexpr int WorkerCount = 4;
constexpr int MessagesPerWorker = 25000;
constexpr int TotalMessages = WorkerCount * MessagesPerWorker;

} // namespace

// The messages pass through Qt's event queue, whose locking happens inside
// Qt's libraries, which are not built with ThreadSanitizer: it is told to
// leave the calls made from there untracked instead of taking the hand-over
// for a race. The workers are plain threads, which it still follows fully.
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif

class TestConsoleLoad : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageArrivesInOrder();
};

void TestConsoleLoad::everyMessageArrivesInOrder()
{
    QTextEdit widget;
    AppConsole console(testApp(), &widget, QString(), 1);
    ZelThreadMessenger messenger(&console);

    const auto sendAll = [&messenger](int worker) {
        const QString sender = QStringLiteral("worker %1 message ").arg(worker);
        for (int i = 0; i < MessagesPerWorker; ++i)
            messenger.Report(sender + QString::number(i), AppConsole::ThreadMessage);
    };

    // The heartbeat measures how long the event loop goes without turning;
    // it ends the loop once every message is in the widget. Queued calls are
    // handled in passes over everything posted so far, so a flood delays it.
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 longestPause = 0;
    int beatsWhileArriving = 0;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestPause = qMax(longestPause, now - lastBeat);
        lastBeat = now;
        const int arrived = widget.document()->blockCount();
        if (arrived == TotalMessages)
            loop.quit();
        else if (arrived > 1)
            ++beatsWhileArriving;
    });
    QTimer::singleShot(300000, &loop, [&loop] { loop.exit(1); });

    clock.start();
    heartbeat.start();
    std::vector<std::thread> workers;
    workers.reserve(WorkerCount);
    for (int worker = 0; worker < WorkerCount; ++worker)
        workers.emplace_back(sendAll, worker);
    const int timedOut = loop.exec();
    const qint64 elapsed = clock.elapsed();
    for (std::thread& worker : workers)
        worker.join();

    qInfo("%d messages from %d threads delivered in %lld ms; the event loop turned %d times "
          "while they arrived, longest pause %lld ms",
          TotalMessages, WorkerCount, elapsed, beatsWhileArriving, longestPause);
    QCOMPARE(timedOut, 0);
    QCOMPARE(widget.document()->blockCount(), TotalMessages);

    std::vector<int> nextFrom(WorkerCount, 0);
    for (QTextBlock block = widget.document()->begin(); block.isValid(); block = block.next()) {
        const QStringList words = block.text().split(QLatin1Char(' '));
        QCOMPARE(words.size(), 4);
        const int worker = words[1].toInt();
        QVERIFY(worker >= 0 && worker < WorkerCount);
        QCOMPARE(words[3].toInt(), nextFrom[worker]);
        ++nextFrom[worker];
    }
    for (int worker = 0; worker < WorkerCount; ++worker)
        QCOMPARE(nextFrom[worker], MessagesPerWorker);
}

ZEL_FRAME_TEST_MAIN(TestConsoleLoad)
#include "tst_consoleload.moc"
