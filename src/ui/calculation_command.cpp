// SPDX-License-Identifier: GPL-3.0-or-later
// "Calculate Aerodynamic Center" in the window: the core's calculation of a copy of the aircraft on
// the worker, with the running label, the memo lines and the lattice of each stage as the worker
// reports it, the countdown of the solve, heights moved apart written into their fields as one edit,
// and after a complete run the neutral points, the stability display and every view redrawn.
#include "ui/main_window.h"

#include "lang/field_texts.h"
#include "solver/calculation.h"
#include "ui/misread_line.h"
#include "ui/units_choice.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ab {

void TForm1::showMemo(const std::vector<std::string>& lines, bool visible)
{
    QStringList memo;
    for (const std::string& line : memoInUnits(lines, texts, language(), unitsChoice->units()))
        memo << qs(line);
    Memo1->setPlainText(memo.join('\n'));
    misreadLine->setText(qs(misreadFieldsLine(texts, language())));
    Memo1->setVisible(visible);
    placeCaptionedControls();
}

void TForm1::Button4Click() { calculateThen({}); }

void TForm1::calculateThen(std::function<void()> then)
{
    if (calculating)
        return;
    // The explicit run takes over from a calculation in the background.
    live->cancel();
    showPreviousResults(false);
    ++liveSuspended;
    if (PageControl1->activePage() != TabSheet5)
        PageControl1->setActivePage(TabSheet5);
    calculating = true;
    applyCommandStates();
    Label_w->show();
    Button4->hide();
    Memo1->clear();
    Memo1->hide();
    Calc();
    afterCalculation = std::move(then);

    // The worker reports its stages and the countdown (at most every 30 ms) to this thread, so the
    // memo lines, the lattice and the countdown show while the run goes on and the window answers.
    CalculationProgress progress;
    progress.stage = [this](StageReport&& report) { showStage(report); };
    progress.countdown = [this](int remaining) {
        if (!calculating)
            return;
        Label24->show();
        setLabelText(Label24, QString::number(remaining));
    };
    live->calculateNow(copyForCalculation(document), std::move(progress),
                       [this](CalculatedCopy&& copy) { finishCalculation(std::move(copy)); });
}

bool TForm1::calculationRunning() const { return calculating; }

void TForm1::withLattice(std::function<void()> then)
{
    if (!aircraft.ResultsValid)
        return;
    if (aircraft.SolverDataValid)
        then();
    else
        calculateThen([this, then = std::move(then)] {
            if (aircraft.ResultsValid && aircraft.SolverDataValid)
                then();
        });
}

void TForm1::showStage(const StageReport& report)
{
    if (!calculating || report.stage == CalculationStage::Prepared)
        return;
    if (report.stage == CalculationStage::LatticeLaidOut) {
        if (!report.hasLattice)
            return;
        aircraftViews->drawLatticeOf(report.aircraft, report.lattice);
    }
    showMemo(report.memo, report.memoVisible);
}

// The run's copy back on the window's thread: its results go into the document, the heights it
// moved apart into their fields as one edit, which can be undone. A run cancelled, or overtaken by
// an edit of the geometry, leaves the aircraft as it stands, without results.
void TForm1::finishCalculation(CalculatedCopy&& copy)
{
    Label24->hide();
    Label_w->hide();
    Button4->show();
    calculating = false;
    --liveSuspended;
    std::function<void()> then = std::move(afterCalculation);
    afterCalculation = nullptr;
    const CalculationRun result = copy.run;
    if (result.cancelled || !document.adopt(copy)) {
        showMemo({}, false);
        applyCommandStates();
        return;
    }
    document.applyMovedHeights(copy);
    showCalculationResults(result, MemoOfRun::All);
    QApplication::beep();
    if (then)
        then();
}

void TForm1::showCalculationResults(const CalculationRun& run, MemoOfRun memo)
{
    liveLine->setText({});
    if (run.failed) {
        if (memo == MemoOfRun::Live) {
            // The wings as they stand, without results, under the run's lines.
            Calc(ResultsAfterPass::Kept);
            showNeutralPoints(ResultsShown::None);
        }
        showMemo(run.memo, run.memoVisible);
    } else {
        for (int w = 1; w <= MaxWings; ++w) {
            const WingResultLabels labels = wingResultLabels(aircraft, w);
            wingPage[w]->showNeutralPoint(labels.neutralPoint, labels.liftCentre);
        }
        if (memo == MemoOfRun::All) {
            showMemo(run.memo, run.memoVisible);
        } else {
            // A run while editing says what its figures were read from, as Calculate does, but the
            // heights it moved stay out of the fields (and out of the memo's warning).
            const std::vector<std::string> flagged = flaggedFieldLines(texts, language());
            showMemo(flagged, !flagged.empty());
        }
        aircraftViews->showResultsCursor(true);
        aircraftViews->STABIL();
        FormResize();
        showNeutralPoints(ResultsShown::Current);
    }
    editedSinceCalculation = false;
    applyCommandStates();
}

} // namespace ab
