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
    // A whole calculation without stopping between its stages (the window runs the stages itself).
    CalculationRun calculate(Language language, const CalculationCallbacks& callbacks = {});
    // Writes the aircraft with its results to `file` (the extension rule already applied); the
    // document belongs to that file afterwards, and this state is the saved one.
    SaveOutcome save(const std::string& file, Language language, const FileWriter& write = writeFileAtomically);
    // Takes the aircraft and lattice of a calculation made on a copy of this document, when the
    // copy was taken from the geometry the document has now; the texts stay as typed (the heights
    // the calculation moved apart are in the aircraft only). The copy gets the lattice the document
    // had, so that its storage serves the next copy.
    bool adopt(CalculatedCopy& copy);
    // A margin text that reads as a margin becomes the desired one; any other leaves it as it was.
    bool setMargin(const std::string& text);

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

// The document's texts and aircraft to calculate apart from it, with `lattice` as the copy's lattice
// (a lattice handed back by adopt keeps its storage for the next run).
CalculatedCopy copyForCalculation(const AircraftDocument& document, SolverData&& lattice = {});
// Calculates the copy in place; it shares nothing with the document, so it may run on another
// thread while the document changes. `cancel` ends it early (run.cancelled).
void calculateCopy(CalculatedCopy& copy, Language language, const std::atomic<bool>* cancel = nullptr);

// Whether two states of the texts describe the same geometry: wing count, trapezoid counts, the
// field texts and the dihedral texts of every wing in use. Names, remarks, balance, margin and mode
// are no geometry, so a change of only those keeps the calculated results.
bool sameGeometry(const AircraftTexts& a, const AircraftTexts& b);

} // namespace ab
