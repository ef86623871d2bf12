// SPDX-License-Identifier: GPL-3.0-or-later
// The small front view of a half wing with dihedral that the planform view shows above the left half
// of its planform: the wing's stations from the root out to the tip, spanwise as seen from above and
// in height as built, to scale, so that a V-tail or a polyhedral wing can be checked as it is typed.
#pragma once

#include "model/aircraft.h"
#include "model/units.h"
#include "views/view_geometry.h"

#include <optional>
#include <string>

namespace ab {

// What the front view draws, in pixels.
struct FrontView {
    Polyline wing;      // stations 0..n, root at the right, tip towards the left (the left half seen from behind)
    Polyline rootLevel; // the root's height, from the centre line out to the tip's column
    double scale = 0;   // pixels per mm, the same across and up
};

// The front view of wing w in the room left of the centre column `centreX` and above the planform's
// axis row, rows top..bottom and columns left..centreX: y runs leftward from the centre column, the
// height upward, both at the planform's scale or smaller where the wing's span seen from above or the
// range of its heights (the root's included) would leave the room; the drawing stands centred in the
// room's height. None for a wing without dihedral, for a room of no size or for a wing with neither
// span nor height.
std::optional<FrontView> frontView(const Aircraft& aircraft, int w, double planformScale, int left, int top,
                                   int centreX, int bottom);

// The figures a wing with dihedral adds on its tab, written as the typed planform's figures are:
// span and area seen from above ("1532mm", "28.30dm^2"). None for a flat wing, whose projected
// figures are its typed ones.
struct ProjectedFigureTexts {
    std::string span, area;
};
std::optional<ProjectedFigureTexts> projectedFigureTexts(const Aircraft& aircraft, int w,
                                                         UnitSystem units = UnitSystem::Metric);

} // namespace ab
