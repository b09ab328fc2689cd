// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_BACKGROUNDREAD_H
#define ZELVIEW_BACKGROUNDREAD_H

#include "sectionread.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

/// Runs the viewer's long reads one at a time on a worker thread, so that
/// the window stays responsive: each job reports its progress, can be
/// cancelled, and hands its result back on the window's thread. A job
/// started while another runs cancels that one and follows it.
class BackgroundRead : public QObject
{
    Q_OBJECT

public:
    /// The work, run on the worker thread: it reports to @p progress, which
    /// returns false once the job is cancelled, may watch @p cancelled
    /// itself, and returns whether it completed.
    using Work =
        std::function<bool(const ReadProgress& progress, const std::atomic<bool>& cancelled)>;
    /// How a job ended.
    enum class Outcome { Completed, Failed, Cancelled };
    /// Called on the window's thread once the work has returned.
    using Done = std::function<void(Outcome outcome)>;

    explicit BackgroundRead(QObject* parent = nullptr);
    /// Cancels the running job and waits for it; no Done is called then.
    ~BackgroundRead() override;

    /// Runs @p work, then @p done; a job waiting to run is dropped.
    void Start(Work work, Done done);
    /// Asks the running job to stop; its Done is still called.
    void Cancel();
    /// Whether a job runs or waits.
    bool Busy() const;

signals:
    /// A job began.
    void Started();
    /// The running job's progress, in thousandths.
    void Progressed(int permille);
    /// The last job ended and none waits.
    void Idle();

private:
    struct Job
    {
        Work Run;
        Done Finish;
    };
    void runNext();
    void finished(bool completed);

    QThread* Worker = nullptr;
    std::unique_ptr<Job> Running;
    std::unique_ptr<Job> Waiting;
    std::atomic<bool> Cancelled{false};
    std::atomic<int> Shown{-1};
};

#endif
