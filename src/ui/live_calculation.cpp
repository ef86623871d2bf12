// SPDX-License-Identifier: GPL-3.0-or-later
// The worker of the window's calculations: one calculation at a time, on a thread of its own that
// shares nothing with the window but the cancel flag; what it reports on the way is copied into
// calls queued to the window's thread.
#include "ui/live_calculation.h"

#include <QElapsedTimer>
#include <QThread>

namespace ab {

LiveCalculation::LiveCalculation(std::function<CalculatedCopy(SolverData&&)> take,
                                 std::function<void(CalculatedCopy&&)> give, QObject* parent)
    : QObject(parent), takeCopy(std::move(take)), deliver(std::move(give))
{
    pause.setSingleShot(true);
    pause.setInterval(150);
    connect(&pause, &QTimer::timeout, this, [this] {
        if (job)
            startWhenIdle = true; // the cancelled one leaves at its next pivot step
        else
            start();
    });
}

LiveCalculation::~LiveCalculation()
{
    if (worker) {
        job->cancel = true;
        worker->disconnect(this);
        worker->wait();
        delete worker;
    }
}

void LiveCalculation::setEnabled(bool enable)
{
    on = enable;
    if (!on)
        cancel();
}

void LiveCalculation::geometryChanged()
{
    ++current;
    if (job && !job->explicitRun)
        job->cancel = true;
    if (on)
        pause.start();
}

void LiveCalculation::cancel()
{
    ++current;
    pause.stop();
    startWhenIdle = false;
    if (job && !job->explicitRun)
        job->cancel = true;
}

void LiveCalculation::calculateNow(CalculatedCopy&& copy, CalculationProgress progress,
                                   std::function<void(CalculatedCopy&&)> finished)
{
    cancel();
    auto next = std::make_unique<Job>();
    next->copy = std::move(copy);
    next->language = language;
    next->explicitRun = true;
    next->finished = std::move(finished);
    // The reports are made on the worker; the window hears them on its own thread, in order.
    if (progress.stage)
        next->progress.stage = [this, stage = std::move(progress.stage)](StageReport&& report) {
            QMetaObject::invokeMethod(this, [stage, report = std::move(report)]() mutable { stage(std::move(report)); },
                                      Qt::QueuedConnection);
        };
    if (progress.countdown) {
        auto sincePosted = std::make_shared<QElapsedTimer>();
        next->progress.countdown = [this, sincePosted, countdown = std::move(progress.countdown)](int remaining) {
            // A label text per pivot step would cost more than the elimination itself.
            if (remaining != 0 && sincePosted->isValid() && sincePosted->elapsed() < 30)
                return;
            sincePosted->start();
            QMetaObject::invokeMethod(this, [countdown, remaining] { countdown(remaining); }, Qt::QueuedConnection);
        };
    }
    if (job)
        pending = std::move(next); // the cancelled one leaves at its next pivot step
    else
        run(std::move(next));
}

void LiveCalculation::cancelNow()
{
    if (pending) {
        std::unique_ptr<Job> dropped = std::move(pending);
        dropped->copy.run.cancelled = dropped->copy.run.failed = true;
        dropped->finished(std::move(dropped->copy));
    }
    if (job && job->explicitRun)
        job->cancel = true;
}

void LiveCalculation::start()
{
    auto next = std::make_unique<Job>();
    next->copy = takeCopy(std::move(spare));
    next->generation = current;
    next->language = language;
    run(std::move(next));
}

void LiveCalculation::run(std::unique_ptr<Job> next)
{
    job = std::move(next);
    Job* j = job.get();
    worker = QThread::create([j] { calculateCopy(j->copy, j->language, &j->cancel, j->progress); });
    worker->setObjectName("LiveCalculation");
    connect(worker, &QThread::finished, this, &LiveCalculation::jobFinished);
    worker->start();
}

void LiveCalculation::jobFinished()
{
    worker->deleteLater();
    worker = nullptr;
    std::unique_ptr<Job> done = std::move(job);
    if (done->explicitRun)
        done->finished(std::move(done->copy));
    else if (on && !done->copy.run.cancelled && done->generation == current)
        deliver(std::move(done->copy));
    else
        spare = std::move(done->copy.solver);
    if (pending) {
        run(std::move(pending));
    } else if (startWhenIdle && on) {
        startWhenIdle = false;
        start();
    }
}

} // namespace ab
