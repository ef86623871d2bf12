// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a planform with the mouse, without any window library: the twenty corners a user can
// grab in a wing's planform view, which corner lies under the pointer, the cursor and the fields a
// drag of it would change, and the field texts the drag writes when the button is released. Also
// the steps by which dragging turns and sizes the three-dimensional view and zooms the top view.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "views/view_geometry.h"

#include <array>
#include <string_view>
#include <vector>

namespace ab {

inline constexpr int CornerCount = 20;

// Unrounded pixel offset of each corner 1..20 (index 0 unused) from the view origin, for wing w at
// the given scale: 1/2 root leading edge right/left, 3/4 root trailing edge, then per station
// k = 1..4 its leading edge (5 + 4(k-1), right; +1 left) and trailing edge (+2, +3).
struct CornerOffset {
    double dx = 0, dy = 0;
};
std::array<CornerOffset, CornerCount + 1> cornerOffsets(const Aircraft& aircraft, int w, double scale);

// The corner under the pointer: the last of 1..20 whose offset lies less than 3 pixels away in both
// directions, 0 for none.
int hitCorner(const Aircraft& aircraft, int w, const ViewMapping& mapping, int x, int y);

// The cursor a corner shows: a cross over no corner, left-right over the root leading edge, all
// directions over a tip leading edge, up-down over a trailing edge.
enum class CornerCursor { Cross, SizeWE, SizeAll, SizeNS };
CornerCursor cornerCursor(int corner);

// The fields a drag of the corner changes (highlighted while hovering); with the Shift key alone
// also the tip offsets further out that a Shift drag moves along.
std::vector<Role> fieldsOfCorner(int corner, bool shiftOnly);

// The writes of a drag of `corner` by (dX, dY) pixels at the scale taken at the release, in the
// order they are made; values are whole millimetres, halves away from zero, within 32 bits.
// rootGapText is the text of the wing's root-gap field (a "0" lets the left root corner open the
// gap in either direction).
std::vector<FieldChange> dragWrites(const Aircraft& aircraft, int w, int corner, double scale, int dX, int dY,
                                    bool shiftOnly, std::string_view rootGapText);

// One acted-on move of a drag in the three-dimensional view: the left button turns (elevation bar
// up with upward moves, azimuth bar right with rightward ones), then the right button sizes and
// turns; one bar step per 3 pixels, truncated towards zero. The anchor moves by the pixels its steps
// used, so the rest of a move counts with the next one (a slow drag goes as far as a fast one), and
// holding both buttons changes nothing in the second step.
struct BarSteps {
    int elevation = 0, azimuth = 0, size = 0;
};
BarSteps threeDDragSteps(Pixel& anchor, Pixel pointer, bool leftButton, bool rightButton);

// One move of a left-button drag in the top view: the zoom bar steps up with upward moves, one step
// per 3 pixels, the rest carried over to the next move.
int topViewZoomStep(Pixel& anchor, Pixel pointer);

} // namespace ab
