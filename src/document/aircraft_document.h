// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft as a user works on it: the texts as typed, the aircraft evaluated from them, the
// calculation's lattice and results, the file it belongs to, and every figure an output needs. The
// window is this document with views and controls, batch mode is it with outputs; the figures are
// worked out here once, and everything that shows one asks the document for it.
#pragma once

#include "document/edit_history.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/lift_distribution.h"
#include "solver/solver_data.h"
#include "stability/balance.h"
#include "stability/stability.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace ab {

struct CalculatedCopy;

// What changed in a document, as its listener hears it; one notification carries a set of these.
enum DocumentChange : unsigned {
    GeometryChanged = 1, // the wings as evaluated: views and figures of the aircraft
    FiguresChanged = 2,  // calculated results
    TextsChanged = 4,    // texts that are no geometry (names, remarks, balance, margin, mode)
    FileChanged = 8,     // the file name or the saved state
    HistoryChanged = 16, // what undo and redo offer
};

struct AircraftDocument {
    AircraftTexts texts;
    Aircraft aircraft;
    SolverData solver;
    std::string fileName; // the file the aircraft was last opened from or saved to; empty for none

    // The starting aircraft (the five-wing default) with the remarks' prompt in `language`, evaluated.
    explicit AircraftDocument(Language language = Language::English);

    // The user's operations.
    // Opens fileName over the aircraft: on success the file's texts, evaluated, with the results it
    // stored (without their lattice), the history anew and the state saved (unless the file was
    // damaged); on failure nothing changes. An imported design (an AVL deck, an XFLR5 plane) opens
    // without a file and unsaved; outcome.importedAs is the name Save as offers.
    OpenOutcome open(const std::string& file, Language language, DeckUnit deckUnit = DeckUnit::Metre);
    // A whole calculation, made as the window makes it on its worker (calculateCopy), then taken
    // with the heights it moved apart (applyMovedHeights). Of the callbacks, the cancel flag and the
    // countdown are used.
    CalculationRun calculate(Language language, const CalculationCallbacks& callbacks = {});
    // Writes the aircraft with its results to `file` (the extension rule already applied); the
    // document belongs to that file afterwards, and this state is the saved one.
    SaveOutcome save(const std::string& file, Language language, const FileWriter& write = writeFileAtomically);
    // Takes the aircraft and lattice of a calculation made on a copy of this document, when the
    // copy was taken from the geometry the document has now; the texts stay as typed (the heights
    // the calculation moved apart are in the aircraft only). The copy gets the lattice the document
    // had, so that its storage serves the next copy.
    bool adopt(CalculatedCopy& copy);
    // The heights a calculation moved apart, written into the texts as one step of the history
    // ("wings moved apart in height"), after its results were adopted; the listener hears TextsChanged
    // with FiguresChanged (the results belong to the heights written). Nothing when none moved.
    void applyMovedHeights(const CalculatedCopy& copy);
    // A margin text that reads as a margin becomes the desired one; any other leaves it as it was.
    bool setMargin(const std::string& text);

    // Edits of the texts as the window's controls make them. The evaluation that follows is the
    // caller's (evaluate, evaluateWing), and so is the step of the history (recordEdit).
    void setField(int w, Role role, const std::string& text) { texts.wing[w][role] = text; }
    void setDihedral(int w, int k, const std::string& text) { texts.wing[w].dihedral[k] = text; }
    void setWingName(int w, const std::string& name) { texts.wing[w].name = name; }
    void setWingTexts(int w, const WingTexts& wing) { texts.wing[w] = wing; }
    void applyFieldChanges(const std::vector<FieldChange>& changes); // a drag's writes, in order
    void setTrapezoidCount(int w, int n) { texts.wing[w].trapezoidCount = n; }
    void setWingCount(int n); // of the texts and of the aircraft, every wing of it active
    void setComment(const std::string& comment) { texts.comment = comment; }
    void setBalance(const std::vector<BalanceItemTexts>& items) { texts.balance = items; }
    void setStabilityMode(StabilityMode mode) { texts.stabilityMode = mode; }
    void setFileName(const std::string& file) { fileName = file; }
    // What a record read as a template brings beside its fields: the results it stored, with its
    // wing count (every wing of it active once its fields are written: useAllWings), and its rows.
    void takeStoredResults(const AircraftFileExtras& extras, int wingCount);
    void useAllWings() { aircraft.ActiveWingCount = aircraft.WingCount; }
    void takeBalance(const AircraftFileExtras& extras);
    void setFuselage(const std::vector<FuselageStationTexts>& rows) { texts.fuselage = rows; }
    void takeFuselage(const AircraftFileExtras& extras) { applyFuselage(extras, texts); }
    void setSpacing(SpanwiseSpacing spacing) { texts.spacing = spacing; }
    void takeSpacing(const AircraftFileExtras& extras) { applySpacing(extras, texts); }
    void dropResults() { aircraft.ResultsValid = false; } // a change is on its way

