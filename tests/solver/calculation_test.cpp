// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/calculation.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace ab {
namespace {

using test::calculated;
using test::setRectangle;
using test::setWing;
using Lines = std::vector<std::string>;

// Two solves of like systems agree to the solve's rounding, and that rounding changes with the way
// the elimination is split between threads and with the processor's kernels: a figure is compared
// relative to its size, never to a fixed fraction of a millimetre.
constexpr double SolveRounding = 1e-11;
double roundingOf(double figure) { return SolveRounding * std::max(1.0, std::abs(figure)); }

// Every figure a user can see after a run is a finite number, and a failed run leaves no results.
void expectSound(const test::Calculated& c)
{
    const Aircraft& ac = c.ac;
    for (double v : {ac.NeutralPointX, ac.ReferenceArea, ac.ReferenceMac})
        EXPECT_TRUE(std::isfinite(v));
    for (int w = 1; w <= MaxWings; ++w)
        for (double v : {ac.WingSpan[w], ac.WingArea[w], ac.WingMac[w], ac.WingAspectRatio[w], ac.WingNeutralX[w],
                         ac.WingLiftCentreY[w], ac.WingLiftSlope[w]})
            EXPECT_TRUE(std::isfinite(v)) << "wing " << w;
    EXPECT_EQ(c.run.failed, !ac.ResultsValid);
    EXPECT_EQ(c.run.failed, !ac.SolverDataValid);
    if (c.run.failed) {
        EXPECT_TRUE(c.run.memoVisible);
        EXPECT_GE(c.run.memo.size(), 2u);
    }
}

TEST(Calculation, RectangularWingFigures)
{
    const test::Calculated c = calculated(test::rectangularWingTexts());
    ASSERT_FALSE(c.run.failed);
    expectSound(c);
    EXPECT_EQ(c.sd.counts.PanelCount, 405);
    EXPECT_NEAR(c.ac.WingLiftSlope[1], 4.87, 0.005);
    EXPECT_NEAR(c.ac.NeutralPointX, 24.4, 0.05);
    EXPECT_DOUBLE_EQ(c.ac.NeutralPointX, c.ac.WingNeutralX[1]);
    EXPECT_NEAR(c.ac.ReferenceMac, 100, 1e-9);
    EXPECT_NEAR(c.ac.ReferenceArea, 100000, 1e-6);
    EXPECT_NEAR(c.ac.WingAspectRatio[1], 10, 1e-12);
    EXPECT_GT(c.ac.WingLiftCentreY[1], 200); // near the elliptic 212 mm
    EXPECT_LT(c.ac.WingLiftCentreY[1], 250);
    EXPECT_EQ(c.run.memo, Lines{"Error: "});
    EXPECT_FALSE(c.run.memoVisible);
    EXPECT_EQ(wingResultLabels(c.ac, 1).neutralPoint, "24.4mm");
    EXPECT_EQ(wingResultLabels(c.ac, 2).liftCentre, " 0.0mm"); // wings beyond the count show 0

    const std::vector<double>& g = c.sd.Circulation;
    EXPECT_GT(*std::min_element(g.begin(), g.end()), 0);
    EXPECT_EQ(std::max_element(g.begin(), g.end()) - g.begin(), 0);   // root strip, leading edge
    EXPECT_EQ(std::min_element(g.begin(), g.end()) - g.begin(), 404); // tip strip, trailing edge
    EXPECT_DOUBLE_EQ(c.sd.lattice[1].strips[1].PanelPressure[1], 2 * g[0] / (100.0 / 9));

    const double outline[6][2] = {{0, 0}, {0, 0}, {0, 500}, {100, 500}, {100, 0}, {100, 0}};
    ASSERT_EQ(c.sd.ReferenceOutline.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(c.sd.ReferenceOutline[i].x, outline[i][0]);
        EXPECT_EQ(c.sd.ReferenceOutline[i].y, outline[i][1]);
    }
}

TEST(Calculation, NeutralPointMovesWithTheAircraftNotWithItsHeight)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 2;
    const test::Calculated base = calculated(t);
    for (int w = 1; w <= 2; ++w) {
        t.wing[w][Role::PosX] = std::to_string(base.ac.posX[w] + 1000);
        t.wing[w][Role::PosZ] = std::to_string(base.ac.posZ[w] + 300);
    }
    const test::Calculated moved = calculated(t);
    ASSERT_FALSE(moved.run.failed);
    EXPECT_NEAR(moved.ac.NeutralPointX, base.ac.NeutralPointX + 1000, 1e-6);
    EXPECT_NEAR(moved.ac.WingLiftSlope[2], base.ac.WingLiftSlope[2], 1e-9 * base.ac.WingLiftSlope[2]);
}

