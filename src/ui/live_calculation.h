// SPDX-License-Identifier: GPL-3.0-or-later
// The window's calculations on a worker thread. While editing, every change of the geometry starts
// a calculation of a copy of the aircraft after a short pause in typing; a newer change cancels the
// one still running, and results reach the window only when they belong to the geometry it shows now.
// Calculate runs the same calculation at once, its stages and countdown reported to the window's
// thread as they pass, and hands back its copy however it ended.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QThread;

namespace ab {

class LiveCalculation : public QObject {
    Q_OBJECT
public:
    // takeCopy makes the copy to calculate (on the window's thread, when the pause has passed);
    // deliver gets a finished calculation of the current geometry.
    LiveCalculation(std::function<CalculatedCopy(SolverData&& lattice)> takeCopy,
                    std::function<void(CalculatedCopy&&)> deliver, QObject* parent);
    // Cancels the calculation still running and waits for it to leave (at its next pivot step).
    ~LiveCalculation() override;

    void setEnabled(bool on); // off cancels what runs and waits
    bool enabled() const { return on; }
    void setLanguage(Language l) { language = l; }
    void setPause(int milliseconds) { pause.setInterval(milliseconds); }

    // The geometry changed: what runs is no longer wanted, and a new calculation starts after the
    // pause (with Live on).
    void geometryChanged();
    // No calculation is wanted any more (an explicit calculation takes over).
    void cancel();
    // A calculation runs or waits for the end of the pause.
    bool busy() const { return job != nullptr || pause.isActive(); }
    // Calculate: what runs while editing is cancelled and the copy taken now is calculated as soon as
    // the worker is free; progress reaches the window's thread as queued calls (the countdown at most
    // every 30 ms, and its 0), then finished gets the copy, also when it was cancelled.
    void calculateNow(CalculatedCopy&& copy, CalculationProgress progress,
                      std::function<void(CalculatedCopy&&)> finished);
    // Ends the calculation Calculate started (finished hears it as cancelled).
    void cancelNow();
    bool calculatingNow() const { return (job && job->explicitRun) || pending != nullptr; }

    // A lattice the window no longer needs: the next calculation reuses its storage.
    void recycle(SolverData&& lattice) { spare = std::move(lattice); }

    // Counts every change of the geometry; a calculation carries the count it started at.
    std::uint64_t generation() const { return current; }

private:
    struct Job {
        CalculatedCopy copy;
        std::uint64_t generation = 0;
        Language language = Language::English;
        std::atomic<bool> cancel{false};
        bool explicitRun = false;
        CalculationProgress progress; // called on the worker
        std::function<void(CalculatedCopy&&)> finished;
    };
    void run(std::unique_ptr<Job> next);
    void start();
    void jobFinished();

    std::function<CalculatedCopy(SolverData&&)> takeCopy;
    std::function<void(CalculatedCopy&&)> deliver;
    QTimer pause;
    bool on = false;
    Language language = Language::English;
    std::uint64_t current = 0;
    std::unique_ptr<Job> job; // the calculation on the worker, owned here while it runs
    QThread* worker = nullptr;
    bool startWhenIdle = false;
    std::unique_ptr<Job> pending; // Calculate's copy, waiting for a cancelled run to leave
    SolverData spare;
};

} // namespace ab
