// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/grid.h"

#include "model/numbers.h"
#include "solver/trimming.h"

#include <cmath>
#include <numbers>

namespace ab {
namespace {

// A planned count as an int. Counts beyond any table stay recognisable as too large; a count that
// is not a number (no area at all) plans nothing.
int countOf(double v)
{
    if (!(v >= 0))
        return 0;
    return v > 1e6 ? 1000000 : static_cast<int>(v);
}

void refuseWing(Aircraft& ac, Language l, int w, std::vector<std::string>& failures)
{
    const MessageTexts& m = messageTexts(l);
    failures.push_back(m.WingFailure[w]);
    failures.push_back(m.WingAdvice);
    ac.CalcFailed = true;
}

// Trapezoids of positive width whose chords are both 0 would divide by a zero mean chord.
bool refuseChordlessTrapezoids(Aircraft& ac, Language l, std::vector<std::string>& failures)
{
    bool refused = false;
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        for (int t = 1; t < ac.StationCount[w]; ++t) {
            const double width = ac.StationY[t][w] - ac.StationY[t - 1][w];
            const double meanChord = (ac.StationChord[t - 1][w] + ac.StationChord[t][w]) / 2;
            if (width > 0 && meanChord == 0) {
                failures.push_back(trapezoidFailureLine(l, w, t));
                failures.push_back(messageTexts(l).ChordlessAdvice);
                ac.CalcFailed = true;
                refused = true;
            }
        }
    }
    return refused;
}

// Budget reference among the first three wings by area.
int budgetReference(const Aircraft& ac)
{
    const auto& S = ac.WingArea;
    if (ac.ActiveWingCount <= 1)
        return 1;
    if (ac.ActiveWingCount == 2)
        return S[1] > S[2] ? 1 : 2;
    int a = (S[1] < S[2] && S[2] >= S[3]) ? 2 : 1;
    if (S[1] < S[3] && S[2] <= S[3])
        a = 3;
    return a;
}

// Where trapezoid t of a wing with any tilted trapezoid lies as built: its root station seen from
// above and in absolute height, how far its tip lies further out and higher, and the unit normal of
// its plane on the right half, (0, -sin a, cos a) for the angle a (pointing up). A flat trapezoid
// outboard of a tilted one lies level at the height its root was raised to. On a wing without any
// angle `tilted` is false and the lattice keeps the typed ys and posZ.
struct Tilt {
    bool tilted = false;
    double y0 = 0, dY = 0, z0 = 0, dZ = 0;
    double normalY = 0, normalZ = 1;
};

Tilt tiltOf(const Aircraft& ac, int w, int t)
{
    Tilt tilt;
    if (!hasDihedral(ac, w))
        return tilt;
    tilt.tilted = true;
    tilt.y0 = ac.StationProjectedY[t - 1][w];
    tilt.dY = ac.StationProjectedY[t][w] - tilt.y0;
    tilt.z0 = ac.posZ[w] + ac.StationRise[t - 1][w];
    tilt.dZ = ac.StationRise[t][w] - ac.StationRise[t - 1][w];
    const double angle = ac.StationDihedral[t][w];
    if (angle != 0) {
        const double radians = angle * std::numbers::pi / 180;
        tilt.normalY = -std::sin(radians);
        tilt.normalZ = std::cos(radians);
    }
    return tilt;
}

} // namespace

double cosineFraction(double i, int n) { return (1 - std::cos(std::numbers::pi * i / n)) / 2; }

std::vector<double> cosineFractions(int n)
{
    std::vector<double> f(n + 1);
    for (int i = 0; i <= n; ++i)
        f[i] = cosineFraction(i, n);
    f[n] = 1; // the outer end exactly, whatever the cosine's last digit
    return f;
}

void GRID(Aircraft& ac, PanelCounts& c, Language l, std::vector<std::string>& failures)
{
    c = PanelCounts{};
    if (refuseChordlessTrapezoids(ac, l, failures))
        return;

    const double Sa = ac.WingArea[budgetReference(ac)];
    PerWing<bool> tooLarge{};
    double panelSum = 0;
    for (int i = 1; i <= ac.ActiveWingCount; ++i) {
        const double S = ac.WingArea[i];
        // A wing without area gets no panels; against a reference without area any other is too large.
        const double budget = S == 0 ? 0.0 : Round(400 * S / Sa);
        c.PanelBudget[i] = countOf(budget);
        const int tip = ac.StationCount[i] - 1;
        const double b = 2 * (ac.StationY[tip][i] - ac.StationY[0][i]);
        const double A = b * b / S;
        const double chordwise = std::fmax(Round(std::sqrt(2 * budget / A)), 1.0);
        c.ChordwiseCount[i] = countOf(chordwise);
        tooLarge[i] = !(chordwise <= MaxChordwiseCount);

        double strips = 0;
        for (int t = 1; t <= tip; ++t) {
            const double width = ac.StationY[t][i] - ac.StationY[t - 1][i];
            if (!(width > 0))
                continue;
            const double meanChord = (ac.StationChord[t - 1][i] + ac.StationChord[t][i]) / 2;
            const double n = std::fmax(Round(width * chordwise / meanChord), 1.0);
            c.TrapezoidStripCount[t][i] = countOf(n);
            tooLarge[i] = tooLarge[i] || !(n <= MaxTrapezoidStrips);
            strips += n;
        }
        c.StripCount[i] = countOf(strips);
        tooLarge[i] = tooLarge[i] || !(strips <= MaxStripCount);
        panelSum += strips * chordwise;
    }
    c.PanelCount = countOf(panelSum);

    bool refused = false;
    for (int i = 1; i <= MaxWings; ++i) {
        if (tooLarge[i]) {
            refuseWing(ac, l, i, failures);
            refused = true;
        }
    }
    if (!refused && c.PanelCount > MaxPanelCount) {
        int most = 1;
        for (int i = 2; i <= ac.ActiveWingCount; ++i)
            if (c.StripCount[i] * c.ChordwiseCount[i] > c.StripCount[most] * c.ChordwiseCount[most])
                most = i;
        refuseWing(ac, l, most, failures);
    }
}

