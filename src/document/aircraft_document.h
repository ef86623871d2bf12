// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft as a user works on it: the texts as typed, the aircraft evaluated from them, the
// calculation's lattice and results, the file it belongs to, and every figure an output needs. The
// window is this document with views and controls, batch mode is it with outputs; the figures are
// worked out here once, and everything that shows one asks the document for it.
#pragma once

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
#include <string>

namespace ab {

struct CalculatedCopy;

struct AircraftDocument {
    AircraftTexts texts;
    Aircraft aircraft;
    SolverData solver;
    std::string fileName; // the file the aircraft was last opened from or saved to; empty for none

    // The starting aircraft (the five-wing default) with the remarks' prompt in `language`, evaluated.
    explicit AircraftDocument(Language language = Language::English);

    // The user's operations.
    // Opens fileName over the aircraft: on success the file's texts, evaluated, with the results it
    // stored (without their lattice); on failure nothing changes.
    OpenOutcome open(const std::string& file, Language language);
    // A whole calculation without stopping between its stages (the window runs the stages itself).
    CalculationRun calculate(Language language, const CalculationCallbacks& callbacks = {});
    // Writes the aircraft with its results to `file` (the extension rule already applied); the
    // document belongs to that file afterwards.
    SaveOutcome save(const std::string& file, Language language, const FileWriter& write = writeFileAtomically);
    // Takes the aircraft and lattice of a calculation made on a copy of this document, when the
    // copy's geometry is the document's (heights the calculation moved apart written first); the
    // copy gets the lattice the document had, so that its storage serves the next copy.
    bool adopt(CalculatedCopy& copy);
    // A margin text that reads as a margin becomes the desired one; any other leaves it as it was.
    bool setMargin(const std::string& text);

    // The figures every output takes.
    bool automaticStability() const { return texts.stabilityMode == StabilityMode::Automatic; }
    double marginPercent() const; // the desired margin in use
    StabilityFigures stabilityFigures() const;
    CgBand band() const;        // the band the verdict, the top view and the reports use
    CgInUse centreOfGravity() const; // the centre of gravity the mode names (mid-band or desired)
    BalanceFigures balance() const;
    LiftDistribution liftDistribution() const; // of the calculated lattice; none without one
};

// A whole calculation made on copies of a document's texts and aircraft, with a lattice of its own:
// what a calculation in the background hands back. Its texts differ from the document's only where
// the calculation moved wings apart (run.movedHeights).
struct CalculatedCopy {
    AircraftTexts texts;
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

// Whether two states of the texts describe the same geometry: wing count, spacing of the strips,
// trapezoid counts, the field texts and the dihedral texts of every wing in use. Names, remarks, balance, margin and mode
// are no geometry, so a change of only those keeps the calculated results.
bool sameGeometry(const AircraftTexts& a, const AircraftTexts& b);

} // namespace ab
