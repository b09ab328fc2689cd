// An application built on the installed frame: derived from ZelApp, run
// without a graphical interface, reporting through the frame's console on
// standard output, from the GUI thread and from a worker thread. It checks a
// few IBM samples with the installed conversion library and exits 0 only
// when all of them convert as expected.
#include "ibmsamples.h"

#include <appconsole.h>
#include <zelapp.h>
#include <zelthreadmessenger.h>

#include <QThread>

class ConsumerApp : public ZelApp
{
public:
    ConsumerApp(int& argc, char** argv)
        : ZelApp(argc, argv, false)
    {}
    ~ConsumerApp() override { delete Console; }

    bool Init() override
    {
        Name = QStringLiteral("ZEL consumer");
        MajorVersion = 1;
        Console = new AppConsole(this, nullptr, QString(), 1);
        return true;
    }

    AppConsole* Console = nullptr;
};

int main(int argc, char** argv)
{
    ConsumerApp app(argc, argv);
    if (!app.Init())
        return 1;

    QStringList report;
    const int failures = CheckIbmSamples(report);
    for (const QString& line : report)
        app.Console->Message(line);
    if (failures != 0)
        app.Console->ErrorMessage(QStringLiteral("%1 IBM samples wrong").arg(failures), false);

    ZelThreadMessenger messenger(app.Console);
    QThread* worker = QThread::create([&messenger] {
        messenger.Report(QStringLiteral("reported from a worker thread"),
                         AppConsole::ThreadMessage);
    });
    QObject::connect(worker, &QThread::finished, &app, &QCoreApplication::quit);
    worker->start();
    const int status = app.exec();
    worker->wait();
    delete worker;
    return failures == 0 ? status : 1;
}
