// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of configuration editing that the window and the file commands share: which menu items a
// wing count enables, which copy commands a page offers, which fields a trapezoid count shows, and
// the exchange of two wings as an ordered list of field writes, button checks and names.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <string>
#include <vector>

namespace ab {

// Menu items that follow the wing count: the Edit menu's jumps to the tabs of wings 2 and 3 and
// the five exchanges chng1 .. chng5 (index 1..5).
struct WingCountMenu {
    bool wing21 = true;
    bool wing31 = true;
    PerWing<bool> exchange{};
};
// A count outside 1..5 enables nothing.
WingCountMenu wingCountMenu(int wingCount);

// The pages of the tab control: the aircraft tab, the tabs of wings 1..5 and the remarks tab.
inline constexpr int AircraftPage = 0;
inline constexpr int RemarksPage = MaxWings + 1;

// The Edit menu's "Copy Wing" and "Insert Copied Wing".
struct CopyCommands {
    bool copy = true;
    bool insert = true;
};
// After the user changed the page: the tabs of wings 1..3 offer the copy, and the insert when a copy
// is available; the aircraft and remarks tabs offer neither; the tabs of wings 4 and 5 keep the state.
CopyCommands copyCommandsAfterPageChange(int page, bool copyAvailable, CopyCommands current);
// After a jump from the Edit menu: to a wing tab the copy is offered and the insert only gains
// (when a copy is available); to the aircraft tab neither is offered.
CopyCommands copyCommandsAfterMenuJump(int page, bool copyAvailable, CopyCommands current);

// The trapezoid a field role belongs to (1..4), or 0 for the root gap, root chord and positions.
int trapezoidOfRole(Role role);
// The fields of trapezoid k are shown while the wing has at least k trapezoids; the root gap, the
// root chord and trapezoid 1 always. Station label s (0..4) follows the fields of trapezoid s.
inline bool fieldShown(Role role, int trapezoidCount) { return trapezoidOfRole(role) <= trapezoidCount; }
inline bool stationLabelShown(int station, int trapezoidCount) { return station <= trapezoidCount; }

// The two wings of exchange pair 1..5 (chng1 .. chng5): buffer A is read from wing bufferA and
// buffer B from wing bufferB; B is then written into wing bufferA, and after it A into wing bufferB.
struct ExchangePairing {
    int bufferA = 1, bufferB = 2;
};
ExchangePairing exchangePairing(int pair);

// What one step of an exchange writes.
enum class ExchangeWrite {
    Field,          // the text into the field of `role`
    TrapezoidCount, // check the button of `trapezoidCount`
    Name,           // the text as the wing's name
    Dihedral,       // the text as the dihedral angle of trapezoid `trapezoid`
};

// One write of an exchange into wing `wing`.
struct ExchangeStep {
    int wing = 1;
    ExchangeWrite write = ExchangeWrite::Field;
    Role role = Role::RootGap; // for Field
    std::string text;          // for Field and Name
    int trapezoidCount = 1;    // for TrapezoidCount
    int trapezoid = 1;         // for Dihedral, 1..4
};

// The writes of exchange pair 1..5 on the texts as they stand: the sixteen fields of the first wing
// in role order, the angles of its four trapezoids, its count button and its name, then the same
// for the second wing. Texts and names
// move as they are; each field write runs the field's change handling in the window, so every
// intermediate state is evaluated.
std::vector<ExchangeStep> exchangeSteps(const AircraftTexts& texts, int pair);
// Carries one step out on the texts.
void applyToTexts(const ExchangeStep& step, AircraftTexts& texts);

// What a change of a field sets off: the evaluation of its wing, the evaluation with the gap
// question (root gap), or the recalculation pass over all wings (positions).
enum class FieldHandling { WingEvaluation, GapEvaluation, RecalculationPass };
FieldHandling fieldHandling(Role role);

} // namespace ab
