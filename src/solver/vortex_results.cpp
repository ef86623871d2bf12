// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/vortex_results.h"

#include "model/mean_chord.h"
#include "model/numbers.h"

#include <cmath>
#include <vector>

namespace ab {
namespace {

// Exact integral of the squared chord over a strip whose chord runs linearly from cL to cR.
double squaredChordIntegral(double cL, double cR, double dy)
{
    const double d = cL - cR;
    return (cL * cL - cL * d + d * d / 3) * dy;
}

// The strips' inner and outer edges as the builder typed them, measured along the panels from the
// centre line (index J = 1..; 0 unused): the planform figures and the reference rules belong to the
// unfolded planform. On a wing whose strips all lie level these are exactly their ys.
struct UnfoldedEdges {
    std::vector<double> left, right;
};

UnfoldedEdges unfoldedEdges(const std::vector<Strip>& strips)
{
    UnfoldedEdges e;
    e.left.resize(strips.size());
    e.right.resize(strips.size());
    bool level = true;
    for (std::size_t J = 1; J < strips.size(); ++J)
        level = level && strips[J].ZLeft == strips[J].ZRight;
    double y = strips.size() > 1 ? strips[1].YLeft : 0;
    for (std::size_t J = 1; J < strips.size(); ++J) {
        const Strip& s = strips[J];
        if (level) {
            e.left[J] = s.YLeft;
            e.right[J] = s.YRight;
        } else {
            e.left[J] = y;
            y += std::hypot(s.YRight - s.YLeft, s.ZRight - s.ZLeft);
            e.right[J] = y;
        }
    }
    return e;
}

double innerChord(const Strip& s) { return s.PanelEdgeXLeft.back() - s.PanelEdgeXLeft.front(); }
double outerChord(const Strip& s) { return s.PanelEdgeXRight.back() - s.PanelEdgeXRight.front(); }

// The wing with the largest panelled half-span; on half-spans equal to 0.1 mm the larger area.
int referenceWing(const Aircraft& ac, const SolverData& sd)
{
    double bestSpan = 0, bestArea = 0;
    int m = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const auto& strips = sd.lattice[w].strips;
        if (strips.size() < 2)
            continue;
        const UnfoldedEdges e = unfoldedEdges(strips);
        const double h = e.right.back() - e.left[1];
        if (h > bestSpan || (ac.WingArea[w] > bestArea && Round(10 * bestSpan) == Round(10 * h))) {
            m = w;
            bestArea = ac.WingArea[w];
            bestSpan = h;
        }
    }
    return m;
}

// Reference area and chord, with the centre gap of the reference wing filled by a rectangle of its
// root chord; and its half planform closed along the centre line.
void referenceFigures(Aircraft& ac, SolverData& sd)
{
    const int m = referenceWing(ac, sd);
    sd.ReferenceWing = m;
    sd.ReferenceOutline.clear();
    if (m == 0) {
        ac.ReferenceArea = 0;
        ac.ReferenceMac = 0;
        return;
    }
    ac.ReferenceMac = ac.WingMac[m];
    ac.ReferenceArea = ac.WingArea[m];
    const auto& strips = sd.lattice[m].strips;
    const double y0 = strips[1].YLeft;
    if (y0 != 0) {
        const double c0 = innerChord(strips[1]);
        ac.ReferenceArea = c0 * 2 * y0 + ac.WingArea[m];
        const UnfoldedEdges e = unfoldedEdges(strips);
        double Q = c0 * c0 * y0;
        for (std::size_t J = 1; J < strips.size(); ++J)
            Q += squaredChordIntegral(innerChord(strips[J]), outerChord(strips[J]), e.right[J] - e.left[J]);
        ac.ReferenceMac = 2 * Q / ac.ReferenceArea;
    }

    const int N = ac.StationCount[m];
    const int P = 2 * N + 2;
    std::vector<OutlinePoint>& o = sd.ReferenceOutline;
    o.resize(P);
    o[0] = {ac.StationLeX[0][m], 0};
    o[P - 1] = {ac.StationLeX[0][m] + ac.StationChord[0][m], 0};
    for (int s = 0; s < N; ++s) {
        o[1 + s] = {ac.StationLeX[s][m], ac.StationY[s][m]};
        o[P - 2 - s] = {ac.StationLeX[s][m] + ac.StationChord[s][m], ac.StationY[s][m]};
    }
}

void clearResults(Aircraft& ac, int w)
{
    ac.WingMac[w] = ac.WingSpan[w] = ac.WingArea[w] = ac.WingAspectRatio[w] = 0;
    ac.WingLiftSlope[w] = ac.WingNeutralX[w] = ac.WingLiftCentreY[w] = 0;
}

bool finiteResults(const Aircraft& ac)
{
    bool ok = std::isfinite(ac.NeutralPointX) && std::isfinite(ac.ReferenceArea) && std::isfinite(ac.ReferenceMac);
    for (int w = 1; w <= MaxWings; ++w)
        ok = ok && std::isfinite(ac.WingMac[w]) && std::isfinite(ac.WingSpan[w]) && std::isfinite(ac.WingArea[w]) &&
             std::isfinite(ac.WingAspectRatio[w]) && std::isfinite(ac.WingLiftSlope[w]) &&
             std::isfinite(ac.WingNeutralX[w]) && std::isfinite(ac.WingLiftCentreY[w]);
    return ok;
}

} // namespace

