#include "solver/grid.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

using test::preparedAircraft;
using test::setRectangle;
using test::setWing;

struct Planned {
    Aircraft ac;
    PanelCounts counts;
    std::vector<std::string> failures;
};

Planned plan(const AircraftTexts& texts)
{
    Planned p{preparedAircraft(texts), {}, {}};
    GRID(p.ac, p.counts, Language::English, p.failures);
    return p;
}

TEST(PanelPlanning, RectangularWingGetsFourHundredAndFivePanels)
{
    const Planned p = plan(test::rectangularWingTexts());
    EXPECT_TRUE(p.failures.empty());
    EXPECT_FALSE(p.ac.CalcFailed);
    EXPECT_EQ(p.counts.PanelBudget[1], 400);
    EXPECT_EQ(p.counts.ChordwiseCount[1], 9);
    EXPECT_EQ(p.counts.StripCount[1], 45);
    EXPECT_EQ(p.counts.TrapezoidStripCount[1][1], 45);
    EXPECT_EQ(p.counts.PanelCount, 405);
}

TEST(PanelPlanning, BudgetFollowsTheLargestOfTheFirstThreeWings)
{
    struct Row {
        int halfSpans[5]; // rectangles of chord 100 mm, wings 1..wing count
        int wings;
        int budgets[5];
    };
    const Row rows[] = {
        {{500, 125}, 2, {400, 100}},                       // a quarter of the area: a quarter of the budget
        {{125, 500}, 2, {100, 400}},                       // wing 2 larger: wing 2 is the reference
        {{500, 500}, 2, {400, 400}},                       // equal areas
        {{250, 500, 250}, 3, {200, 400, 200}},             // wing 2 largest
        {{250, 250, 500}, 3, {200, 200, 400}},             // wing 3 largest
        {{250, 500, 500}, 3, {200, 400, 400}},             // wings 2 and 3 equal
        {{500, 250, 250, 1000, 100}, 5, {400, 200, 200, 800, 80}}, // wing 4 never the reference
    };
    for (const Row& r : rows) {
        AircraftTexts t = defaultAircraftTexts();
        for (int w = 1; w <= r.wings; ++w)
            setRectangle(t, w, r.halfSpans[w - 1], 100, 0, 1000 * w);
        t.wingCount = r.wings;
        const Planned p = plan(t);
        for (int w = 1; w <= r.wings; ++w)
            EXPECT_EQ(p.counts.PanelBudget[w], r.budgets[w - 1]) << r.halfSpans[0] << " wing " << w;
    }
}

TEST(PanelPlanning, ZeroWidthTrapezoidHasNoStripsAndTheNumberingGoesOn)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 100, {{200, 100, 0}, {0, 100, 0}, {300, 100, 0}});
    t.wingCount = 1;
    Planned p = plan(t);
    EXPECT_EQ(p.counts.TrapezoidStripCount[1][1], 18);
    EXPECT_EQ(p.counts.TrapezoidStripCount[2][1], 0);
    EXPECT_EQ(p.counts.TrapezoidStripCount[3][1], 27);
    EXPECT_EQ(p.counts.StripCount[1], 45);

    SolverData sd;
    sd.counts = p.counts;
    TRAWY2(p.ac, sd, Language::English, p.failures);
    const auto& strips = sd.lattice[1].strips;
    ASSERT_EQ(strips.size(), 46u);
    EXPECT_DOUBLE_EQ(strips[18].YRight, 200);
    EXPECT_DOUBLE_EQ(strips[19].YLeft, 200);
    EXPECT_DOUBLE_EQ(strips[45].YRight, 500);
}

TEST(PanelPlanning, StripLimitIsTwoHundredNinetyNine)
{
    // Chord 10, nc = 1: one strip per 10 mm of width.
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1490, 10, 0}});
    t.wingCount = 1;
    Planned ok = plan(t);
    EXPECT_EQ(ok.counts.StripCount[1], 299);
    EXPECT_FALSE(ok.ac.CalcFailed);

    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1500, 10, 0}});
    Planned refused = plan(t);
    EXPECT_EQ(refused.counts.StripCount[1], 300);
    EXPECT_TRUE(refused.ac.CalcFailed);
    EXPECT_EQ(refused.failures,
              (std::vector<std::string>{"Can not calculate wing-1. ", "Please change this wing (less aspect ratio)!"}));
}

