// SPDX-License-Identifier: GPL-3.0-or-later
// The front view of a tilted half wing: its stations placed by their span seen from above and their
// rise above the root, at one scale for both directions.
#include "views/front_view.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace ab {

std::optional<FrontView> frontView(const Aircraft& ac, int w, double planformScale, int left, int top, int centreX,
                                   int bottom)
{
    if (!hasDihedral(ac, w) || centreX <= left || bottom <= top)
        return std::nullopt;
    const int n = trapezoidCountOf(ac, w);
    double lowest = 0, highest = 0;
    for (int k = 1; k <= n; ++k) {
        lowest = std::min(lowest, ac.StationRise[k][w]);
        highest = std::max(highest, ac.StationRise[k][w]);
    }
    const double span = ac.StationProjectedY[n][w], height = highest - lowest;
    double scale = std::isfinite(planformScale) && planformScale > 0 ? planformScale : INFINITY;
    if (span > 0)
        scale = std::min(scale, (centreX - left) / span);
    if (height > 0)
        scale = std::min(scale, (bottom - top) / height);
    if (!std::isfinite(scale) || !(scale > 0) || (span <= 0 && height <= 0))
        return std::nullopt;

    // The heights' middle stands in the middle of the room.
    const double middleRow = (top + bottom) / 2.0, middleHeight = (lowest + highest) / 2;
    const auto at = [&](double y, double rise) {
        return Pixel{roundPixel(centreX - y * scale), roundPixel(middleRow - (rise - middleHeight) * scale)};
    };
    FrontView view;
    view.scale = scale;
    for (int k = 0; k <= n; ++k)
        view.wing.push_back(at(ac.StationProjectedY[k][w], ac.StationRise[k][w]));
    view.rootLevel = {at(0, 0), at(span, 0)};
    return view;
}

std::optional<ProjectedFigureTexts> projectedFigureTexts(const Aircraft& ac, int w, UnitSystem u)
{
    if (!hasDihedral(ac, w))
        return std::nullopt;
    return ProjectedFigureTexts{
        shownFigure(ac.WingProjectedSpan[w], Quantity::Length, u, 0, 4) + std::string(unitName(Quantity::Length, u)),
        shownFigure(ac.WingProjectedArea[w], Quantity::Area, u, 2, 4) + std::string(unitName(Quantity::Area, u))};
}

} // namespace ab
