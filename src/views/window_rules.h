// SPDX-License-Identifier: GPL-3.0-or-later
// What the window offers and shows, as plain functions of its state: which commands are enabled,
// which stability controls show and where the margin marks stand beside the margin bar, when the
// pressure box is offered and a copied wing can be inserted. The window only applies them.
#pragma once

#include "model/aircraft.h"
#include "model/configuration.h"

#include <vector>

namespace ab {

// The state the commands follow.
struct WindowState {
    bool resultsValid = false;    // the results match the aircraft
    bool solverDataValid = false; // lattice and pressure distribution are in memory
    bool edited = true;           // the aircraft changed since the last calculation ended
    bool calculating = false;     // a calculation is under way
    bool saveOffered = false;     // plain Save: after an open, a save, a wing copy or a file named at start
    int wingCount = MaxWings;
    CopyCommands copy{};          // as the page changes and menu jumps left them
    int page = 0;                 // the tab on display: wing 1..5, or 0 for another tab
};

// Why Print and the exports are not offered, for their tool tips: a calculation has to be run
// first, or one is under way.
enum class ResultsWait { None, Calculate, Calculating };

struct CommandStates {
    bool calculate = false; // Button4, SpeedButton4, the Calculate action (F9)
    bool print = false;     // Print1, SpeedButton5
    bool exports = false;   // ExportTemplate1, ExportAvl1, ExportCsv1: with results, as Print
    ResultsWait resultsWait = ResultsWait::Calculate; // None while Print and the exports are offered
    bool save = false;      // Save3, SpeedButton3
    WingCountMenu wingMenu; // wing21, wing31, chng1 .. chng5
    CopyCommands copy{};    // CopyWing1, InsertCopiedWing1
    bool insertFromFile = false; // InsertWingFromFile1: a wing's tab is on display, no calculation runs
};

// Calculate is offered after an edit and while no calculation runs; Print while the calculated
// results and their lattice are in memory (an opened file brings results but no lattice); Save once
// the aircraft has a file or a copy was taken; the Edit menu follows the wing count.
CommandStates commandStates(const WindowState& state);

// The stability controls of the aircraft tab. Automatic mode hides every margin control; manual
// mode shows the margin field, bar, the difference label and the 8 % mark, and beside it the 4 %
// mark for a single wing (range 4-8 %) or the 16 % mark otherwise (range 8-16 %).
struct StabilityControlsShown {
    bool marginControls = false; // Label21, Label22, Edit_Mstab, ScrollBar5
    bool mark16 = false;         // Label28
    bool mark8 = false;          // Label29
    bool mark4 = false;          // Label30
};
StabilityControlsShown stabilityControlsShown(bool automatic, int activeWingCount);

// The margin bar position 0..60 that writes a margin into the field: the inverse of
// marginFieldText (30 % at 0 down to 0 % at 60, half a percent a step), rounded to a step.
int marginBarPosition(double percent);

// The margins the marks beside the bar stand for, in the order Label28, Label29, Label30.
inline constexpr double MarginMarkPercent[3] = {16, 8, 4};

// The pressure check box and its label are offered while the pressure distribution is in memory.
inline bool pressureBoxOffered(const Aircraft& aircraft) { return aircraft.SolverDataValid; }

// A copied wing can be inserted when the copy file was there at start or a copy was taken on the
// tab of wing 1 (the copy file itself), 2 or 3 since.
bool insertOffered(bool copyAvailable, const PerWing<bool>& copySourceFlags);

} // namespace ab
