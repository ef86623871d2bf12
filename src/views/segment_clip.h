// SPDX-License-Identifier: GPL-3.0-or-later
// Which part of a straight segment lies inside an axis-parallel rectangle (Liang-Barsky clipping),
// for the views that measure how much of a wing outline a text block or a page covers.
#pragma once

#include <optional>

namespace ab {

// The part inside as the parameters t0 <= t1 along the segment (0 at its start, 1 at its end);
// none when the segment misses the rectangle. Edges count as inside.
struct SegmentSpan {
    double t0 = 0, t1 = 1;
};
std::optional<SegmentSpan> clipSegment(double ax, double ay, double bx, double by, double left, double top,
                                       double right, double bottom);

} // namespace ab
