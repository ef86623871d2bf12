// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/grid.h"
#include "solver/trimming.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ab {
namespace {

using test::setRectangle;
using test::setWing;
using Lines = std::vector<std::string>;

struct Planned {
    Aircraft ac;
    SolverData sd;
    Lines failures;
};

// GRID, and TRAWY2 when GRID passed.
Planned layout(const AircraftTexts& texts, Language l = Language::English)
{
    Planned p{test::preparedAircraft(texts), {}, {}};
    GRID(p.ac, p.sd.counts, l, p.failures);
    if (!p.ac.CalcFailed)
        TRAWY2(p.ac, p.sd, l, p.failures);
    return p;
}

const Lines kWingAdvice1{"Can not calculate wing-1. ", "Please change this wing (less aspect ratio)!"};
const Lines kWingAdvice4{"Can not calculate wing-4. ", "Please change this wing (less aspect ratio)!"};

TEST(StripTrimming, EqualRatiosOfWidthToChord)
{
    for (int n : {2, 7, 40}) { // untapered: the equal widths already solve the equations
        const TrimResult r = TRAPEZ_TRIM(120, 120, 600, n);
        EXPECT_TRUE(r.converged);
        for (int k = 0; k <= n; ++k)
            EXPECT_NEAR(r.fractions[k], double(k) / n, 1e-15);
    }
    // cout = cin / 2 over two strips: w1 / m1 = w2 / m2 gives f1 = 2 - sqrt 2; the outer strip is narrower.
    const TrimResult two = TRAPEZ_TRIM(50, 100, 500, 2);
    EXPECT_TRUE(two.converged);
    EXPECT_NEAR(two.fractions[1], 2 - std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(two.fractions[2], 1, 1e-12);
}

TEST(StripTrimming, TipChordNearZeroFails)
{
    EXPECT_FALSE(TRAPEZ_TRIM(0, 100, 500, 2).converged); // no solution in 20 passes
    EXPECT_FALSE(TRAPEZ_TRIM(1, 100, 500, 2).converged); // solved with an outer strip of negative width
    for (double f : TRAPEZ_TRIM(0.1, 100, 500, 40).fractions)
        EXPECT_TRUE(std::isfinite(f));
}

TEST(PlainElimination, ZeroColumnGivesZeroAndTheRestIsSolved)
{
    std::vector<double> a{0, 1, 0, 0, 2, 1, 0, 0, 4}, b{3, 8, 8};
    SIMQ90(a, b, 3);
    EXPECT_EQ(b, (std::vector<double>{0, 3, 2}));
}

TEST(PanelPlanning, RectangularWingGetsFourHundredAndFivePanels)
{
    const Planned p = layout(test::rectangularWingTexts());
    EXPECT_TRUE(p.failures.empty());
    EXPECT_EQ(p.sd.counts.PanelBudget[1], 400);
    EXPECT_EQ(p.sd.counts.ChordwiseCount[1], 9);
    EXPECT_EQ(p.sd.counts.StripCount[1], 45);
    EXPECT_EQ(p.sd.counts.PanelCount, 405);
}

TEST(PanelPlanning, BudgetFollowsTheLargestOfTheFirstThreeWings)
{
    struct Row {
        std::vector<int> halfSpans; // rectangles of chord 100
        std::vector<int> budgets;
    };
    const Row rows[] = {
        {{500, 125}, {400, 100}}, // a quarter of the area, a quarter of the budget
        {{125, 500}, {100, 400}},
        {{250, 500, 250}, {200, 400, 200}},
        {{250, 250, 500}, {200, 200, 400}},
        {{500, 250, 250, 1000, 100}, {400, 200, 200, 800, 80}}, // wing 4 is never the reference
    };
    for (const Row& r : rows) {
        AircraftTexts t = defaultAircraftTexts();
        t.wingCount = static_cast<int>(r.halfSpans.size());
        for (int w = 1; w <= t.wingCount; ++w)
            setRectangle(t, w, r.halfSpans[w - 1], 100, 0, 1000 * w);
        const Planned p = layout(t);
        for (int w = 1; w <= t.wingCount; ++w)
            EXPECT_EQ(p.sd.counts.PanelBudget[w], r.budgets[w - 1]) << r.halfSpans[0] << " wing " << w;
    }
}

TEST(PanelPlanning, StripLimitsAndPanelTotal)
{
    // Chord 10 plans one chordwise panel and a strip per 10 mm: 299 strips pass, 300 do not.
    AircraftTexts t = test::rectangularWingTexts();
    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1490, 10, 0}});
    EXPECT_EQ(layout(t).sd.counts.StripCount[1], 299);
    EXPECT_TRUE(layout(t).failures.empty());
    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1500, 10, 0}});
    EXPECT_EQ(layout(t).failures, kWingAdvice1);
    setWing(t, 1, 0, 10, {{2980, 10, 0}}); // 298 strips in one trapezoid: the trimming holds 297
    EXPECT_EQ(layout(t).failures, kWingAdvice1);

    // Wing 4 at 100 times the reference area and aspect ratio 0.2: 632 chordwise panels.
    t = defaultAircraftTexts();
    for (int w = 1; w <= 3; ++w)
        setRectangle(t, w, 100, 10, 0, 1000 * w);
    setRectangle(t, 4, 100, 1000, 0, 4000);
    t.wingCount = 4;
    EXPECT_EQ(layout(t).failures, kWingAdvice4);

    // Each wing within its limits but 3600 panels in all: the wing with most panels is named.
    setRectangle(t, 1, 500, 100);
    setRectangle(t, 2, 50, 100, 0, 2000);
    setRectangle(t, 3, 50, 100, 0, 3000);
    setRectangle(t, 4, 1000, 200, 0, 4000);
    setRectangle(t, 5, 1000, 150, 0, 5000);
    t.wingCount = 5;
    const Planned p = layout(t);
    EXPECT_GT(p.sd.counts.PanelCount, 3000);
    EXPECT_EQ(p.failures, kWingAdvice4);
}