TEST(Calculation, FiguresScaleWithTheAircraft)
{
    // Every length doubled: the same lattice, lengths twice, areas four times, lift slopes alike.
    const AircraftTexts t = defaultAircraftTexts();
    AircraftTexts twice = t;
    for (int w = 1; w <= MaxWings; ++w)
        for (std::string& field : twice.wing[w].field)
            field = std::to_string(2 * std::stoi(field));
    const test::Calculated base = calculated(t);
    const test::Calculated big = calculated(twice);
    ASSERT_FALSE(base.run.failed);
    ASSERT_FALSE(big.run.failed);
    EXPECT_EQ(big.sd.counts.PanelCount, base.sd.counts.PanelCount);
    EXPECT_NEAR(big.ac.NeutralPointX, 2 * base.ac.NeutralPointX, roundingOf(big.ac.NeutralPointX));
    EXPECT_NEAR(big.ac.ReferenceMac, 2 * base.ac.ReferenceMac, roundingOf(big.ac.ReferenceMac));
    EXPECT_NEAR(big.ac.ReferenceArea, 4 * base.ac.ReferenceArea, roundingOf(big.ac.ReferenceArea));
    for (int w = 1; w <= MaxWings; ++w) {
        EXPECT_NEAR(big.ac.WingLiftSlope[w], base.ac.WingLiftSlope[w], roundingOf(base.ac.WingLiftSlope[w])) << w;
        EXPECT_NEAR(big.ac.WingNeutralX[w], 2 * base.ac.WingNeutralX[w], roundingOf(big.ac.WingNeutralX[w])) << w;
        EXPECT_NEAR(big.ac.WingLiftCentreY[w], 2 * base.ac.WingLiftCentreY[w], roundingOf(big.ac.WingLiftCentreY[w]))
            << w;
    }
}

TEST(Calculation, DefaultAircraftEndToEnd)
{
    const test::Calculated c = calculated(defaultAircraftTexts());
    ASSERT_FALSE(c.run.failed);
    expectSound(c);
    EXPECT_FALSE(c.run.wingsMoved);
    const Aircraft planform = test::preparedAircraft(defaultAircraftTexts());
    double lowest = 1e300, highest = -1e300;
    for (int w = 1; w <= 5; ++w) {
        EXPECT_GT(c.ac.WingLiftSlope[w], 0);
        EXPECT_NEAR(c.ac.WingArea[w], planform.WingArea[w], 1e-6); // the lattice covers the planform
        lowest = std::min(lowest, c.ac.WingNeutralX[w]);
        highest = std::max(highest, c.ac.WingNeutralX[w]);
    }
    EXPECT_GT(c.ac.NeutralPointX, lowest);
    EXPECT_LT(c.ac.NeutralPointX, highest);
    EXPECT_EQ(c.sd.ReferenceWing, 1); // wings 1 and 3 alike: the earlier one stays
}

TEST(Calculation, ReferenceWingIsTheWidestThenTheLarger)
{
    // Wing 1 is narrower; wings 2 and 3 span alike: the larger area wins, equal areas keep wing 2.
    for (const auto& [chord3, reference] : {std::pair{150, 3}, {100, 2}, {80, 2}}) {
        AircraftTexts t = defaultAircraftTexts();
        setRectangle(t, 1, 300, 400, 0, 0);
        setRectangle(t, 2, 500, 100, 0, 200);
        setRectangle(t, 3, 500, chord3, 0, 400);
        t.wingCount = 3;
        const test::Calculated c = calculated(t);
        EXPECT_EQ(c.sd.ReferenceWing, reference) << chord3;
        EXPECT_DOUBLE_EQ(c.ac.ReferenceArea, c.ac.WingArea[reference]);
    }
}

