// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/fuselage_share.h"

#include "model/fuselage.h"
#include "solver/influence.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace ab {
namespace {

// How far x lies from the nearest root chord of a wing in use (0 within one): where the body axis
// passes a wing's bound vortices the flow changes within millimetres.
double distanceToRootChords(const Aircraft& ac, double x)
{
    double d = std::numeric_limits<double>::infinity();
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const double front = ac.StationLeX[0][w], rear = front + ac.StationChord[0][w];
        d = std::min(d, x < front ? front - x : x > rear ? x - rear : 0.0);
    }
    return d;
}

} // namespace

double fuselageShift(const Aircraft& ac, const SolverData& sd, const std::vector<FuselageStation>& stations,
                     double stripLength)
{
    const int m = sd.ReferenceWing;
    if (stations.size() < 2 || m < 1 || m > MaxWings || !(stripLength > 0))
        return 0;
    double liftTimesArea = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w)
        liftTimesArea += ac.WingLiftSlope[w] * ac.WingArea[w];
    if (liftTimesArea == 0)
        return 0;

    // The strips' middles on the body axis with their W^2 dx; those within the root chord are left out.
    const double rootFront = ac.StationLeX[0][m], rootRear = rootFront + ac.StationChord[0][m];
    const double axisZ = sd.lattice[m].WingZ;
    std::vector<Vec3> points;
    std::vector<double> weights;
    for (std::size_t i = 1; i < stations.size(); ++i) {
        const FuselageStation& a = stations[i - 1];
        const FuselageStation& b = stations[i];
        // Strips of stripLength close to a root chord, longer (up to four times) where the flow is
        // smooth, a quarter of the distance; a rest shorter than half a strip joins the strip before it.
        for (double x0 = a.x; x0 < b.x;) {
            const double h = std::clamp(distanceToRootChords(ac, x0) / 4, stripLength, 4 * stripLength);
            const double x1 = x0 + 1.5 * h >= b.x ? b.x : x0 + h;
            const double x = (x0 + x1) / 2;
            const double width = a.width + (b.width - a.width) * (x - a.x) / (b.x - a.x);
            if (width != 0 && (x < rootFront || x > rootRear)) {
                points.push_back({x, 0, axisZ});
                weights.push_back(width * width * (x1 - x0));
            }
            x0 = x1;
        }
    }
    // The local flow angle per unit angle of attack: the onset flow plus the induced vertical velocity.
    std::vector<double> upwash = solvedVerticalVelocity(ac, sd, points);
    // A strip's middle exactly on a vortex end is taken a hundredth of a millimetre behind it.
    for (std::size_t i = 0; i < points.size(); ++i)
        if (!std::isfinite(upwash[i])) {
            const Vec3 behind{points[i].x + 0.01, 0, axisZ};
            upwash[i] = solvedVerticalVelocity(ac, sd, {behind})[0];
        }
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        sum += weights[i] * (1 + upwash[i]);
    return -std::numbers::pi / 2 * sum / liftTimesArea;
}

bool addFuselageShare(Aircraft& ac, const SolverData& sd)
{
    ac.FuselageShift = 0;
    ac.FuselageCalculated = false;
    if (ac.Fuselage.size() < 2)
        return true;
    const double shift = fuselageShift(ac, sd, ac.Fuselage);
    if (!std::isfinite(shift))
        return false;
    ac.FuselageShift = shift;
    ac.FuselageCalculated = true;
    ac.NeutralPointX += shift;
    return true;
}

} // namespace ab