TEST(PanelPlanning, ChordlessTrapezoidIsRefusedBeforePlanning)
{
    AircraftTexts t = test::rectangularWingTexts();
    setWing(t, 1, 0, 100, {{300, 0, 0}, {200, 0, 0}});
    const Planned p = layout(t);
    EXPECT_TRUE(p.ac.CalcFailed);
    EXPECT_EQ(p.failures, (Lines{"Can not calculate Wing  1 / Trapezium  2 ",
                                 "Please give this trapezium a chord (its root and tip chord are both 0)!"}));
    EXPECT_EQ(p.sd.counts.PanelCount, 0);
}

TEST(Lattice, PanelsVorticesAndControlPointsOfARectangle)
{
    AircraftTexts t = test::rectangularWingTexts();
    setRectangle(t, 1, 500, 100, 40, -25, 30); // x = 40, z = -25, centre gap 30
    const Planned p = layout(t);
    ASSERT_TRUE(p.failures.empty());
    const int nc = p.sd.counts.ChordwiseCount[1];
    const auto& strips = p.sd.lattice[1].strips;
    ASSERT_EQ(strips.size(), static_cast<std::size_t>(p.sd.counts.StripCount[1] + 1));
    EXPECT_EQ(strips[1].YLeft, 30); // no panels in the gap
    EXPECT_DOUBLE_EQ(strips.back().YRight, 530);
    EXPECT_EQ(p.sd.lattice[1].WingZ, -25);
    const double panel = 100.0 / nc;
    for (std::size_t J = 1; J < strips.size(); ++J) {
        const Strip& s = strips[J];
        EXPECT_DOUBLE_EQ(s.YLeft, J > 1 ? strips[J - 1].YRight : 30.0);
        EXPECT_DOUBLE_EQ(s.Chord, 100);
        for (int q = 1; q <= nc; ++q) {
            EXPECT_NEAR(s.VortexXLeft[q], 40 + panel * (q - 0.75), 1e-12); // quarter point
            EXPECT_NEAR(s.ControlX[q], 40 + panel * (q - 0.25), 1e-12);    // three-quarter point
        }
        EXPECT_DOUBLE_EQ(s.ControlX[nc + 1], 140);
    }
}

TEST(Lattice, ZeroWidthTrapezoidHasNoStripsAndTheNumberingGoesOn)
{
    AircraftTexts t = test::rectangularWingTexts();
    setWing(t, 1, 0, 100, {{200, 100, 0}, {0, 100, 0}, {300, 100, 0}});
    const Planned p = layout(t);
    EXPECT_EQ(p.sd.counts.TrapezoidStripCount[2][1], 0);
    ASSERT_EQ(p.sd.counts.StripCount[1], 45);
    EXPECT_DOUBLE_EQ(p.sd.lattice[1].strips[18].YRight, 200);
    EXPECT_DOUBLE_EQ(p.sd.lattice[1].strips[19].YLeft, 200);
}

