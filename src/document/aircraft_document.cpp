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
    recorded = texts;
}

OpenOutcome AircraftDocument::open(const std::string& file, Language language, DeckUnit deckUnit)
{
    OpenOutcome outcome = openAircraftFile(file, aircraft, texts, language, deckUnit);
    if (outcome.ok()) {
        fileName = outcome.importedAs.empty() ? file : std::string();
        markSaved(true);
        // A damaged file opened with defaults in its gaps is not the file as it stands, nor is a
        // design brought in from another tool.
        if (!outcome.notes.empty() || !outcome.importedAs.empty())
            steps.keepUnsaved();
        notify(GeometryChanged | FiguresChanged | TextsChanged | FileChanged | HistoryChanged);
    }
    return outcome;
}

CalculationRun AircraftDocument::calculate(Language language, const CalculationCallbacks& callbacks)
{
    CalculatedCopy copy = copyForCalculation(*this, std::move(solver));
    calculateCopy(copy, language, callbacks.cancel, {.stage = {}, .countdown = callbacks.countdown});
    adopt(copy);
    applyMovedHeights(copy);
    return copy.run;
}

void AircraftDocument::applyMovedHeights(const CalculatedCopy& copy)
{
    if (copy.run.movedHeights.empty())
        return;
    for (const auto& [w, height] : copy.run.movedHeights)
        texts.wing[w][Role::PosZ] = copy.calculatedTexts.wing[w][Role::PosZ];
    notify(TextsChanged | FiguresChanged);
    recordEdit({.kind = EditKind::HeightSeparation});
}

SaveOutcome AircraftDocument::save(const std::string& file, Language language, const FileWriter& write)
{
    aircraft.ActiveWingCount = aircraft.WingCount; // every wing of the count is written
    SaveOutcome outcome = saveAircraftFile(file, texts, aircraft, language, write);
    if (outcome.ok) {
        fileName = file;
        markSaved();
    }
    return outcome;
}

bool AircraftDocument::setMargin(const std::string& text)
{
    if (!readMargin(text).valid)
        return false;
    texts.margin = text;
    return true;
}

void AircraftDocument::applyFieldChanges(const std::vector<FieldChange>& changes) { applyToTexts(changes, texts); }

void AircraftDocument::setWingCount(int n)
{
    aircraft.WingCount = aircraft.ActiveWingCount = texts.wingCount = n;
}

void AircraftDocument::takeStoredResults(const AircraftFileExtras& extras, int wingCount)
{
    applyStoredResults(extras, aircraft);
    aircraft.WingCount = wingCount;
}

void AircraftDocument::takeBalance(const AircraftFileExtras& extras) { applyBalance(extras, texts); }

PerWing<WingLabels> AircraftDocument::evaluate(ResultsAfterPass results) { return recalculate(aircraft, texts, results); }

WingLabels AircraftDocument::evaluateWing(int w, ResultsAfterPass results)
{
    return ab::evaluateWing(aircraft, texts.wing[w], w, results);
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

void AircraftDocument::recordEdit(const Edit& edit, int typingKey, int session)
{
    if (texts == recorded)
        return;
    steps.record(edit, recorded, texts, typingKey, session);
    recorded = texts;
    notify(HistoryChanged | FileChanged);
}

bool AircraftDocument::putBack(const std::optional<AircraftTexts>& state)
{
    if (!state)
        return false;
    const unsigned geometry = sameGeometry(*state, texts) ? 0u : unsigned{GeometryChanged};
    texts = recorded = *state;
    aircraft.WingCount = aircraft.ActiveWingCount = texts.wingCount;
    notify(TextsChanged | HistoryChanged | FileChanged | geometry);
    return true;
}

bool AircraftDocument::undo() { return putBack(steps.undo()); }

bool AircraftDocument::redo() { return putBack(steps.redo()); }

void AircraftDocument::markSaved(bool anew)
{
    recorded = texts;
    if (anew)
        steps.clear();
    steps.markSaved();
    notify(HistoryChanged | FileChanged);
}

void AircraftDocument::keepUnsaved()
{
    steps.keepUnsaved();
    notify(FileChanged);
}

LiftDistribution AircraftDocument::liftDistribution() const { return ab::liftDistribution(aircraft, solver); }

CalculatedCopy copyForCalculation(const AircraftDocument& document, SolverData&& lattice)
{
    return {document.texts, document.texts, document.aircraft, std::move(lattice), {}};
}

void calculateCopy(CalculatedCopy& copy, Language language, const std::atomic<bool>* cancel,
                   const CalculationProgress& progress)
{
    CalculationCallbacks callbacks;
    callbacks.cancel = cancel;
    callbacks.countdown = progress.countdown;
    copy.calculatedTexts = copy.texts;
    Calculation run(copy.aircraft, copy.calculatedTexts, copy.solver, language, callbacks);
    const auto report = [&](CalculationStage stage) {
        if (!progress.stage)
            return;
        StageReport r;
        r.stage = stage;
        r.memo = run.memo();
        r.memoVisible = run.memoVisible();
        if (stage == CalculationStage::LatticeLaidOut && !run.failed()) {
            r.hasLattice = true;
            r.aircraft = copy.aircraft;
            r.lattice.counts = copy.solver.counts;
            r.lattice.lattice = copy.solver.lattice;
        }
        progress.stage(std::move(r));
    };
    run.prepare();
    report(CalculationStage::Prepared);
    run.planPanels();
    report(CalculationStage::PanelsPlanned);
    run.separateWings();
    report(CalculationStage::WingsSeparated);
    run.layOutLattice();
    report(CalculationStage::LatticeLaidOut);
    run.solve();
    copy.run = run.finish();
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
    return a.fuselage == b.fuselage;
}

} // namespace ab
