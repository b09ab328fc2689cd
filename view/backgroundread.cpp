// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "backgroundread.h"

#include <QThread>

BackgroundRead::BackgroundRead(QObject* parent)
    : QObject(parent)
{}

BackgroundRead::~BackgroundRead()
{
    Waiting.reset();
    if (Worker) {
        Cancelled = true;
        Worker->wait();
        delete Worker;
    }
}

void BackgroundRead::Start(Work work, Done done)
{
    Waiting = std::make_unique<Job>(Job{std::move(work), std::move(done)});
    if (Worker)
        Cancel();
    else
        runNext();
}

void BackgroundRead::Cancel()
{
    Cancelled = true;
}

bool BackgroundRead::Busy() const
{
    return Worker || Waiting;
}

void BackgroundRead::runNext()
{
    Running = std::move(Waiting);
    Cancelled = false;
    Shown = -1;
    emit Started();
    Worker = QThread::create([this] {
        const ReadProgress progress = [this](qint64 done, qint64 total) {
            const int permille = total > 0 ? int(done * 1000 / total) : 0;
            if (Shown.exchange(permille) != permille)
                emit Progressed(permille);
            return !Cancelled.load();
        };
        const bool completed = Running->Run(progress, Cancelled);
        QMetaObject::invokeMethod(
            this, [this, completed] { finished(completed); }, Qt::QueuedConnection);
    });
    Worker->start();
}

void BackgroundRead::finished(bool completed)
{
    Worker->wait();
    delete Worker;
    Worker = nullptr;
    const std::unique_ptr<Job> job = std::move(Running);
    job->Finish(Cancelled ? Outcome::Cancelled : completed ? Outcome::Completed : Outcome::Failed);
    if (Waiting)
        runNext();
    else if (!Worker)
        emit Idle();
}
