// SPDX-License-Identifier: GPL-3.0-or-later
// Where the fuselage is drawn: its outline in the top view and its round sections in the
// three-dimensional view, its axis at the height of the reference wing's root.
#pragma once

#include "model/aircraft.h"
#include "views/projection.h"
#include "views/view_geometry.h"

#include <vector>

namespace ab {

// The height of the body's axis: the root of the wing the calculation takes as reference (by its
// planform), 0 without one.
double fuselageAxisHeight(const Aircraft& aircraft);

// The outline seen from above: the edge at y = +W/2 from nose to tail, the one at -W/2, and the
// closing lines at nose and tail where the body has width there. Nothing for fewer than two
// stations.
std::vector<Polyline> fuselageTopOutline(const Aircraft& aircraft, const TopViewLayout& layout, int width);

// The round sections at every station (closed rings of RingPointCount points) and four lines along
// the body (top, bottom and both sides), projected with the view's matrix as the wings are, at
// View3DScale `scale`, for an image of width x height.
inline constexpr int RingPointCount = 16;
std::vector<Polyline> fuselageThreeDLines(const Aircraft& aircraft, const ViewMatrix& matrix, double scale,
                                          int width, int height);

} // namespace ab
