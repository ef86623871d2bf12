// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft's own centre of gravity from the masses of its parts, set against the calculated
// neutral point and the recommended range, and the lines the balance tab and the summary show.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/balance_items.h"
#include "model/units.h"
#include "stability/stability.h"

#include <optional>
#include <string>
#include <vector>

namespace ab {

// One row of the table as read. A row whose mass or x cannot be read is flagged and counts as 0 g:
// a mass without a place (or a place without a mass) cannot be balanced.
struct BalanceItem {
    std::string name;  // at most MaxBalanceNameLength characters
    double massG = 0;  // the mass the row counts with: 0 when flagged
    double xMm = 0;    // mm as typed; 0 when xProblem is set
    EntryProblem massProblem = EntryProblem::None;
    EntryProblem xProblem = EntryProblem::None;
    bool flagged() const { return massProblem != EntryProblem::None || xProblem != EntryProblem::None; }
};

// What the figures are measured against. Without valid results (or without a positive reference
// chord) there is no % MAC, no margin and no band: only the mass and the centre of gravity.
struct BalanceReference {
    bool resultsValid = false;
    double neutralPointX = 0;   // mm from the datum
    double macMm = 0;           // the reference chord the margins are measured in
    double macLeadingEdgeX = 0; // x of that chord's leading edge, mm from the datum
    double cgForwardX = 0;      // the recommended range: cg at the high margin ...
    double cgRearX = 0;         // ... and at the low margin
};

// The aircraft's neutral point, reference chord and its leading edge, and the recommended range the
// top view draws for the stability mode (automatic: cg at the high margin forward, at the low margin
// rear; manual: the band around the desired margin).
BalanceReference balanceReference(const Aircraft& aircraft, const StabilityFigures& figures, bool automatic);

struct BalanceFigures {
    std::vector<BalanceItem> items; // the first MaxBalanceItems rows
    BalanceCut cut;
    int flaggedCount = 0;
    double massG = 0;
    std::optional<double> cgXMm;               // none when the total mass is 0
    std::optional<double> cgPercentMac;        // (x_cg - x_le) / MAC in %
    std::optional<double> staticMarginPercent; // (x_np - x_cg) / MAC in %
    std::optional<bool> insideBand;            // cgForwardX <= x_cg <= cgRearX, edges inside
    std::optional<double> moveMm;              // to the nearest edge: + rearward, - forward; 0 inside
};

// Reads the rows leniently (readMassGrams, readPositionMm) and sums those that are not flagged, so
// the total is the sum of the items' masses. Every figure is finite or absent.
BalanceFigures evaluateBalance(const std::vector<BalanceItemTexts>& items, const BalanceReference& reference);

// The state of the balance the verdict line shows, and its ink (green inside, red outside, amber
// while a row is flagged: then the centre of gravity is not the aircraft's and no verdict is given).
enum class BalanceVerdict { NoCentreOfGravity, RowsNotCounted, NoResults, Inside, MoveForward, MoveRearward };
BalanceVerdict verdictOf(const BalanceFigures& figures);

// The lines under the table, in the chosen language: total mass with the number of items, centre of
// gravity in mm (or in the chosen units) and % MAC, the static margin, and whether it lies inside the recommended range (or
// how far to move it). A figure that does not exist is a dash. `flagged` says how many rows count as
// 0 g, and is empty when none do.
struct BalanceLines {
    std::string mass, centreOfGravity, staticMargin, verdict, flagged;
};
BalanceLines balanceLines(const BalanceFigures& figures, Language language, UnitSystem units = UnitSystem::Metric);

// One sentence per kind of cut, for the user to read.
std::vector<std::string> balanceCutNotes(const BalanceCut& cut, Language language);

} // namespace ab
