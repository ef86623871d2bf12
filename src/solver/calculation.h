// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation of the neutral point over the whole aircraft, in the order the calculate button
// runs it, without any window: the same steps for the window and for batch mode.
//
// Routine index (in the order of a run):
//   recalculate  wing texts -> station tables and planform figures (model/recalculation.h)
//   GRID         station tables, areas -> panel counts; refuses plans beyond the table sizes
//   KONFLIKT2    panel counts, heights -> wings too close in height moved apart, fields rewritten
//   TRAWY2       station tables, counts -> lattice; TRAPEZ_TRIM (TRIM9M, FCN, SIMQ90) per trapezoid;
//                strips of tilted trapezoids lie in their planes
//   EINFLUSS     lattice -> influence matrix (INDU per horseshoe and control point, both halves; the
//                whole velocity along the panel's normal when a strip is tilted)
//   LOES         matrix -> circulations (onset along each panel's normal), by SIMQ902 (blocked elimination with partial pivoting in
//                single precision, refined in double; in double when the refinement fails)
//   WIRBEL_ERG   circulations -> pressures, wing and aircraft neutral points, reference wing
//   fuselage     circulations, fuselage stations -> the body's shift of the neutral point, by the
//                strip method in the solved flow along the body axis (fuselage_share.h)
//   STABIL       neutral point, reference chord -> centre-of-gravity figures (stability/)
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/units.h"
#include "solver/solver_data.h"

#include <atomic>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ab {

struct CalculationCallbacks {
    std::function<void(int remaining)> countdown;   // pivot steps still to do (throttle is the caller's)
    std::function<void(int wing, const std::string& zText)> heightChanged; // Edit_z<wing> gets zText
    // Set from another thread when the run's result is no longer wanted: the run looks at it between
    // its stages and at every pivot step of the solve, and then ends without results.
    const std::atomic<bool>* cancel = nullptr;
};

struct CalculationRun {
    bool failed = false;           // CalcFailed at the end
    bool wingsMoved = false;       // WingsMoved
    std::vector<std::string> memo; // the lines Memo1 holds at the end, in order
    bool memoVisible = false;
    bool cancelled = false;        // ended early through the cancel flag; failed is set too
    std::vector<std::pair<int, double>> movedHeights; // (wing, height the field now shows) per write
};

// One calculation as the stages the calculate button runs, one after another; the window draws and
// repaints between them, batch mode runs them without stopping. Every stage after a failure does
// nothing but let the run end; the memo rules live here once.
class Calculation {
public:
    Calculation(Aircraft& aircraft, AircraftTexts& texts, SolverData& solver, Language language,
                const CalculationCallbacks& callbacks = {});

    // Clears CalcFailed; notes the fields whose texts are not read as typed; recalculation pass:
    // station tables and figures current.
    void prepare();
    void planPanels();    // GRID: panel counts, or the refusal of a plan beyond the table sizes
    void separateWings(); // KONFLIKT2: wings too close in height moved apart, fields rewritten
    void layOutLattice(); // TRAWY2, unless a step failed
    void solve();         // EINFLUSS, LOES, WIRBEL_ERG and the fuselage's share, unless a step failed
    // Sets ResultsValid and SolverDataValid after a complete run (clears them after a failed one),
    // copies WingCount into ActiveWingCount and returns the run.
    CalculationRun finish();

    bool failed() const { return aircraft.CalcFailed; }
    bool cancelled() const { return wasCancelled; }
    // Memo1 as the stages so far leave it: first a line per flagged field (what its text was read
    // as), then the moved-wings heading and line, or the error title the recalculation pass writes
    // (left out after flagged lines when nothing failed); then every failure line. It shows when a
    // field was flagged, wings moved or a step failed. A flagged field never stops the run.
    std::vector<std::string> memo() const;
    bool memoVisible() const { return !flagged.empty() || aircraft.WingsMoved || !failures.empty(); }

private:
    Aircraft& aircraft;
    AircraftTexts& texts;
    SolverData& solver;
    Language language;
    CalculationCallbacks callbacks;
    std::vector<std::string> flagged; // the flagged fields' lines, as the run started
    std::vector<std::string> failures;
    std::vector<std::pair<int, double>> movedHeights;
    bool wasCancelled = false;
    // True, and the run failed, once the cancel flag is set.
    bool checkCancel();
};

// Runs every stage of one calculation in order. Heights moved by KONFLIKT2 are written into `texts`
// (and reported through heightChanged).
CalculationRun calculate(Aircraft& aircraft, AircraftTexts& texts, SolverData& solver,
                         Language language, const CalculationCallbacks& callbacks = {});

// The result labels of wing w after a run: the neutral point measured rearward from the wing's own
// root leading edge (Label_anp<w>) and the spanwise centre of lift (Label_ynp<w>), e.g. " 5.0mm".
struct WingResultLabels {
    std::string neutralPoint, liftCentre;
};
// In imperial units: " 0.20in".
WingResultLabels wingResultLabels(const Aircraft& aircraft, int w, UnitSystem units = UnitSystem::Metric);

} // namespace ab
