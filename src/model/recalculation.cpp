#include "model/recalculation.h"

#include "model/numbers.h"

namespace ab {

PerWing<WingLabels> recalculate(Aircraft& ac, const AircraftTexts& texts, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale) {
        ac.ResultsValid = false;
        ac.SolverDataValid = false;
    }
    PerWing<WingLabels> labels;
    for (int w = 1; w <= MaxWings; ++w)
        labels[w] = evaluateWing(ac, texts.wing[w], w, results);
    for (int w = 1; w <= MaxWings; ++w)
        ac.posX[w] = parseLenientInt(texts.wing[w][Role::PosX]);
    for (int w = 1; w <= MaxWings; ++w)
        ac.posZ[w] = parseLenientInt(texts.wing[w][Role::PosZ]);
    return labels;
}

} // namespace ab