TEST(PanelPlanning, PlansBeyondTheTablesAreRefusedWithTheWingsLines)
{
    const std::vector<std::string> wing4{"Can not calculate wing-4. ", "Please change this wing (less aspect ratio)!"};
    AircraftTexts t = defaultAircraftTexts();
    for (int w = 1; w <= 3; ++w)
        setRectangle(t, w, 100, 10, 0, 1000 * w);
    t.wingCount = 4;

    // A trapezoid of 298 strips: one trapezoid holds at most 297.
    setRectangle(t, 1, 2980, 10);
    t.wingCount = 1;
    Planned trapezoid = plan(t);
    EXPECT_EQ(trapezoid.counts.StripCount[1], 298);
    EXPECT_TRUE(trapezoid.ac.CalcFailed);
    EXPECT_EQ(trapezoid.failures.size(), 2u);

    // Wing 4, 100 times the reference area and of low aspect ratio: 632 chordwise panels.
    setRectangle(t, 1, 100, 10);
    setRectangle(t, 4, 100, 1000, 0, 4000);
    t.wingCount = 4;
    Planned chordwise = plan(t);
    EXPECT_GT(chordwise.counts.ChordwiseCount[4], 299);
    EXPECT_EQ(chordwise.failures, wing4);

    // Each wing within its limits, but 3600 panels in all: the wing with most panels is named.
    setRectangle(t, 1, 500, 100);
    setRectangle(t, 2, 50, 100, 0, 2000);
    setRectangle(t, 3, 50, 100, 0, 3000);
    setRectangle(t, 4, 1000, 200, 0, 4000);
    setRectangle(t, 5, 1000, 150, 0, 5000);
    t.wingCount = 5;
    Planned total = plan(t);
    EXPECT_GT(total.counts.PanelCount, 3000);
    EXPECT_EQ(total.failures, wing4);
}

TEST(PanelPlanning, ChordlessTrapezoidIsRefusedBeforePlanning)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 100, {{300, 0, 0}, {200, 0, 0}});
    t.wingCount = 1;
    Planned p = plan(t);
    EXPECT_TRUE(p.ac.CalcFailed);
    EXPECT_EQ(p.failures, (std::vector<std::string>{"Can not calculate Wing  1 / Trapezium  2 ",
                                                    "Please change this trapezium (more chord length at tip)!"}));
    EXPECT_EQ(p.counts.PanelCount, 0);
}

TEST(Lattice, RectangularWingPanelsVorticesAndControlPoints)
{
    AircraftTexts t = test::rectangularWingTexts();
    setRectangle(t, 1, 500, 100, 40, -25, 30); // x = 40, z = -25, root gap 30
    Planned p = plan(t);
    SolverData sd;
    sd.counts = p.counts;
    TRAWY2(p.ac, sd, Language::English, p.failures);
    EXPECT_FALSE(p.ac.CalcFailed);
    const int nc = sd.counts.ChordwiseCount[1];
    const auto& strips = sd.lattice[1].strips;
    ASSERT_EQ(strips.size(), static_cast<std::size_t>(sd.counts.StripCount[1] + 1));
    EXPECT_EQ(strips[1].YLeft, 30); // no panels in the centre gap
    EXPECT_DOUBLE_EQ(strips.back().YRight, 530);
    EXPECT_EQ(sd.lattice[1].WingZ, -25);
    for (std::size_t J = 1; J < strips.size(); ++J) {
        const Strip& s = strips[J];
        if (J > 1) {
            EXPECT_DOUBLE_EQ(s.YLeft, strips[J - 1].YRight);
        }
        EXPECT_DOUBLE_EQ(s.Chord, 100);
        EXPECT_DOUBLE_EQ(s.ControlY, (s.YLeft + s.YRight) / 2);
        const double p = 100.0 / nc;
        for (int q = 1; q <= nc; ++q) {
            EXPECT_NEAR(s.VortexXLeft[q], 40 + p * (q - 0.75), 1e-12);
            EXPECT_NEAR(s.ControlX[q], 40 + p * (q - 0.25), 1e-12);
        }
        EXPECT_DOUBLE_EQ(s.ControlX[0], 40);
        EXPECT_DOUBLE_EQ(s.ControlX[nc + 1], 140);
        EXPECT_DOUBLE_EQ(s.PanelEdgeXRight[nc], 140);
    }
}

TEST(Lattice, TaperedTrapezoidStripsNarrowTowardsTheTip)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 200, {{600, 80, 60}});
    t.wingCount = 1;
    Planned p = plan(t);
    SolverData sd;
    sd.counts = p.counts;
    TRAWY2(p.ac, sd, Language::English, p.failures);
    ASSERT_FALSE(p.ac.CalcFailed);
    const auto& s = sd.lattice[1].strips;
    for (std::size_t J = 2; J < s.size(); ++J) {
        EXPECT_LT(s[J].YRight - s[J].YLeft, s[J - 1].YRight - s[J - 1].YLeft);
        // Every strip about as wide relative to its chord as the last one.
        EXPECT_NEAR((s[J].YRight - s[J].YLeft) / s[J].Chord,
                    (s.back().YRight - s.back().YLeft) / s.back().Chord, 1e-3);
    }
}

TEST(Lattice, FailedTrimmingNamesWingAndTrapezoid)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setWing(t, 2, 0, 100, {{100, 100, 0}, {12, 0, 0}}, 0, 500); // tapers to nothing over two strips
    t.wingCount = 2;
    Planned p = plan(t);
    ASSERT_EQ(p.counts.TrapezoidStripCount[2][2], 2);
    SolverData sd;
    sd.counts = p.counts;
    TRAWY2(p.ac, sd, Language::German, p.failures);
    EXPECT_TRUE(p.ac.CalcFailed);
    EXPECT_EQ(p.failures, (std::vector<std::string>{"Kann Flügel  2 / Trapez  2 nicht berechnen.",
                                                    "Bitte dieses Trapez verändern (Außentiefe größer)!"}));
}

} // namespace
} // namespace ab
