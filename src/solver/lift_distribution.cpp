// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/lift_distribution.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ab {
namespace {

// The panels of wing w in the circulation solve's numbering, which runs wing after wing, strip after
// strip (strip 0 is unused).
std::size_t wingPanelCount(const SolverData& sd, int w)
{
    const std::size_t strips = sd.lattice[w].strips.size();
    return strips >= 2 ? (strips - 1) * static_cast<std::size_t>(std::max(sd.counts.ChordwiseCount[w], 0)) : 0;
}

// The lattice and the circulations belong together only when its panels cover them exactly.
std::size_t latticePanelCount(const Aircraft& ac, const SolverData& sd)
{
    std::size_t n = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w)
        n += wingPanelCount(sd, w);
    return n;
}

// One wing from its strips, with `n` the global number of its first panel. Leaves the wing empty when
// it has no lift or a figure is not finite.
WingLiftDistribution wingDistribution(const std::vector<Strip>& strips, int nc, const std::vector<double>& circulation,
                                      std::size_t n, double cRef)
{
    WingLiftDistribution d;
    if (strips.size() < 2 || nc < 1)
        return d;
    double halfLift = 0, halfArea = 0; // ∫ c·cl dy and the area of the half wing
    for (std::size_t J = 1; J < strips.size(); ++J) {
        const Strip& s = strips[J];
        double gamma = 0;
        for (int k = 1; k <= nc; ++k)
            gamma += circulation[n++];
        const double width = s.YRight - s.YLeft;
        const double cCl = 2 * gamma;
        halfLift += cCl * width;
        // The area as the vortex results take it: the strip's edge chords, so that CL is theirs.
        const double inner = s.PanelEdgeXLeft.back() - s.PanelEdgeXLeft.front();
        const double outer = s.PanelEdgeXRight.back() - s.PanelEdgeXRight.front();
        halfArea += (inner + outer) / 2 * width;
        d.stations.push_back({s.ControlY, width, s.Chord, cCl / cRef, cCl / s.Chord, 0});
    }
    d.innerY = strips[1].YLeft;
    d.halfSpan = strips.back().YRight;
    d.liftCoefficient = halfLift / halfArea;
    // Same lift over 0..b: ∫ E0·sqrt(1 - (y/b)²) dy = E0·π·b/4.
    d.ellipticRoot = 4 * halfLift / (std::numbers::pi * d.halfSpan * cRef);

    bool finite = halfLift != 0 && std::isfinite(d.liftCoefficient) && std::isfinite(d.ellipticRoot);
    for (LiftStation& st : d.stations) {
        st.clOverCL /= d.liftCoefficient;
        st.elliptic = ellipticLift(d, st.y);
        finite = finite && std::isfinite(st.localLift) && std::isfinite(st.clOverCL) && std::isfinite(st.chord);
    }
    if (!finite)
        return {};
    const auto highest = std::max_element(d.stations.begin(), d.stations.end(),
                                          [](const LiftStation& a, const LiftStation& b) { return a.clOverCL < b.clOverCL; });
    d.stallFirst = static_cast<int>(highest - d.stations.begin());
    return d;
}

} // namespace

LiftDistribution liftDistribution(const Aircraft& ac, const SolverData& sd)
{
    LiftDistribution r;
    const double cRef = ac.ReferenceMac;
    if (!ac.ResultsValid || !ac.SolverDataValid || !(cRef > 0) || !std::isfinite(cRef) || ac.ActiveWingCount < 1 ||
        ac.ActiveWingCount > MaxWings || latticePanelCount(ac, sd) != sd.Circulation.size())
        return r;
    r.referenceChord = cRef;
    r.wingCount = ac.ActiveWingCount;
    std::size_t n = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        r.wings[w] = wingDistribution(sd.lattice[w].strips, sd.counts.ChordwiseCount[w], sd.Circulation, n, cRef);
        n += wingPanelCount(sd, w);
    }
    return r;
}

double ellipticLift(const WingLiftDistribution& wing, double y)
{
    if (!(wing.halfSpan > 0) || y < 0 || y > wing.halfSpan)
        return 0;
    const double r = y / wing.halfSpan;
    return wing.ellipticRoot * std::sqrt(1 - r * r);
}

double halfWingLift(const WingLiftDistribution& wing, double referenceChord)
{
    double sum = 0;
    for (const LiftStation& s : wing.stations)
        sum += s.localLift * referenceChord * s.width;
    return sum;
}

} // namespace ab