TEST(Calculation, CentreGapOfTheReferenceWingIsFilled)
{
    AircraftTexts t = test::rectangularWingTexts();
    setRectangle(t, 1, 500, 200, 10, 0, 50);
    const test::Calculated c = calculated(t);
    EXPECT_NEAR(c.ac.WingArea[1], 200000, 1e-6);
    EXPECT_NEAR(c.ac.ReferenceArea, 220000, 1e-6); // 50 mm gap of root chord 200
    EXPECT_NEAR(c.ac.ReferenceMac, 200, 1e-9);
    EXPECT_EQ(c.sd.ReferenceOutline[1].x, 10);
    EXPECT_EQ(c.sd.ReferenceOutline[1].y, 50);
}

TEST(Calculation, MovedWingsAreReportedAndTheRunCompletes)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setRectangle(t, 2, 250, 60, 600, 0);
    t.wingCount = 2;
    std::vector<std::pair<int, std::string>> fields;
    std::vector<int> countdown;
    CalculationCallbacks cb;
    cb.heightChanged = [&](int w, const std::string& z) { fields.emplace_back(w, z); };
    cb.countdown = [&](int remaining) { countdown.push_back(remaining); };
    const test::Calculated c = calculated(t, Language::Spanish, cb);
    expectSound(c);
    EXPECT_FALSE(c.run.failed);
    EXPECT_TRUE(c.run.memoVisible);
    EXPECT_EQ(c.run.memo, (Lines{"Ojo! ", "Atención: ¡Las alas se movieron automáticamente en dirección Z!"}));
    EXPECT_EQ(fields, (std::vector<std::pair<int, std::string>>{{2, "-7"}}));
    EXPECT_EQ(c.run.movedHeights, (std::vector<std::pair<int, double>>{{2, -7.0}}));
    EXPECT_EQ(c.texts.wing[2][Role::PosZ], "-7");
    EXPECT_EQ(c.sd.lattice[2].WingZ, -7); // the lattice is built at the new height
    ASSERT_EQ(countdown.size(), static_cast<std::size_t>(c.sd.counts.PanelCount));
    for (std::size_t k = 0; k < countdown.size(); ++k)
        EXPECT_EQ(countdown[k], c.sd.counts.PanelCount - 1 - static_cast<int>(k));
}

TEST(Calculation, FailureLinesSurviveAMovedWing)
{
    // Wing 1 plans 300 strips; wing 2 lies inside its span at the same height and is moved.
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1500, 10, 0}});
    setRectangle(t, 2, 100, 10);
    t.wingCount = 2;
    const test::Calculated c = calculated(t);
    expectSound(c);
    EXPECT_TRUE(c.run.wingsMoved);
    EXPECT_EQ(c.run.memo, (Lines{"Attention:", "Wings are moved automatically in z-direction!",
                                 "Can not calculate wing-1. ", "Please change this wing (less aspect ratio)!"}));
}

TEST(Calculation, ActiveWingsNowWingCountNext)
{
    AircraftTexts t = defaultAircraftTexts();
    Aircraft ac = test::preparedAircraft(t);
    ac.ActiveWingCount = 1;
    ac.WingCount = 3;
    SolverData sd;
    calculate(ac, t, sd, Language::English);
    EXPECT_EQ(sd.counts.StripCount[2], 0);
    EXPECT_EQ(ac.ActiveWingCount, 3);
    calculate(ac, t, sd, Language::English);
    EXPECT_GT(ac.WingLiftSlope[3], 0);
    const std::size_t capacity = sd.matrix.capacity(), singleCapacity = sd.singleCopy.capacity();
    calculate(ac, t, sd, Language::English);
    EXPECT_EQ(sd.matrix.capacity(), capacity); // the matrix storage is kept between runs
    EXPECT_EQ(sd.singleCopy.capacity(), singleCapacity);
}