TEST(Lattice, FailedTrimmingNamesWingAndTrapezoid)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setWing(t, 2, 0, 100, {{100, 100, 0}, {12, 0, 0}}, 0, 500); // two strips tapering to nothing
    t.wingCount = 2;
    const Planned p = layout(t, Language::German);
    ASSERT_EQ(p.sd.counts.TrapezoidStripCount[2][2], 2);
    EXPECT_TRUE(p.ac.CalcFailed);
    EXPECT_EQ(p.failures, (Lines{"Kann Flügel  2 / Trapez  2 nicht berechnen.",
                                 "Bitte dieses Trapez verändern (Außentiefe größer)!"}));
}

// Refined spacing keeps every count of the plan; within each trapezoid the strip edges lie at
// y0 + w (1 - cos(pi i / n)) / 2 along the panel (tilted outer trapezoid included) and the control
// points on the line of the middle angle, at the three-quarter point of each panel there.
TEST(Lattice, RefinedStripsAtCosinePositionsWithTheSameCounts)
{
    AircraftTexts t = test::rectangularWingTexts();
    setWing(t, 1, 20, 200, {{300, 160, 10}, {400, 80, 60}}, 30, 5);
    t.wing[1].dihedral[2] = "30";
    const Planned equal = layout(t);
    t.spacing = SpanwiseSpacing::Refined;
    const Planned p = layout(t);
    ASSERT_TRUE(p.failures.empty());
    EXPECT_EQ(p.sd.counts.StripCount[1], equal.sd.counts.StripCount[1]);
    EXPECT_EQ(p.sd.counts.ChordwiseCount[1], equal.sd.counts.ChordwiseCount[1]);
    EXPECT_EQ(p.sd.counts.PanelCount, equal.sd.counts.PanelCount);

    const Aircraft& ac = p.ac;
    const int nc = p.sd.counts.ChordwiseCount[1];
    const auto& strips = p.sd.lattice[1].strips;
    std::size_t J = 1;
    for (int tr = 1; tr <= 2; ++tr) {
        const int n = p.sd.counts.TrapezoidStripCount[tr][1];
        ASSERT_GE(n, 4);
        const double y0 = ac.StationProjectedY[tr - 1][1], dY = ac.StationProjectedY[tr][1] - y0;
        const double z0 = 5 + ac.StationRise[tr - 1][1], dZ = ac.StationRise[tr][1] - ac.StationRise[tr - 1][1];
        const double x0 = ac.StationLeX[tr - 1][1], c0 = ac.StationChord[tr - 1][1];
        const double dX = ac.StationLeX[tr][1] - x0, dC = ac.StationChord[tr][1] - c0;
        const auto at = [n](double i) { return (1 - std::cos(std::numbers::pi * i / n)) / 2; };
        for (int i = 1; i <= n; ++i, ++J) {
            SCOPED_TRACE(::testing::Message() << "trapezoid " << tr << ", strip " << i);
            const Strip& s = strips[J];
            EXPECT_NEAR(s.YLeft, y0 + dY * at(i - 1), 1e-9);
            EXPECT_NEAR(s.YRight, y0 + dY * at(i), 1e-9);
            EXPECT_NEAR(s.ZRight, z0 + dZ * at(i), 1e-9);
            const double fc = at(i - 0.5);
            EXPECT_NEAR(s.ControlY, y0 + dY * fc, 1e-9);
            EXPECT_NEAR(s.ControlZ, z0 + dZ * fc, 1e-9);
            EXPECT_NEAR(s.ControlFraction, (fc - at(i - 1)) / (at(i) - at(i - 1)), 1e-12); // where its lift acts
            EXPECT_NEAR(s.Chord, c0 + dC * fc, 1e-9);
            for (int q = 1; q <= nc; ++q) {
                EXPECT_NEAR(s.ControlX[q], x0 + dX * fc + s.Chord * (q - 0.25) / nc, 1e-9);
                EXPECT_NEAR(s.VortexXRight[q], x0 + dX * at(i) + (c0 + dC * at(i)) * (q - 0.75) / nc, 1e-9);
            }
        }
        // Denser towards both ends: the end strips are the narrowest of the trapezoid.
        const std::size_t first = J - n, last = J - 1;
        EXPECT_LT(strips[first].YRight - strips[first].YLeft, strips[first + 1].YRight - strips[first + 1].YLeft);
        EXPECT_LT(strips[last].YRight - strips[last].YLeft, strips[last - 1].YRight - strips[last - 1].YLeft);
    }
    EXPECT_EQ(J, strips.size());
}

} // namespace
} // namespace ab
