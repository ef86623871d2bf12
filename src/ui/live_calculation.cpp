// SPDX-License-Identifier: GPL-3.0-or-later
// The worker of the calculation while editing: one calculation at a time, on a thread of its own
// that shares nothing with the window but the cancel flag.
#include "ui/live_calculation.h"

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
    if (job)
        job->cancel = true;
    if (on)
        pause.start();
}

void LiveCalculation::cancel()
{
    ++current;
    pause.stop();
    startWhenIdle = false;
    if (job)
        job->cancel = true;
}

void LiveCalculation::start()
{
    job = std::make_unique<Job>();
    job->copy = takeCopy(std::move(spare));
    job->generation = current;
    job->language = language;
    Job* j = job.get();
    worker = QThread::create([j] { calculateCopy(j->copy, j->language, &j->cancel); });
    worker->setObjectName("LiveCalculation");
    connect(worker, &QThread::finished, this, &LiveCalculation::jobFinished);
    worker->start();
}

void LiveCalculation::jobFinished()
{
    worker->deleteLater();
    worker = nullptr;
    std::unique_ptr<Job> done = std::move(job);
    if (on && !done->copy.run.cancelled && done->generation == current)
        deliver(std::move(done->copy));
    else
        spare = std::move(done->copy.solver);
    if (startWhenIdle && on) {
        startWhenIdle = false;
        start();
    }
}

} // namespace ab