void TRAWY2(Aircraft& ac, SolverData& sd, Language l, std::vector<std::string>& failures)
{
    const PanelCounts& c = sd.counts;
    const bool refined = ac.StripSpacing == SpanwiseSpacing::Refined;
    for (int w = 1; w <= MaxWings; ++w)
        sd.lattice[w].strips.clear();

    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const int nc = c.ChordwiseCount[w];
        std::vector<Strip>& strips = sd.lattice[w].strips;
        strips.assign(1, Strip{}); // strip 0 unused
        for (int t = 1; t < ac.StationCount[w]; ++t) {
            const int n = c.TrapezoidStripCount[t][w];
            if (n == 0)
                continue;
            const double x0 = ac.StationLeX[t - 1][w], y0 = ac.StationY[t - 1][w], c0 = ac.StationChord[t - 1][w];
            const double dX = ac.StationLeX[t][w] - x0;
            const double dY = ac.StationY[t][w] - y0;
            const double dC = ac.StationChord[t][w] - c0;
            // Strips are trimmed along the panel as typed; on a wing with an angle they are then
            // placed as built (y seen from above, heights above the root).
            const Tilt tilt = tiltOf(ac, w, t);

            std::vector<double> f{0.0, 1.0};
            if (refined) {
                f = cosineFractions(n);
            } else if (n >= 2) {
                TrimResult trim = TRAPEZ_TRIM(ac.StationChord[t][w], c0, dY, n);
                if (!trim.converged) {
                    failures.push_back(trapezoidFailureLine(l, w, t));
                    failures.push_back(messageTexts(l).TrapezoidAdvice);
                    ac.CalcFailed = true;
                }
                f = std::move(trim.fractions);
            }

            // Panel borders, bound-vortex ends (quarter point of each panel) and y of one strip edge.
            const auto edge = [&](double fr, std::vector<double>& border, std::vector<double>& vortex) {
                const double xe = x0 + dX * fr, ce = c0 + dC * fr, pe = ce / nc;
                border.resize(nc + 1);
                vortex.resize(nc + 1);
                for (int q = 0; q < nc; ++q)
                    border[q] = xe + pe * q;
                border[nc] = xe + ce;
                vortex[0] = 0;
                for (int q = 1; q <= nc; ++q)
                    vortex[q] = xe + pe * (q - 0.75);
                return tilt.tilted ? tilt.y0 + tilt.dY * fr : y0 + dY * fr;
            };
            for (int s = 1; s <= n; ++s) {
                Strip strip;
                strip.YLeft = edge(f[s - 1], strip.PanelEdgeXLeft, strip.VortexXLeft);
                strip.YRight = edge(f[s], strip.PanelEdgeXRight, strip.VortexXRight);
                if (tilt.tilted) {
                    strip.ZLeft = tilt.z0 + tilt.dZ * f[s - 1];
                    strip.ZRight = tilt.z0 + tilt.dZ * f[s];
                    strip.ControlZ = (strip.ZLeft + strip.ZRight) / 2;
                    strip.NormalY = tilt.normalY;
                    strip.NormalZ = tilt.normalZ;
                } else {
                    strip.ZLeft = strip.ZRight = strip.ControlZ = ac.posZ[w];
                }
                if (refined) {
                    // The control points on the line through the middle of the strip's arc.
                    const double fc = cosineFraction(s - 0.5, n);
                    const double xe = x0 + dX * fc, ce = c0 + dC * fc, pe = ce / nc;
                    strip.ControlX.resize(nc + 2);
                    strip.ControlX[0] = xe;
                    for (int q = 1; q <= nc; ++q)
                        strip.ControlX[q] = xe + pe * (q - 0.25);
                    strip.ControlX[nc + 1] = xe + ce;
                    strip.Chord = ce;
                    strip.ControlFraction = (fc - f[s - 1]) / (f[s] - f[s - 1]);
                    strip.ControlY = tilt.tilted ? tilt.y0 + tilt.dY * fc : y0 + dY * fc;
                    if (tilt.tilted)
                        strip.ControlZ = tilt.z0 + tilt.dZ * fc;
                }
                strips.push_back(std::move(strip));
            }
        }
        // Control points at the three-quarter point of each panel on the strip centre line (equal
        // strips; refined ones have theirs and their chord already).
        std::vector<double> mid(nc + 1);
        for (std::size_t J = 1; J < strips.size(); ++J) {
            Strip& s = strips[J];
            for (int q = 0; q <= nc; ++q)
                mid[q] = (s.PanelEdgeXLeft[q] + s.PanelEdgeXRight[q]) / 2;
            if (!refined) {
                s.ControlX.resize(nc + 2);
                s.ControlX[0] = mid[0];
                for (int q = 1; q <= nc; ++q)
                    s.ControlX[q] = 0.25 * mid[q - 1] + 0.75 * mid[q];
                s.ControlX[nc + 1] = mid[nc];
                s.ControlY = (s.YLeft + s.YRight) / 2;
                s.Chord = mid[nc] - mid[0];
            }
            s.PanelPressure.assign(nc + 1, 0.0);
        }
    }
    for (int w = 1; w <= MaxWings; ++w)
        sd.lattice[w].WingZ = ac.posZ[w];
}

} // namespace ab
