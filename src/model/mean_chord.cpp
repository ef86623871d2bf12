// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mean_chord.h"

#include "model/numbers.h"
#include "model/planform.h"

#include <algorithm>

namespace ab {

MeanChord meanChordOf(const Aircraft& ac, int w, bool fillCentreGap)
{
    const int stations = std::clamp(ac.StationCount[w], 2, MaxStations);
    // Leading edges from the root leading edge: the mean chord is placed on the wing first and
    // moved with it, so it follows the position read last.
    PerStation<double> leX{};
    for (int s = 1; s < stations; ++s)
        leX[s][w] = ac.StationOffsetMm[s][w];
    const PlanformFigures f = NTRAP_SPEZIAL(w, stations, leX, ac.StationY, ac.StationChord);
    if (!(f.area > 0))
        return {0, double(ac.posX[w]), 0};

    MeanChord m{f.mac, f.r25 - f.mac / 4, f.macY};
    const double y0 = ac.StationY[0][w], c0 = ac.StationChord[0][w];
    if (fillCentreGap && y0 != 0) {
        // The half area and the rectangle from the centre line to the gap's edge, its leading edge
        // at the root's, its centroid halfway out.
        const double half = f.area / 2, gap = c0 * y0;
        m.length = (half * f.mac + c0 * c0 * y0) / (half + gap);
        m.leadingX = half * m.leadingX / (half + gap);
        m.y = (half * m.y + gap * y0 / 2) / (half + gap);
    }
    m.leadingX += ac.posX[w];
    return m;
}

int planformReferenceWing(const Aircraft& ac)
{
    double bestSpan = 0, bestArea = 0;
    int m = 0;
    for (int w = 1; w <= std::clamp(ac.ActiveWingCount, 1, MaxWings); ++w) {
        const int last = std::clamp(ac.StationCount[w], 2, MaxStations) - 1;
        const double h = ac.StationY[last][w] - ac.StationY[0][w];
        if (!(h > 0) || !(ac.WingArea[w] > 0))
            continue;
        if (h > bestSpan || (ac.WingArea[w] > bestArea && Round(10 * bestSpan) == Round(10 * h))) {
            m = w;
            bestArea = ac.WingArea[w];
            bestSpan = h;
        }
    }
    return m;
}

void placeReferenceMac(Aircraft& ac, int w)
{
    const MeanChord m = w >= 1 && w <= MaxWings ? meanChordOf(ac, w, true) : MeanChord{};
    ac.ReferenceMacLeadingX = m.leadingX;
    ac.ReferenceMacY = m.y;
}

} // namespace ab
