// SPDX-License-Identifier: GPL-3.0-or-later
// Calculation while editing: every change of the geometry starts a calculation of a copy of the
// aircraft on a worker thread after a short pause in typing; a newer change cancels the one still
// running. Results reach the window only when they belong to the geometry it shows now.
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
    };
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
    SolverData spare;
};

} // namespace ab
