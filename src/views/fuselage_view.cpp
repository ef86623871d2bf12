// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/fuselage_view.h"

#include "model/mean_chord.h"

#include <cmath>
#include <numbers>

namespace ab {

double fuselageAxisHeight(const Aircraft& ac)
{
    const int m = planformReferenceWing(ac);
    return m >= 1 && m <= MaxWings ? ac.posZ[m] : 0.0;
}

std::vector<Polyline> fuselageTopOutline(const Aircraft& ac, const TopViewLayout& l, int width)
{
    const std::vector<FuselageStation>& s = ac.Fuselage;
    if (s.size() < 2)
        return {};
    Polyline right, left;
    for (const FuselageStation& st : s) {
        right.push_back(topViewPoint(st.x, st.width / 2, l.scale, l.offsetY, width));
        left.push_back(topViewPoint(st.x, -st.width / 2, l.scale, l.offsetY, width));
    }
    std::vector<Polyline> out{right, left};
    if (s.front().width > 0)
        out.push_back({right.front(), left.front()});
    if (s.back().width > 0)
        out.push_back({right.back(), left.back()});
    return out;
}

std::vector<Polyline> fuselageThreeDLines(const Aircraft& ac, const ViewMatrix& matrix, double scale, int width,
                                          int height)
{
    const std::vector<FuselageStation>& s = ac.Fuselage;
    if (s.size() < 2)
        return {};
    const double z = fuselageAxisHeight(ac);
    const auto projected = [&](double x, double r, int k) {
        const double a = 2 * std::numbers::pi * k / RingPointCount;
        ViewPoint p{r * std::cos(a) * scale, x * scale, (z + r * std::sin(a)) * scale};
        projectPoint(p, matrix);
        return screenPosition(p, width, height);
    };
    std::vector<Polyline> out;
    for (const FuselageStation& st : s) {
        if (st.width <= 0)
            continue;
        Polyline ring;
        for (int k = 0; k <= RingPointCount; ++k)
            ring.push_back(projected(st.x, st.width / 2, k));
        out.push_back(std::move(ring));
    }
    for (int k = 0; k < RingPointCount; k += RingPointCount / 4) {
        Polyline along;
        for (const FuselageStation& st : s)
            along.push_back(projected(st.x, st.width / 2, k));
        out.push_back(std::move(along));
    }
    return out;
}

} // namespace ab
