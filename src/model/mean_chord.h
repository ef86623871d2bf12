// SPDX-License-Identifier: GPL-3.0-or-later
// The mean aerodynamic chord placed on the aircraft: where its leading edge lies in the aircraft's
// datum and at which spanwise station, for one wing and for the reference chord, which fills the
// reference wing's centre gap with its root chord as the reference area and chord do.
#pragma once

#include "model/aircraft.h"

namespace ab {

struct MeanChord {
    double length = 0;   // mm
    double leadingX = 0; // x of its leading edge in the aircraft's datum, mm
    double y = 0;        // spanwise station on the right half, mm
};

// Wing w (1..5) from its station tables, its root leading edge at posX[w] as last read. With
// fillCentreGap, a centre gap counts as a rectangle of the root chord from the centre line out, as
// the reference chord counts it. A wing without area has a chord of 0 at its root leading edge.
MeanChord meanChordOf(const Aircraft& aircraft, int w, bool fillCentreGap);

// The wing the calculation takes as reference, told from the planform alone (as for results a file
// brought, without a lattice): the largest half-span from the centre gap to the tip among the wings
// in use, on half-spans equal to 0.1 mm the larger area. 0 when no wing has span and area.
int planformReferenceWing(const Aircraft& aircraft);

// ReferenceMacLeadingX and ReferenceMacY from the reference chord of wing w; both 0 for w = 0.
void placeReferenceMac(Aircraft& aircraft, int w);

} // namespace ab
