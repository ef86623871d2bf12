// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an aircraft file in the core: read it, apply it to the texts, bring the aircraft up to
// date and restore the stored results. The window and batch mode open files through this.
#pragma once

#include "files/aircraft_reader.h"
#include "files/aircraft_record.h"
#include "files/imported_aircraft.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace ab {

struct OpenOutcome {
    AircraftReadStatus status = AircraftReadStatus::Read;
    std::string message;           // names the file and the reason when it was not read
    RecordApplication application; // what changed, for the window to show on its controls
    BalanceCut balanceCut;         // balance rows and name characters the file held beyond the limits
    std::vector<std::string> notes; // what a damaged file lacks, for the memo and batch messages
    // An AVL deck or XFLR5 plane file brought in: the aircraft file it would be saved as ("plane.wk4"
    // beside "plane.avl"); empty for the program's own files. Notes say what did not come along.
    std::string importedAs;
    bool ok() const { return status == AircraftReadStatus::Read; }
};

// The three results a file stored: a missing reference area counts as 0 (no results), a missing
// reference chord or neutral point keeps the value held. Figures that are not finite or lie beyond
// a kilometre, and a reference area or chord of 0 or below (a damaged or hand-made file), count as
// no results.
void applyStoredResults(const AircraftFileExtras& extras, Aircraft& aircraft);

// Whether the results applyStoredResults left stand for a calculation: a positive reference area.
// Opening a file, in the window and in batch mode, makes the results valid by this one rule.
inline bool storedResultsValid(const Aircraft& aircraft) { return aircraft.ReferenceArea > 0; }

// On success the texts take the file's wing count, trapezoid counts, field texts, wing names, comment
// balance (rows, margin and mode, or the starting ones where the file has none) and spacing of the
// strips (equal where the file has none); the aircraft takes
// the wing count and the stored results (a missing reference area counts as 0); a recalculation pass
// runs, and a positive stored reference area makes the results valid without a calculation. The
// stability figures are the caller's to evaluate. On any failure nothing changes.
// An AVL deck (".avl") or an XFLR5 plane file (".xml", or a text starting with <explane>) is read by
// its reader and opened as the aircraft file it gives would be, under importedAs; a deck that does
// not state its unit is read in deckUnit.
OpenOutcome openAircraftFile(const std::string& fileName, Aircraft& aircraft, AircraftTexts& texts,
                             Language language, DeckUnit deckUnit = DeckUnit::Metre);

// True for an AVL deck that can be read and does not state the unit of its lengths: the window asks.
bool deckNeedsUnit(const std::string& fileName);

// The same for an aircraft held in memory in the tagged layout (a template), applied as a file named
// fileName would be: a ".wk4" name gives wings 4 and 5 their fields too.
OpenOutcome openAircraftText(std::string_view text, const std::string& fileName, Aircraft& aircraft,
                             AircraftTexts& texts, Language language);

} // namespace ab