TEST(DegenerateAircraft, EndInAMessage)
{
    struct Row {
        const char* what;
        std::vector<test::TrapezoidText> wing1;
        int rootChord;
        Lines memo;
    };
    const Row rows[] = {
        {"zero chords", {{500, 0, 0}}, 0,
         {"Fehler: ", "Kann Flügel  1 / Trapez  1 nicht berechnen.", "Bitte diesem Trapez eine Tiefe geben (Innen- und Außentiefe sind 0)!"}},
        {"zero widths", {{0, 100, 0}}, 100,
         {"Fehler: ", "Kann nicht berechnen: das Gleichungssystem ist singulär."}},
        {"huge width", {{2147483647, 1, 0}}, 3, {"Fehler: ", "Kann Flügel-1 nicht berechnen.", "Bitte Streckung verkleinern!"}},
    };
    for (const Row& r : rows) {
        AircraftTexts t = test::rectangularWingTexts();
        setWing(t, 1, 0, r.rootChord, r.wing1);
        const test::Calculated c = calculated(t, Language::German);
        expectSound(c);
        EXPECT_EQ(c.run.memo, r.memo) << r.what;
    }
}

TEST(DegenerateAircraft, EmptyWingBesideARealOneAndWingsInsideOthers)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setWing(t, 2, 0, 0, {}, 600, 0);
    t.wingCount = 2;
    const test::Calculated empty = calculated(t);
    expectSound(empty);
    EXPECT_EQ(empty.ac.WingNeutralX[2], 0);
    EXPECT_NEAR(empty.ac.NeutralPointX, 24.4, 0.05);

    setRectangle(t, 1, 500, 200);
    setRectangle(t, 2, 200, 50, 50, 0, 100); // inside wing 1's planform, same height
    setRectangle(t, 3, 500, 200);            // exactly on wing 1
    t.wingCount = 3;
    const test::Calculated inside = calculated(t);
    expectSound(inside);
    EXPECT_FALSE(inside.run.failed);
    EXPECT_EQ(inside.run.movedHeights.size(), 2u);
}

TEST(DegenerateAircraft, HugeAndRandomInputNeverCrashesOrShowsNotANumber)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wing[4][Role::RootChord] = "99999999999";
    t.wing[4][Role::Width1] = "$7FFFFFFF";
    t.wing[2][Role::PosX] = "2147483647";
    t.wing[3][Role::PosZ] = "-2147483647";
    expectSound(calculated(t));

    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> len(0, 400), chord(0, 300), offset(-200, 200), pick(0, 9), count(1, 5);
    for (int trial = 0; trial < 25; ++trial) {
        AircraftTexts r = defaultAircraftTexts();
        r.wingCount = count(rng);
        for (int w = 1; w <= 5; ++w) {
            std::vector<test::TrapezoidText> traps(count(rng) % 4 + 1);
            for (auto& tr : traps)
                tr = {pick(rng) ? len(rng) : 0, pick(rng) ? chord(rng) : 0, offset(rng)};
            setWing(r, w, pick(rng) < 3 ? len(rng) / 8 : 0, pick(rng) ? chord(rng) : 0, traps, offset(rng),
                    pick(rng) < 5 ? 0 : offset(rng));
        }
        SCOPED_TRACE(trial);
        expectSound(calculated(r));
    }
}

// A mistyped field is listed before everything else the run reports; it never stops the run, and
// the run uses the value read, as it always did.
TEST(Calculation, FlaggedFieldsComeFirstAndTheRunGoesOn)
{
    AircraftTexts clean = test::rectangularWingTexts();
    AircraftTexts typed = clean;
    typed.wing[1][Role::RootChord] = "100a";
    const test::Calculated c = calculated(typed);
    expectSound(c);
    ASSERT_FALSE(c.run.failed);
    EXPECT_TRUE(c.run.memoVisible);
    EXPECT_EQ(c.run.memo, Lines{"Wing 1, root chord: read '100a' as 100 mm"});
    EXPECT_EQ(c.ac.NeutralPointX, calculated(clean).ac.NeutralPointX);

    // With a failure the error title and its lines follow.
    typed.wing[1][tipChordRole(1)] = "0O";
    typed.wing[1][Role::RootChord] = "0";
    const test::Calculated failed = calculated(typed, Language::German);
    expectSound(failed);
    EXPECT_EQ(failed.run.memo, (Lines{"Flügel 1, Außentiefe von Trapez 1: '0O' gelesen als 0 mm", "Fehler: ",
                                      "Kann Flügel  1 / Trapez  1 nicht berechnen.",
                                      "Bitte diesem Trapez eine Tiefe geben (Innen- und Außentiefe sind 0)!"}));
}

} // namespace
} // namespace ab
