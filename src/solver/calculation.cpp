// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/calculation.h"

#include "lang/field_texts.h"
#include "model/numbers.h"
#include "model/recalculation.h"
#include "solver/elimination.h"
#include "solver/fuselage_share.h"
#include "solver/grid.h"
#include "solver/influence.h"
#include "solver/separation.h"
#include "solver/vortex_results.h"

#include <algorithm>

namespace ab {

Calculation::Calculation(Aircraft& ac, AircraftTexts& t, SolverData& sd, Language l, const CalculationCallbacks& cb)
    : aircraft(ac), texts(t), solver(sd), language(l), callbacks(cb)
{
}

void Calculation::prepare()
{
    aircraft.CalcFailed = false;
    // Read before the separation rewrites any height: the lines say what this run started from.
    flagged = flaggedFieldLines(texts, language);
    aircraft.ActiveWingCount = std::clamp(aircraft.ActiveWingCount, 1, MaxWings); // the wing tables hold five
    // The pass reads the positions after it builds the leading-edge tables; a second pass makes the
    // tables match positions typed since the last pass (batch mode sets texts without a pass).
    recalculate(aircraft, texts);
    recalculate(aircraft, texts);
}

namespace {

// Unwinds the solve from inside the elimination when the run is cancelled.
struct Cancelled {};

} // namespace

bool Calculation::checkCancel()
{
    if (!wasCancelled && callbacks.cancel && callbacks.cancel->load(std::memory_order_relaxed)) {
        wasCancelled = true;
        aircraft.CalcFailed = true;
    }
    return wasCancelled;
}

void Calculation::planPanels()
{
    if (!checkCancel())
        GRID(aircraft, solver.counts, language, failures);
}

void Calculation::separateWings()
{
    aircraft.WingsMoved = false;
    if (checkCancel())
        return;
    KONFLIKT2(aircraft, texts, solver.counts, [&](int wing, const std::string& zText) {
        movedHeights.emplace_back(wing, static_cast<double>(parseLenientInt(zText)));
        if (callbacks.heightChanged)
            callbacks.heightChanged(wing, zText);
    });
}

void Calculation::layOutLattice()
{
    if (!checkCancel() && !aircraft.CalcFailed)
        TRAWY2(aircraft, solver, language, failures);
}

void Calculation::solve()
{
    if (checkCancel() || aircraft.CalcFailed)
        return;
    // Influence matrix, circulations and results; a failure leaves its line and ends the run.
    const Text3* failure = nullptr;
    if (!EINFLUSS(aircraft, solver)) {
        failure = &texts::InconsistentLattice;
    } else if (checkCancel()) {
        return;
    } else {
        // A cancelled run leaves the elimination at its next pivot step.
        const std::function<void(int)> countdown = [this](int remaining) {
            if (checkCancel())
                throw Cancelled{};
            if (callbacks.countdown)
                callbacks.countdown(remaining);
        };
        try {
            // The fuselage's share needs the solved circulations and the lift slope of the whole
            // aircraft; a share that is not finite refuses the results as a singular solve does.
            if (!LOES(solver, callbacks.cancel ? countdown : callbacks.countdown) || !WIRBEL_ERG(aircraft, solver) ||
                !addFuselageShare(aircraft, solver))
                failure = &texts::SingularSystem;
        } catch (const Cancelled&) {
            return;
        }
    }
    if (failure) {
        failures.emplace_back(failure->in(language));
        aircraft.CalcFailed = true;
    }
}

std::vector<std::string> Calculation::memo() const
{
    // Lines of GRID written before a wing was moved are kept, although the pass that the moved
    // height runs in the window empties the memo.
    std::vector<std::string> lines = flagged;
    if (aircraft.WingsMoved) {
        lines.emplace_back(texts::MovedWingsHeading.in(language));
        lines.emplace_back(texts::MovedWingsLine.in(language));
    } else if (flagged.empty() || !failures.empty()) {
        lines.push_back(messageTexts(language).ErrorTitle);
    }
    lines.insert(lines.end(), failures.begin(), failures.end());
    return lines;
}

CalculationRun Calculation::finish()
{
    aircraft.ResultsValid = aircraft.SolverDataValid = !aircraft.CalcFailed;
    CalculationRun run;
    run.memo = memo();
    run.memoVisible = memoVisible();
    run.failed = aircraft.CalcFailed;
    run.cancelled = wasCancelled;
    run.wingsMoved = aircraft.WingsMoved;
    run.movedHeights = movedHeights;
    aircraft.ActiveWingCount = aircraft.WingCount;
    return run;
}

CalculationRun calculate(Aircraft& ac, AircraftTexts& texts, SolverData& sd, Language l, const CalculationCallbacks& cb)
{
    Calculation c(ac, texts, sd, l, cb);
    c.prepare();
    c.planPanels();
    c.separateWings();
    c.layOutLattice();
    c.solve();
    return c.finish();
}

WingResultLabels wingResultLabels(const Aircraft& ac, int w, UnitSystem u)
{
    const std::string unit(unitName(Quantity::Length, u));
    return {shownFigure(ac.WingNeutralX[w] - ac.posX[w], Quantity::Length, u, 1, 4) + unit,
            shownFigure(ac.WingLiftCentreY[w], Quantity::Length, u, 1, 4) + unit};
}

} // namespace ab