bool WIRBEL_ERG(Aircraft& ac, SolverData& sd)
{
    for (int w = 1; w <= MaxWings; ++w)
        clearResults(ac, w);
    double Ltot = 0, Mtot = 0;
    std::size_t n = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const int nc = sd.counts.ChordwiseCount[w];
        auto& strips = sd.lattice[w].strips;
        if (strips.size() < 2)
            continue;
        const UnfoldedEdges e = unfoldedEdges(strips);
        double L = 0, M = 0, R = 0, S = 0, Q = 0;
        for (std::size_t J = 1; J < strips.size(); ++J) {
            Strip& s = strips[J];
            // A horseshoe's force per unit circulation is the onset flow crossed with its bound
            // leg: normal to the panel, its vertical part the strip's width seen from above (dy),
            // its sideways part cancelled by the mirror image. The area is the panel's own.
            const double p = s.Chord / nc, dy = s.YRight - s.YLeft, width = e.right[J] - e.left[J];
            double Ls = 0;
            for (int k = 1; k <= nc; ++k) {
                const double gamma = sd.Circulation[n++];
                const double lift = 2 * gamma * dy;
                s.PanelPressure[k] = 2 * gamma / p;
                Ls += lift;
                // The panel's lift acts on its bound leg where the strip's control points lie (its
                // middle on an equal strip: 0.5 weighs both ends exactly as their mean).
                const double f = s.ControlFraction;
                const double xm = s.VortexXLeft[k] * (1 - f) + s.VortexXRight[k] * f;
                Mtot -= 2 * lift * xm;
                M -= 2 * lift * xm;
            }
            R -= Ls * (e.left[J] + e.right[J]) / 2;
            const double cL = innerChord(s), cR = outerChord(s);
            Q += squaredChordIntegral(cL, cR, width);
            S += (cL + cR) * width;
            L += 2 * Ls;
        }
        ac.WingMac[w] = 2 * Q / S;
        ac.WingSpan[w] = 2 * e.right.back();
        ac.WingArea[w] = S;
        ac.WingAspectRatio[w] = ac.WingSpan[w] * ac.WingSpan[w] / S;
        if (L != 0) {
            ac.WingLiftSlope[w] = L / S;
            ac.WingNeutralX[w] = -M / L;
            ac.WingLiftCentreY[w] = -2 * R / L;
        }
        Ltot += L;
    }
    ac.NeutralPointX = Ltot != 0 ? -Mtot / Ltot : 0;
    referenceFigures(ac, sd);

    const bool usable = Ltot != 0 && finiteResults(ac);
    if (!usable) {
        for (int w = 1; w <= MaxWings; ++w)
            clearResults(ac, w);
        ac.NeutralPointX = ac.ReferenceArea = ac.ReferenceMac = 0;
    }
    // The reference chord's place on the aircraft, from the planform of the reference wing: the
    // lattice covers that planform exactly, so its chord is the one ReferenceMac holds.
    placeReferenceMac(ac, usable ? sd.ReferenceWing : 0);
    return usable;
}

} // namespace ab
