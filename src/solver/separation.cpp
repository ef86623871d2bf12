// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/separation.h"

#include "model/numbers.h"
#include "model/recalculation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ab {
namespace {

// Steps taken one millimetre at a time before the remaining way is computed in one go: a huge wing
// can need a minimum distance of millions of steps.
constexpr long kLiteralSteps = 1L << 20;

// Height of wing w's surface above its root (posZ) at y seen from above: the wing as built is a
// chain of straight trapezoids from the root station to the tip.
double riseAt(const Aircraft& ac, int w, double y)
{
    const int tip = ac.StationCount[w] - 1;
    for (int s = 1; s <= tip; ++s) {
        const double y0 = ac.StationProjectedY[s - 1][w], y1 = ac.StationProjectedY[s][w];
        if (y > y1 && s < tip)
            continue;
        if (!(y1 > y0))
            return ac.StationRise[s][w];
        const double f = std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
        return ac.StationRise[s - 1][w] + f * (ac.StationRise[s][w] - ac.StationRise[s - 1][w]);
    }
    return 0;
}

// How far wing j's surface lies above wing i's beyond the difference of their root heights, at its
// least and its most over the span both share seen from above. Both are 0 for level wings, so the
// separation of flat wings compares root heights alone.
struct Band {
    double low = 0, high = 0;
};

Band bandOf(const Aircraft& ac, int i, int j, double lo, double hi)
{
    if (!hasDihedral(ac, i) && !hasDihedral(ac, j))
        return {};
    // The surfaces are straight between stations: the extremes lie at a station or an end.
    std::vector<double> ys{lo, hi};
    for (int w : {i, j})
        for (int s = 0; s < ac.StationCount[w]; ++s)
            if (ac.StationProjectedY[s][w] > lo && ac.StationProjectedY[s][w] < hi)
                ys.push_back(ac.StationProjectedY[s][w]);
    Band b{INFINITY, -INFINITY};
    for (double y : ys) {
        const double g = riseAt(ac, j, y) - riseAt(ac, i, y);
        b.low = std::fmin(b.low, g);
        b.high = std::fmax(b.high, g);
    }
    return b;
}

struct Heights {
    const Aircraft& ac;
    PerWing<double> z{};
    double d = 0;
    std::array<PerWing<Band>, MaxWings + 1> band{}; // band[i][j]: wing j against the earlier wing i

    // The wing seen from above: a tilted wing's span is its projection.
    double root(int w) const { return ac.StationProjectedY[0][w]; }
    double tip(int w) const { return ac.StationProjectedY[ac.StationCount[w] - 1][w]; }
    bool overlap(int i, int j) const { return UEBERSCHNEID(root(i), tip(i), root(j), tip(j)); }

    void measureBands(int wings)
    {
        for (int i = 1; i <= wings; ++i)
            for (int j = i + 1; j <= wings; ++j)
                if (overlap(i, j))
                    band[i][j] = bandOf(ac, i, j, std::fmax(root(i), root(j)), std::fmin(tip(i), tip(j)));
    }

    // Whether the height gap between wing j and the earlier wing i reaches d somewhere (strictly
    // below d for `strict`); for level wings |z_i - z_j| <= d (< d).
    bool near(int i, int j, bool strict) const
    {
        const double h = z[j] - z[i];
        const Band& b = band[i][j];
        const bool close = strict ? (h + b.high > -d && h + b.low < d) : (h + b.high >= -d && h + b.low <= d);
        return close && overlap(i, j);
    }
    bool tooClose(int i, int j) const { return near(i, j, false); }

    // Down when wing j lies mostly below wing i (or level with it), else up.
    double direction(int i, int j) const
    {
        const Band& b = band[i][j];
        return z[j] - z[i] + (b.low + b.high) / 2 <= 0 ? -1.0 : 1.0;
    }

    // The height of wing j just clear of wing i on side dir: the band's near edge d away.
    double clearOf(int i, int j, double dir) const
    {
        const Band& b = band[i][j];
        return z[i] + dir * d - (dir < 0 ? b.high : b.low);
    }

    // The earlier wing that wing j is too close to, or 0.
    int blocking(int j) const
    {
        for (int k = 1; k < j; ++k)
            if (tooClose(k, j))
                return k;
        return 0;
    }

    // Moves wing j away from wing i one step at a time until it is too close to none of the earlier
    // wings; the first step is always taken. The direction never changes, so after many steps the
    // rest of the way is jumped: just beyond the far end of each band that still blocks it.
    void stepAway(int i, int j)
    {
        const double dir = direction(i, j);
        long steps = 0;
        do {
            z[j] += dir;
            ++steps;
        } while (blocking(j) != 0 && steps < kLiteralSteps);
        for (int k = blocking(j); k != 0; k = blocking(j)) {
            const double farEnd = clearOf(k, j, dir);
            z[j] += dir * (std::floor(dir * (farEnd - z[j])) + 1);
        }
    }
};

double clampToField(double z) { return std::fmin(std::fmax(z, static_cast<double>(INT32_MIN) + 1), INT32_MAX); }

} // namespace

bool UEBERSCHNEID(double rootI, double tipI, double rootJ, double tipJ) { return tipJ > rootI && rootJ < tipI; }

void KONFLIKT2(Aircraft& ac, AircraftTexts& texts, const PanelCounts& counts,
               const std::function<void(int, const std::string&)>& written)
{
    const int wings = ac.ActiveWingCount;
    Heights h{ac};
    for (int w = 1; w <= MaxWings; ++w)
        h.z[w] = ac.posZ[w];
    for (int i = 1; i <= wings; ++i) {
        if (counts.StripCount[i] == 0)
            continue;
        const double di = 0.6 * (ac.WingSpan[i] / 2 - ac.rootGap[i]) / counts.StripCount[i];
        h.d = std::fmax(h.d, di);
    }

    const auto write = [&](int j) {
        const double z = clampToField(h.z[j]);
        h.z[j] = z;
        ac.posZ[j] = static_cast<std::int32_t>(Round(z));
        const std::string text = formatFixed(z, 0);
        texts.wing[j][Role::PosZ] = text;
        ac.WingsMoved = true;
        recalculate(ac, texts);
        if (written)
            written(j, text);
    };

    h.measureBands(wings);
    if (wings >= 2 && h.near(1, 2, true)) {
        h.z[2] = h.clearOf(1, 2, h.direction(1, 2));
        write(2);
    }
    for (int j = 3; j <= wings; ++j) {
        for (int i = 1; i < j; ++i) {
            if (h.near(i, j, true)) {
                h.stepAway(i, j);
                write(j);
            }
        }
    }
}

} // namespace ab
