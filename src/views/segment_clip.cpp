// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/segment_clip.h"

#include <algorithm>

namespace ab {

std::optional<SegmentSpan> clipSegment(double ax, double ay, double bx, double by, double left, double top,
                                       double right, double bottom)
{
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
    SegmentSpan span;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt; // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            span.t0 = std::max(span.t0, t);
        else
            span.t1 = std::min(span.t1, t);
    }
    if (span.t0 > span.t1)
        return std::nullopt;
    return span;
}

} // namespace ab
