#include "solver/calculation.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ab {
namespace {

using test::setRectangle;
using test::setWing;

struct Calculated {
    Aircraft ac;
    AircraftTexts texts;
    SolverData sd;
    CalculationRun run;
};

Calculated calculated(const AircraftTexts& texts, Language l = Language::English)
{
    Calculated c{test::preparedAircraft(texts), texts, {}, {}};
    c.run = calculate(c.ac, c.texts, c.sd, l);
    return c;
}

const std::vector<std::string> kQuietMemo{"Error: "};

TEST(Calculation, RectangularWingFigures)
{
    const Calculated c = calculated(test::rectangularWingTexts());
    ASSERT_FALSE(c.run.failed);
    EXPECT_EQ(c.sd.counts.PanelCount, 405);
    EXPECT_NEAR(c.ac.WingLiftSlope[1], 4.87, 0.005);
    EXPECT_NEAR(c.ac.NeutralPointX, 24.4, 0.05);
    EXPECT_DOUBLE_EQ(c.ac.NeutralPointX, c.ac.WingNeutralX[1]);
    EXPECT_NEAR(c.ac.ReferenceMac, 100, 1e-9);
    EXPECT_NEAR(c.ac.ReferenceArea, 100000, 1e-6);
    EXPECT_NEAR(c.ac.WingAspectRatio[1], 10, 1e-12);
    EXPECT_NEAR(c.ac.WingSpan[1], 1000, 1e-9);
    EXPECT_EQ(c.sd.ReferenceWing, 1);
    EXPECT_TRUE(c.ac.ResultsValid);
    EXPECT_TRUE(c.ac.SolverDataValid);
    EXPECT_EQ(c.run.memo, kQuietMemo);
    EXPECT_FALSE(c.run.memoVisible);

    const std::vector<double>& g = c.sd.Circulation;
    ASSERT_EQ(g.size(), 405u);
    EXPECT_GT(*std::min_element(g.begin(), g.end()), 0);
    EXPECT_EQ(std::max_element(g.begin(), g.end()) - g.begin(), 0);   // root strip, leading edge
    EXPECT_EQ(std::min_element(g.begin(), g.end()) - g.begin(), 404); // tip strip, trailing edge
    // Pressure is 2 circulation / panel length.
    EXPECT_DOUBLE_EQ(c.sd.lattice[1].strips[1].PanelPressure[1], 2 * g[0] / (100.0 / 9));
    // Lift centre of the half-wing a little inboard of the middle of the half-span (elliptic: 212).
    EXPECT_GT(c.ac.WingLiftCentreY[1], 200);
    EXPECT_LT(c.ac.WingLiftCentreY[1], 250);

    const std::vector<OutlinePoint>& o = c.sd.ReferenceOutline;
    ASSERT_EQ(o.size(), 6u);
    const double expected[6][2] = {{0, 0}, {0, 0}, {0, 500}, {100, 500}, {100, 0}, {100, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(o[i].x, expected[i][0]) << i;
        EXPECT_EQ(o[i].y, expected[i][1]) << i;
    }
}

TEST(Calculation, NeutralPointMovesWithTheAircraftNotWithItsHeight)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 2;
    const Calculated base = calculated(t);
    ASSERT_FALSE(base.run.failed);
    AircraftTexts shifted = t;
    for (int w = 1; w <= 2; ++w) {
        shifted.wing[w][Role::PosX] = std::to_string(base.ac.posX[w] + 1000);
        shifted.wing[w][Role::PosZ] = std::to_string(base.ac.posZ[w] + 300);
    }
    const Calculated moved = calculated(shifted);
    ASSERT_FALSE(moved.run.failed);
    EXPECT_NEAR(moved.ac.NeutralPointX, base.ac.NeutralPointX + 1000, 1e-6);
    EXPECT_NEAR(moved.ac.ReferenceMac, base.ac.ReferenceMac, 1e-9);
    for (int w = 1; w <= 2; ++w)
        EXPECT_NEAR(moved.ac.WingLiftSlope[w], base.ac.WingLiftSlope[w], 1e-9);
}

TEST(Calculation, DefaultAircraftEndToEnd)
{
    const Calculated c = calculated(defaultAircraftTexts());
    ASSERT_FALSE(c.run.failed);
    EXPECT_FALSE(c.run.wingsMoved);
    EXPECT_EQ(c.run.memo, kQuietMemo);
    EXPECT_TRUE(c.ac.ResultsValid);
    EXPECT_EQ(c.ac.ActiveWingCount, 5);
    int panels = 0;
    double lowest = 1e300, highest = -1e300;
    for (int w = 1; w <= 5; ++w) {
        SCOPED_TRACE(w);
        panels += c.sd.counts.StripCount[w] * c.sd.counts.ChordwiseCount[w];
        EXPECT_GT(c.ac.WingLiftSlope[w], 0);
        EXPECT_TRUE(std::isfinite(c.ac.WingNeutralX[w]));
        lowest = std::min(lowest, c.ac.WingNeutralX[w]);
        highest = std::max(highest, c.ac.WingNeutralX[w]);
        // The lattice reproduces the planform area of the wing (chords linear in y per strip).
        EXPECT_NEAR(c.ac.WingArea[w], test::preparedAircraft(defaultAircraftTexts()).WingArea[w], 1e-6);
    }
    EXPECT_EQ(panels, c.sd.counts.PanelCount);
    EXPECT_GT(c.ac.NeutralPointX, lowest);
    EXPECT_LT(c.ac.NeutralPointX, highest);
    // Wings 1 and 3 share span and area: the earlier one stays the reference.
    EXPECT_EQ(c.sd.ReferenceWing, 1);
    EXPECT_DOUBLE_EQ(c.ac.ReferenceArea, c.ac.WingArea[1]);
}

TEST(Calculation, ReferenceWingIsTheWidestThenTheLarger)
{
    struct Row {
        int chord3;
        int reference;
    };
    for (const Row& r : {Row{150, 3}, Row{100, 2}, Row{80, 2}}) {
        AircraftTexts t = defaultAircraftTexts();
        setRectangle(t, 1, 300, 400, 0, 0);
        setRectangle(t, 2, 500, 100, 0, 200);
        setRectangle(t, 3, 500, r.chord3, 0, 400);
        t.wingCount = 3;
        const Calculated c = calculated(t);
        ASSERT_FALSE(c.run.failed);
        EXPECT_EQ(c.sd.ReferenceWing, r.reference) << r.chord3;
        EXPECT_DOUBLE_EQ(c.ac.ReferenceArea, c.ac.WingArea[r.reference]);
        EXPECT_NEAR(c.ac.ReferenceMac, r.reference == 3 ? r.chord3 : 100, 1e-9);
    }
}

TEST(Calculation, CentreGapOfTheReferenceWingIsFilled)
{
    AircraftTexts t = test::rectangularWingTexts();
    setRectangle(t, 1, 500, 200, 10, 0, 50);
    const Calculated c = calculated(t);
    ASSERT_FALSE(c.run.failed);
    EXPECT_NEAR(c.ac.WingArea[1], 200000, 1e-6);
    EXPECT_NEAR(c.ac.ReferenceArea, 220000, 1e-6);
    EXPECT_NEAR(c.ac.ReferenceMac, 200, 1e-9);
    EXPECT_NEAR(c.ac.WingSpan[1], 1100, 1e-9);
    const std::vector<OutlinePoint>& o = c.sd.ReferenceOutline;
    ASSERT_EQ(o.size(), 6u);
    EXPECT_EQ(o[0].y, 0);
    EXPECT_EQ(o[1].x, 10);
    EXPECT_EQ(o[1].y, 50);
    EXPECT_EQ(o[4].x, 210);
    EXPECT_EQ(o[4].y, 50);
}

TEST(Calculation, MovedWingsAreReportedAndTheRunCompletes)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setRectangle(t, 2, 250, 60, 600, 0);
    t.wingCount = 2;
    Calculated c{test::preparedAircraft(t), t, {}, {}};
    std::vector<std::pair<int, std::string>> fields;
    int countdowns = 0, last = -1;
    CalculationCallbacks cb;
    cb.heightChanged = [&](int w, const std::string& z) { fields.emplace_back(w, z); };
    cb.countdown = [&](int remaining) { ++countdowns, last = remaining; };
    c.run = calculate(c.ac, c.texts, c.sd, Language::Spanish, cb);
    EXPECT_FALSE(c.run.failed);
    EXPECT_TRUE(c.run.wingsMoved);
    EXPECT_TRUE(c.run.memoVisible);
    EXPECT_EQ(c.run.memo, (std::vector<std::string>{"Ojo! ", "Atención: ¡Las alas se movieron automáticamente en dirección Z!"}));
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], (std::pair<int, std::string>{2, "-7"}));
    EXPECT_EQ(c.run.movedHeights, (std::vector<std::pair<int, double>>{{2, -7.0}}));
    EXPECT_EQ(c.texts.wing[2][Role::PosZ], "-7");
    EXPECT_EQ(c.ac.posZ[2], -7);
    EXPECT_EQ(c.sd.lattice[2].WingZ, -7);
    EXPECT_TRUE(c.ac.ResultsValid);
    EXPECT_EQ(countdowns, c.sd.counts.PanelCount);
    EXPECT_EQ(last, 0);
}

