// SPDX-License-Identifier: GPL-3.0-or-later
// The two drawings of a wing tab: the parameter sketch, a fixed drawing of a half wing with the
// dimension arrows the tab's fields lie on, and the planform view of the wing to scale.
#pragma once

#include "model/aircraft.h"
#include "draw/canvas.h"
#include "views/view_geometry.h"

#include <QImage>
#include <QString>

namespace ab {

// The sketch with trapezoids 1..trapezoidCount and their dimensions, on a 750 x 200 image; each
// trapezoid's dihedral field is marked with a small angle.
void drawSketch(Canvas& canvas, int trapezoidCount, const QString& flightDirection);

// The axes of a view from above with their arrowheads (x rearward down the centre column ox, y to
// the right along row oy) and the flight-direction arrow beside the centre column.
void drawViewAxes(Canvas& canvas, int ox, int oy);

// The planform of wing w as typed (unfolded), both halves, with axes, flight direction, r25 mark and
// mean chord, and with valid results the wing's neutral point and centre of lift. A wing with
// dihedral adds the front view of its half wing above the left half (front_view.h).
void drawPlanformView(Canvas& canvas, const Aircraft& aircraft, int w, const ViewMapping& mapping,
                      bool resultsValid);

// The rubber band of a corner drag: the outline of wing w as the release would give it, dashed in
// the wing's colour over what the view shows.
void drawDragOutline(QImage& image, const Aircraft& aircraft, int w, const ViewMapping& mapping);

} // namespace ab
