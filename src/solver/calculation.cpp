#include "solver/calculation.h"

#include "model/numbers.h"
#include "model/recalculation.h"
#include "solver/elimination.h"
#include "solver/grid.h"
#include "solver/influence.h"
#include "solver/separation.h"
#include "solver/vortex_results.h"

#include <algorithm>

namespace ab {
namespace {

void fail(Aircraft& ac, std::vector<std::string>& failures, const Text3& text, Language l)
{
    failures.emplace_back(text.in(l));
    ac.CalcFailed = true;
}

// Influence matrix, circulations and results; any failure leaves its line.
void solve(Aircraft& ac, SolverData& sd, Language l, const CalculationCallbacks& cb,
           std::vector<std::string>& failures)
{
    if (!EINFLUSS(ac, sd))
        return fail(ac, failures, texts::InconsistentLattice, l);
    if (!LOES(sd, cb.countdown))
        return fail(ac, failures, texts::SingularSystem, l);
    if (!WIRBEL_ERG(ac, sd))
        return fail(ac, failures, texts::SingularSystem, l);
}

} // namespace

CalculationRun calculate(Aircraft& ac, AircraftTexts& texts, SolverData& sd, Language l,
                         const CalculationCallbacks& cb)
{
    CalculationRun run;
    std::vector<std::string> failures;
    ac.CalcFailed = false;
    ac.ActiveWingCount = std::clamp(ac.ActiveWingCount, 1, MaxWings); // the wing tables hold five

    // The pass reads the positions after it builds the leading-edge tables; a second pass makes the
    // tables match positions typed since the last pass (batch mode sets texts without a pass).
    recalculate(ac, texts);
    recalculate(ac, texts);

    GRID(ac, sd.counts, l, failures);

    ac.WingsMoved = false;
    KONFLIKT2(ac, texts, sd.counts, [&](int wing, const std::string& zText) {
        run.movedHeights.emplace_back(wing, static_cast<double>(parseLenientInt(zText)));
        if (cb.heightChanged)
            cb.heightChanged(wing, zText);
    });

    if (!ac.CalcFailed)
        TRAWY2(ac, sd, l, failures);
    if (!ac.CalcFailed)
        solve(ac, sd, l, cb, failures);

    if (ac.CalcFailed) {
        ac.ResultsValid = false;
        ac.SolverDataValid = false;
    } else {
        ac.ResultsValid = true;
        ac.SolverDataValid = true;
    }

    // The memo as the run leaves it: the moved-wings heading and line, or the error title the
    // recalculation pass writes; then every failure line. Lines of GRID written before a wing was
    // moved are kept, although the pass that the moved height runs empties the memo.
    if (ac.WingsMoved) {
        run.memo.emplace_back(texts::MovedWingsHeading.in(l));
        run.memo.emplace_back(texts::MovedWingsLine.in(l));
    } else {
        run.memo.push_back(messageTexts(l).ErrorTitle);
    }
    run.memo.insert(run.memo.end(), failures.begin(), failures.end());
    run.memoVisible = ac.WingsMoved || !failures.empty();

    run.failed = ac.CalcFailed;
    run.wingsMoved = ac.WingsMoved;
    ac.ActiveWingCount = ac.WingCount;
    return run;
}

WingResultLabels wingResultLabels(const Aircraft& ac, int w)
{
    return {formatFixed(ac.WingNeutralX[w] - ac.posX[w], 1, 4) + "mm", formatFixed(ac.WingLiftCentreY[w], 1, 4) + "mm"};
}

} // namespace ab
