// SPDX-License-Identifier: GPL-3.0-or-later
// Vertical separation of the wings: every pair of wings whose spans overlap must lie more than a
// minimum height apart before the lattice is built, or the horseshoes of one wing would pass
// through the control points of the other. The later wing of a pair too close is moved.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "solver/solver_data.h"

#include <functional>
#include <string>

namespace ab {

// True when the spanwise intervals [rootI, tipI] and [rootJ, tipJ] overlap with a positive length.
bool UEBERSCHNEID(double rootI, double tipI, double rootJ, double tipJ);

// Moves wings 2..ActiveWingCount in height until each lies more than the minimum distance (0.6 of
// the largest mean strip width; wings without strips are left out of it) from every earlier wing it
// overlaps in span. Wings are taken as built: the spans are those seen from above, and the height
// gap between two tilted wings is measured over the whole span they share (level wings: the gap
// between their root heights). Each moved height is written into the wing's height text (no decimals) and posZ,
// the recalculation pass runs as the field's change handler would, and `written` is told the wing
// and the text. Sets WingsMoved when a height was written. Heights stay within the 32-bit range the
// height fields can hold.
void KONFLIKT2(Aircraft& aircraft, AircraftTexts& texts, const PanelCounts& counts,
               const std::function<void(int wing, const std::string& zText)>& written = {});

} // namespace ab
