// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/aircraft_document.h"

#include "model/balance_items.h"
#include "model/configuration.h"
#include "model/recalculation.h"

#include <algorithm>

namespace ab {

AircraftDocument::AircraftDocument(Language language) : texts(defaultAircraftTexts())
{
    texts.comment = messageTexts(language).RemarksPrompt;
    recalculate(aircraft, texts);
}

OpenOutcome AircraftDocument::open(const std::string& file, Language language)
{
    OpenOutcome outcome = openAircraftFile(file, aircraft, texts, language);
    if (outcome.ok())
        fileName = file;
    return outcome;
}

CalculationRun AircraftDocument::calculate(Language language, const CalculationCallbacks& callbacks)
{
    return ab::calculate(aircraft, texts, solver, language, callbacks);
}

SaveOutcome AircraftDocument::save(const std::string& file, Language language, const FileWriter& write)
{
    SaveOutcome outcome = saveAircraftFile(file, texts, aircraft, language, write);
    if (outcome.ok)
        fileName = file;
    return outcome;
}

bool AircraftDocument::setMargin(const std::string& text)
{
    if (!readMargin(text).valid)
        return false;
    texts.margin = text;
    return true;
}

double AircraftDocument::marginPercent() const { return storedMarginPercent(texts.margin); }

StabilityFigures AircraftDocument::stabilityFigures() const { return ab::stabilityFigures(aircraft, marginPercent()); }

CgBand AircraftDocument::band() const { return recommendedBand(aircraft, stabilityFigures(), automaticStability()); }

CgInUse AircraftDocument::centreOfGravity() const
{
    return centreOfGravityInUse(stabilityFigures(), automaticStability());
}

BalanceFigures AircraftDocument::balance() const
{
    return evaluateBalance(texts.balance, balanceReference(aircraft, stabilityFigures(), automaticStability()));
}

bool AircraftDocument::adopt(CalculatedCopy& copy)
{
    if (!sameGeometry(copy.texts, texts))
        return false;
    aircraft = copy.aircraft;
    std::swap(solver, copy.solver);
    return true;
}

LiftDistribution AircraftDocument::liftDistribution() const { return ab::liftDistribution(aircraft, solver); }

CalculatedCopy copyForCalculation(const AircraftDocument& document, SolverData&& lattice)
{
    return {document.texts, document.aircraft, std::move(lattice), {}};
}

void calculateCopy(CalculatedCopy& copy, Language language, const std::atomic<bool>* cancel)
{
    CalculationCallbacks callbacks;
    callbacks.cancel = cancel;
    copy.run = ab::calculate(copy.aircraft, copy.texts, copy.solver, language, callbacks);
}

bool sameGeometry(const AircraftTexts& a, const AircraftTexts& b)
{
    if (a.wingCount != b.wingCount || a.spacing != b.spacing)
        return false;
    const int wings = std::clamp(a.wingCount, 1, MaxWings);
    for (int w = 1; w <= wings; ++w)
        if (a.wing[w].trapezoidCount != b.wing[w].trapezoidCount || a.wing[w].field != b.wing[w].field ||
            a.wing[w].dihedral != b.wing[w].dihedral)
            return false;
    return true;
}

} // namespace ab
