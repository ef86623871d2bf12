// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recalculation.h"

#include "model/mean_chord.h"
#include "model/numbers.h"

namespace ab {

PerWing<WingLabels> recalculate(Aircraft& ac, const AircraftTexts& texts, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale) {
        ac.ResultsValid = false;
        ac.SolverDataValid = false;
        ac.FuselageCalculated = false;
        ac.FuselageShift = 0;
    }
    PerWing<WingLabels> labels;
    for (int w = 1; w <= MaxWings; ++w)
        labels[w] = evaluateWing(ac, texts.wing[w], w, results);
    for (int w = 1; w <= MaxWings; ++w)
        ac.posX[w] = parseLenientInt(texts.wing[w][Role::PosX]);
    for (int w = 1; w <= MaxWings; ++w)
        ac.posZ[w] = parseLenientInt(texts.wing[w][Role::PosZ]);
    ac.Fuselage = readFuselage(texts.fuselage).stations;
    ac.StripSpacing = texts.spacing;
    // The mean chords move with the positions just read. Results that go stale may yet be restored
    // from a file, which stores no reference wing: the reference chord is placed on the wing the
    // calculation would take. A calculation places it again from its own reference wing.
    for (int w = 1; w <= MaxWings; ++w)
        ac.WingMacLeadingX[w] = meanChordOf(ac, w, false).leadingX;
    if (results == ResultsAfterPass::GoStale)
        placeReferenceMac(ac, planformReferenceWing(ac));
    return labels;
}

} // namespace ab