TEST(Calculation, FailureLinesSurviveAMovedWing)
{
    // Wing 1 plans 300 strips; wing 2 lies at the same height inside its span and is moved.
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 10, {{1500, 10, 0}, {1500, 10, 0}});
    setRectangle(t, 2, 100, 10, 0, 0);
    t.wingCount = 2;
    const Calculated c = calculated(t);
    EXPECT_TRUE(c.run.failed);
    EXPECT_TRUE(c.run.wingsMoved);
    EXPECT_TRUE(c.run.memoVisible);
    EXPECT_EQ(c.run.memo, (std::vector<std::string>{"Attention:", "Wings are moved automatically in z-direction!",
                                                    "Can not calculate wing-1. ",
                                                    "Please change this wing (less aspect ratio)!"}));
    EXPECT_FALSE(c.ac.ResultsValid);
    EXPECT_FALSE(c.ac.SolverDataValid);
}

TEST(Calculation, RunUsesTheActiveWingsAndTakesOverTheWingCountAtTheEnd)
{
    AircraftTexts t = defaultAircraftTexts();
    Aircraft ac = test::preparedAircraft(t);
    ac.ActiveWingCount = 1;
    ac.WingCount = 3;
    SolverData sd;
    const CalculationRun run = calculate(ac, t, sd, Language::English);
    EXPECT_FALSE(run.failed);
    EXPECT_EQ(sd.counts.StripCount[2], 0);
    EXPECT_EQ(ac.WingLiftSlope[2], 0);
    EXPECT_EQ(ac.ActiveWingCount, 3);
    // The next run covers three wings; a smaller one after it keeps the matrix storage.
    calculate(ac, t, sd, Language::English);
    EXPECT_GT(sd.counts.StripCount[3], 0);
    EXPECT_GT(ac.WingLiftSlope[3], 0);
    const std::size_t capacity = sd.matrix.capacity();
    ac.WingCount = ac.ActiveWingCount = 1;
    calculate(ac, t, sd, Language::English);
    EXPECT_EQ(sd.matrix.capacity(), capacity);
}

} // namespace
} // namespace ab