    // The recalculation pass over every wing, and the evaluation of one wing, from the texts.
    PerWing<WingLabels> evaluate(ResultsAfterPass results = ResultsAfterPass::GoStale);
    WingLabels evaluateWing(int w, ResultsAfterPass results = ResultsAfterPass::GoStale);

    // Undo and redo. The texts as they are now become one step of the history (nothing when they
    // are as the last step left them); a step with a typing key merges with the step before it of
    // the same key and session.
    void recordEdit(const Edit& edit, int typingKey = -1, int session = 0);
    // Puts the texts before (after) the step back; the listener hears TextsChanged and, when the
    // geometry differs from the texts replaced, GeometryChanged. False when there is no step.
    bool undo();
    bool redo();
    const EditHistory& history() const { return steps; }
    // The texts as they are now are the saved state: after an open (anew: nothing to undo) or a save.
    void markSaved(bool anew = false);
    void keepUnsaved(); // no state is the saved one until the next save (a damaged file was opened)
    bool modified() const { return steps.modified(); }

    // The one listener of the document's changes (a set of DocumentChange flags).
    std::function<void(unsigned changes)> onChange;

    // The figures every output takes.
    bool automaticStability() const { return texts.stabilityMode == StabilityMode::Automatic; }
    double marginPercent() const; // the desired margin in use
    StabilityFigures stabilityFigures() const;
    CgBand band() const;        // the band the verdict, the top view and the reports use
    CgInUse centreOfGravity() const; // the centre of gravity the mode names (mid-band or desired)
    BalanceFigures balance() const;
    LiftDistribution liftDistribution() const; // of the calculated lattice; none without one

private:
    void notify(unsigned changes) const
    {
        if (onChange)
            onChange(changes);
    }
    bool putBack(const std::optional<AircraftTexts>& state);
    EditHistory steps;
    AircraftTexts recorded; // the texts as the last step of the history left them
};

// A whole calculation made on copies of a document's texts and aircraft, with a lattice of its own:
// what a calculation in the background hands back. `texts` stay as the copy was taken; the heights
// the separation moved apart (run.movedHeights) stand in `calculatedTexts` and in the aircraft.
struct CalculatedCopy {
    AircraftTexts texts;
    AircraftTexts calculatedTexts;
    Aircraft aircraft;
    SolverData solver;
    CalculationRun run;
};

// The stages of a calculation as it passes them, with its memo as it stands then; after the lattice
// is laid out without a failure also the aircraft and the lattice (without the matrix) to draw while
// the solve runs.
enum class CalculationStage { Prepared, PanelsPlanned, WingsSeparated, LatticeLaidOut };
struct StageReport {
    CalculationStage stage = CalculationStage::Prepared;
    std::vector<std::string> memo;
    bool memoVisible = false;
    bool hasLattice = false;
    Aircraft aircraft;
    SolverData lattice;
};
// What a calculation on a copy reports while it runs, on the thread that runs it.
struct CalculationProgress {
    std::function<void(StageReport&&)> stage;
    std::function<void(int remaining)> countdown; // pivot steps still to do (throttle is the caller's)
};

// The document's texts and aircraft to calculate apart from it, with `lattice` as the copy's lattice
// (a lattice handed back by adopt keeps its storage for the next run).
CalculatedCopy copyForCalculation(const AircraftDocument& document, SolverData&& lattice = {});
// Calculates the copy in place; it shares nothing with the document, so it may run on another
// thread while the document changes. `cancel` ends it early (run.cancelled).
void calculateCopy(CalculatedCopy& copy, Language language, const std::atomic<bool>* cancel = nullptr,
                   const CalculationProgress& progress = {});

// Whether two states of the texts describe the same geometry: wing count, spacing of the strips,
// trapezoid counts, the field texts and the dihedral texts of every wing in use, and the fuselage
// table. Names, remarks, balance, margin and mode are no geometry, so a change of only those keeps
// the calculated results.
bool sameGeometry(const AircraftTexts& a, const AircraftTexts& b);

} // namespace ab
