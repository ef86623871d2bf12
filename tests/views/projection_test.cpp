// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/projection.h"

#include "files/open_aircraft.h"
#include "model/aircraft_texts.h"
#include "model/recalculation.h"
#include "solver/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace ab {
namespace {

// Wing 1 of two trapezoids with a centre gap; the other wings as they start.
Aircraft twoTrapezoidAircraft()
{
    AircraftTexts t = defaultAircraftTexts();
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 2;
    w[Role::RootGap] = "50";
    w[Role::RootChord] = "200";
    w[widthRole(1)] = "400", w[tipChordRole(1)] = "150", w[tipOffsetRole(1)] = "30";
    w[widthRole(2)] = "300", w[tipChordRole(2)] = "100", w[tipOffsetRole(2)] = "80";
    w[Role::PosX] = "100";
    w[Role::PosZ] = "20";
    Aircraft ac;
    recalculate(ac, t);
    return ac;
}

// A lattice of one wing by hand: strips at y = 100, 200, ..., panels at x = 10, 20, ..., pressure
// j + k / 10 on panel k of strip j.
SolverData handLattice(int strips, int nc, double wingZ)
{
    SolverData sd;
    sd.counts.StripCount[1] = strips;
    sd.counts.ChordwiseCount[1] = nc;
    sd.counts.PanelCount = strips * nc;
    WingLattice& l = sd.lattice[1];
    l.WingZ = wingZ;
    l.strips.resize(strips + 1);
    for (int j = 1; j <= strips; ++j) {
        Strip& s = l.strips[j];
        s.ControlY = 100.0 * j;
        s.ZLeft = s.ZRight = s.ControlZ = wingZ;
        s.ControlX.assign(nc + 2, 0);
        s.PanelPressure.assign(nc + 1, 0);
        for (int k = 1; k <= nc; ++k) {
            s.ControlX[k] = 10.0 * k;
            s.PanelPressure[k] = j + k / 10.0;
        }
    }
    return sd;
}

ViewPoint projected(int elevation, int azimuth, double s, double l, double h)
{
    ViewPoint p{s, l, h};
    projectPoint(p, viewMatrix(elevation, azimuth));
    return p;
}

TEST(ViewMatrix, MulMatrixIsTheRowByColumnProduct)
{
    const ViewMatrix a{{{1, 2, 0, -1}, {0, 1, 3, 2}, {4, 0, 1, 0}, {2, -2, 1, 1}}};
    const ViewMatrix b{{{2, 0, 1, 0}, {1, 3, 0, -1}, {0, 1, 2, 5}, {-3, 0, 1, 1}}};
    const ViewMatrix product{{{7, 6, 0, -3}, {-5, 6, 8, 16}, {8, 1, 6, 5}, {-1, -5, 5, 8}}};
    EXPECT_EQ(MulMatrix(a, b), product);
    EXPECT_NE(MulMatrix(b, a), product); // the order matters: Rz x Rx x P, not the other way round
}

// One row per bar pair and point: elevation 90 - ScrollBar1, azimuth 360 - ScrollBar2, perspective
// from 10000 units. Expected offsets worked out by hand from the rotation formulas.
TEST(Projection, BarPositionsGiveElevationAndAzimuth)
{
    struct Row {
        int elevation, azimuth;
        double s, l, h;
        double ps, pv;
    };
    const Row rows[] = {
        {0, 360, 30, 40, 0, 30, 40},                 // from straight above, no turn: (s, l) as they are
        {0, 360, 30, 40, 500, 31.578947, 42.105263}, // 500 higher: nearer, 1 / 0.95 larger
        {90, 360, 30, 2000, 50, 25, 41.666667},      // in the wing plane: depth l, height on screen
        {90, 360, 300, 0, 0, 300, 0},                // the wing plane is a line
        {90, 270, 0, 100, 0, -100, 0},               // azimuth 90: the rear points to the right
        {90, 250, 1000, 0, 0, -312.641456, 0},       // azimuth 110 at the default position
        {80, 250, 1000, 500, 100, -755.953156, 215.985923},
        {80, 250, -1000, 500, 100, -143.805770, -106.190547},
        {45, 180, 100, 0, 100, -100.712142, 71.214239},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "bars " << r.elevation << ", " << r.azimuth << " point " << r.s << ", "
                                        << r.l << ", " << r.h);
        const ViewPoint p = projected(r.elevation, r.azimuth, r.s, r.l, r.h);
        EXPECT_NEAR(p.ps, r.ps, 1e-5);
        EXPECT_NEAR(p.pv, r.pv, 1e-5);
    }
    // The screen position: from the image centre (Trunc of half the size) less the truncated offsets.
    const ViewPoint p = projected(80, 250, -1000, 500, 100);
    EXPECT_EQ(screenPosition(p, 592, 301), (Pixel{296 + 143, 150 + 106}));
}

TEST(Projection, PointAtOrBehindTheCentreKeepsItsLastOffsets)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* what;
        double s, l, h;
    };
    const Row rows[] = {
        {"at the centre (w = 0)", 10, -10000, 5},
        {"behind the centre", 40, -25000, 7},
        {"far behind", 1e9, -1e12, 1e9},
        {"not a number", nan, 0, 5},
        {"infinitely far", std::numeric_limits<double>::infinity(), 0, 0},
    };
    const ViewMatrix side = viewMatrix(90, 360); // depth = l
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ViewPoint p{10, 0, 5};
        projectPoint(p, side);
        ASSERT_DOUBLE_EQ(p.ps, 10);
        ASSERT_DOUBLE_EQ(p.pv, 5);
        p.s = r.s, p.l = r.l, p.h = r.h;
        projectPoint(p, side);
        EXPECT_DOUBLE_EQ(p.ps, 10);
        EXPECT_DOUBLE_EQ(p.pv, 5);
    }
    // Just in front of the centre the offsets grow without bound, the pixels do not.
    ViewPoint near{1, -10000 + 1e-9, 1};
    projectPoint(near, side);
    EXPECT_GT(near.ps, 1e9);
    EXPECT_EQ(screenPosition(near, 592, 300), (Pixel{296 - 1000000, 150 - 1000000}));
}

TEST(ViewScale, SizeBarGivesTheScaleOfTheThreeDimensionalView)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        int position;
        double viewScale, expected;
    };
    const Row rows[] = {
        {75, 1.0, 1.0}, {10, 1.0, 3.6}, {97, 1.0, 0.12}, {75, 0.25, 0.25}, {10, 0.25, 0.9},
        // Nothing to draw with: the smallest scale.
        {100, 1.0, 0.0001}, {75, 0, 0.0001}, {75, -1, 0.0001}, {75, nan, 0.0001}, {75, inf, 0.0001},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(view3DScale(r.position, r.viewScale), r.expected, 1e-12)
            << "position " << r.position << " view scale " << r.viewScale;
}

TEST(FixedTable, WingCornersAreScaledTheAxesAndTheArrowAreNot)
{
    const Aircraft ac = twoTrapezoidAircraft();
    struct Row {
        Half half;
        int k;
        bool trailing;
        double s, l, h; // mm, before scaling
    };
    const Row rows[] = {
        {Half::Right, 0, false, 50, 100, 20}, {Half::Right, 0, true, 50, 300, 20},  {Half::Right, 1, true, 450, 280, 20},
        {Half::Right, 2, true, 750, 280, 20}, {Half::Left, 1, false, -450, 130, 20}, {Half::Left, 2, true, -750, 280, 20},
    };
    for (double scale : {1.0, 0.37, 3.6}) {
        ThreeDView v;
        fillFixedTable(v, ac, scale);
        for (const Row& r : rows) {
            const ViewPoint& p = v.fixed[wingPointIndex(1, r.half, r.k, r.trailing)];
            SCOPED_TRACE(testing::Message() << "scale " << scale << " station " << r.k);
            EXPECT_NEAR(p.s, r.s * scale, 1e-9);
            EXPECT_NEAR(p.l, r.l * scale, 1e-9);
            EXPECT_NEAR(p.h, r.h * scale, 1e-9);
        }
        EXPECT_EQ(v.fixed[axisPointIndex(AxisPoint::SpanA)].s, 4000);
        EXPECT_EQ(v.fixed[axisPointIndex(AxisPoint::LongitudinalB)].l, -4000);
        EXPECT_EQ(v.fixed[axisPointIndex(AxisPoint::ArrowTip)].l, -100);
        EXPECT_EQ(v.fixed[axisPointIndex(AxisPoint::ArrowBarb3)].h, 4);
    }
    // On screen too: the axes and the arrow stand where they stood at another scale.
    ThreeDView small, large;
    const SolverData none;
    prepareThreeDView(small, ac, 5, none, {.view3DScale = 0.12});
    prepareThreeDView(large, ac, 5, none, {.view3DScale = 3.6});
    const ThreeDLines a = threeDLines(small, ac, 5, false, 592, 300), b = threeDLines(large, ac, 5, false, 592, 300);
    EXPECT_EQ(a.axes, b.axes);
    EXPECT_EQ(a.arrow, b.arrow);
    EXPECT_NE(a.outlines[1], b.outlines[1]);
}

TEST(PressureTable, NeedleHeightFollowsTheNeedleBarAndTheScale)
{
    struct Row {
        int position;
        double wingZ, scale;
        double pressure; // of panel 1 of strip 1 (set below)
        double base, tip;
    };
    const Row rows[] = {
        {99, 0, 1, 0.5, 0, 0.5},     // 1 x p
        {20, 0, 1, 0.5, 0, 40},      // 80 x p
        {92, 100, 2, 1.5, 200, 224}, // (8 p + WingZ) x scale
        {20, -40, 0.5, -0.25, -20, -30},
    };
    for (const Row& r : rows) {
        SolverData sd = handLattice(2, 3, r.wingZ);
        sd.lattice[1].strips[1].PanelPressure[1] = r.pressure;
        ThreeDView v;
        fillPressureTable(v, 1, sd, r.position, r.scale);
        ASSERT_EQ(v.pressureCount, 2 * 2 * 3);
        const PressureBlock& b = v.blocks[1];
        EXPECT_DOUBLE_EQ(v.pressure[b.base(1, 1)].h, r.base) << "position " << r.position;
        EXPECT_DOUBLE_EQ(v.pressure[b.tip(1, 1)].h, r.tip) << "position " << r.position;
        // Base and tip stand over the control point of the panel.
        const ViewPoint& tip = v.pressure[b.tip(2, 3)];
        EXPECT_DOUBLE_EQ(tip.s, 200 * r.scale);
        EXPECT_DOUBLE_EQ(tip.l, 30 * r.scale);
        EXPECT_DOUBLE_EQ(tip.h, (2.3 * (100 - r.position) + r.wingZ) * r.scale);
    }
}

TEST(PressureTable, CoversEveryPanelOfACalculatedAircraftAndNothingBeyondTheLattice)
{
    AircraftTexts t = defaultAircraftTexts();
    Aircraft ac;
    SolverData sd;
    ASSERT_FALSE(calculate(ac, t, sd, Language::English).failed);
    ThreeDView v;
    fillPressureTable(v, ac.WingCount, sd, 92, 0.2);
    EXPECT_EQ(v.pressureCount, 2 * sd.counts.PanelCount);

    struct Row {
        const char* what;
        int strips, nc, panelCount, wingCount;
        int expected;
    };
    const Row rows[] = {
        {"counts larger than the lattice", 10, 5, 50, 1, 2 * 2 * 3},
        {"no panels", 2, 3, 0, 1, 0},
        {"no wing", 2, 3, 6, 0, 0},
        {"more wings than the lattice has", 2, 3, 6, 5, 2 * 2 * 3},
        {"negative counts", -4, -1, 6, 1, 0},
    };
    for (const Row& r : rows) {
        SolverData small = handLattice(2, 3, 0);
        small.counts.StripCount[1] = r.strips;
        small.counts.ChordwiseCount[1] = r.nc;
        small.counts.PanelCount = r.panelCount;
        small.counts.StripCount[4] = 7; // a count left from an earlier lattice
        fillPressureTable(v, r.wingCount, small, 92, 1);
        EXPECT_EQ(v.pressureCount, r.expected) << r.what;
    }
}

TEST(ThreeDLines, OutlinesOfTheWingsInUseMirrorAboutTheCentreLineSeenFromAhead)
{
    const Aircraft ac = twoTrapezoidAircraft();
    const SolverData none;
    for (int elevation = 0; elevation <= 90; elevation += 15) {
        SCOPED_TRACE(elevation);
        ThreeDView v;
        prepareThreeDView(v, ac, 2, none, {.elevationPosition = elevation, .azimuthPosition = 360, .view3DScale = 0.5});
        const ThreeDLines lines = threeDLines(v, ac, 2, false, 592, 300);
        // Wing 1: trapezoid 1 closed on each half, then trapezoid 2 open on each half.
        ASSERT_EQ(lines.outlines[1].size(), 4u);
        EXPECT_EQ(lines.outlines[1][0].size(), 5u);
        EXPECT_EQ(lines.outlines[1][0].front(), lines.outlines[1][0].back());
        EXPECT_EQ(lines.outlines[1][2].size(), 4u);
        EXPECT_FALSE(lines.outlines[2].empty());
        for (int w = 3; w <= MaxWings; ++w)
            EXPECT_TRUE(lines.outlines[w].empty()) << "wing " << w;
        // With no azimuth the left half is the right half mirrored about column 296.
        for (std::size_t i = 0; i + 1 < lines.outlines[1].size(); i += 2) {
            const Polyline &right = lines.outlines[1][i], &left = lines.outlines[1][i + 1];
            ASSERT_EQ(right.size(), left.size());
            for (std::size_t n = 0; n < right.size(); ++n) {
                EXPECT_EQ(right[n].x + left[n].x, 2 * 296);
                EXPECT_EQ(right[n].y, left[n].y);
            }
        }
    }
}

TEST(ThreeDLines, NeedlesAndCurvesOnlyWithThePressureDistribution)
{
    const Aircraft ac = twoTrapezoidAircraft();
    const SolverData sd = handLattice(3, 4, 0);
    ThreeDView v;
    prepareThreeDView(v, ac, 1, sd, {.showPressure = true});
    const ThreeDLines with = threeDLines(v, ac, 1, true, 592, 300);
    ASSERT_EQ(with.needles.size(), 12u);
    ASSERT_EQ(with.curves.size(), 3u + 4u); // chordwise per strip, spanwise per panel row
    EXPECT_EQ(with.curves[0].size(), 4u);
    EXPECT_EQ(with.curves[3].size(), 3u);
    // The curves join the needle tips: strip 1 chordwise, then panel 1 spanwise.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(with.curves[0][k], with.needles[k].second);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(with.curves[3][j], with.needles[4 * j].second);
    const ThreeDLines without = threeDLines(v, ac, 1, false, 592, 300);
    EXPECT_TRUE(without.needles.empty());
    EXPECT_TRUE(without.curves.empty());
}

// Random aircraft with huge, zero and negative dimensions, random bars and scales, drawn one after
// another into the same view: every pixel is finite and within the held range.
TEST(ThreeDLines, DegenerateAircraftGiveBoundedPixels)
{
    std::mt19937 random(4711);
    auto pick = [&](std::initializer_list<std::int32_t> values) {
        return *(values.begin() + std::uniform_int_distribution<int>(0, int(values.size()) - 1)(random));
    };
    const std::initializer_list<std::int32_t> lengths = {0, 0, 1, 300, -7000, 1000000000, 2147483647};
    ThreeDView v;
    for (int run = 0; run < 300; ++run) {
        Aircraft ac;
        for (int w = 1; w <= MaxWings; ++w) {
            ac.StationCount[w] = std::uniform_int_distribution<int>(0, 6)(random);
            ac.rootGap[w] = pick(lengths);
            ac.posX[w] = pick(lengths);
            ac.posZ[w] = pick(lengths);
            for (int k = 0; k < MaxStations; ++k) {
                ac.StationChordMm[k][w] = pick(lengths);
                ac.StationYMm[k][w] = pick(lengths);
                ac.StationOffsetMm[k][w] = pick(lengths);
            }
        }
        SolverData sd = handLattice(3, 2, pick(lengths));
        sd.lattice[1].strips[2].PanelPressure[1] = run % 2 ? 1e300 : std::numeric_limits<double>::quiet_NaN();
        sd.lattice[1].strips[3].ControlX[2] = -1e12;
        const ThreeDInput in{.elevationPosition = std::uniform_int_distribution<int>(0, 90)(random),
                             .azimuthPosition = std::uniform_int_distribution<int>(0, 360)(random),
                             .needlePosition = std::uniform_int_distribution<int>(20, 99)(random),
                             .view3DScale = std::pow(10.0, std::uniform_int_distribution<int>(-4, 6)(random)),
                             .showPressure = true};
        const int wings = std::uniform_int_distribution<int>(0, 7)(random);
        prepareThreeDView(v, ac, wings, sd, in);
        const ThreeDLines lines = threeDLines(v, ac, wings, true, 592, 300);
        auto check = [&](const Polyline& line) {
            for (const Pixel& p : line)
                ASSERT_TRUE(std::abs(p.x) <= 1000296 && std::abs(p.y) <= 1000150) << "run " << run;
        };
        std::ranges::for_each(lines.axes, check);
        std::ranges::for_each(lines.arrow, check);
        std::ranges::for_each(lines.curves, check);
        for (int w = 1; w <= MaxWings; ++w)
            std::ranges::for_each(lines.outlines[w], check);
        for (const auto& [base, tip] : lines.needles)
            check({base, tip});
        for (const ViewPoint& p : v.fixed)
            ASSERT_TRUE(std::isfinite(p.ps) && std::isfinite(p.pv)) << "run " << run;
    }
}

} // namespace
} // namespace ab

namespace ab {
namespace {

// A tilted panel rises with the sine of its angle: the outline's tip and a needle's foot on a strip
// halfway out, and the needle leans with the strip's normal; flat (0 degrees) is the table as before.
TEST(TiltedWing, StationsAndNeedlesRiseWithTheSineOfTheAngle)
{
    constexpr double kPi = 3.14159265358979323846;
    for (const double angle : {0.0, 10.0, 40.0, -25.0}) {
        SCOPED_TRACE(angle);
        AircraftTexts t = defaultAircraftTexts();
        WingTexts& w = t.wing[1];
        w.trapezoidCount = 1;
        w[Role::RootGap] = "50", w[Role::RootChord] = "200";
        w[widthRole(1)] = "400", w[tipChordRole(1)] = "150", w[tipOffsetRole(1)] = "30";
        w[Role::PosX] = "100", w[Role::PosZ] = "20";
        w.dihedral[1] = angle == 0 ? "" : std::to_string(angle);
        Aircraft ac;
        recalculate(ac, t);
        const double c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180), scale = 0.5;

        ThreeDView v;
        fillFixedTable(v, ac, scale);
        for (Half h : {Half::Right, Half::Left}) {
            const double side = h == Half::Right ? 1 : -1;
            const ViewPoint& root = v.fixed[wingPointIndex(1, h, 0, false)];
            const ViewPoint& tip = v.fixed[wingPointIndex(1, h, 1, true)];
            EXPECT_DOUBLE_EQ(root.h, 20 * scale);
            EXPECT_NEAR(tip.h, (20 + 400 * s) * scale, 1e-9);
            EXPECT_NEAR(tip.s, side * (50 + 400 * c) * scale, 1e-9);
            EXPECT_DOUBLE_EQ(tip.l, (100 + 30 + 150) * scale);
        }

        // One strip halfway out on the tilted panel, its needle 80 x p long along the normal.
        SolverData sd = handLattice(1, 1, 20);
        Strip& strip = sd.lattice[1].strips[1];
        strip.ControlY = 50 + 200 * c;
        strip.ControlZ = 20 + 200 * s;
        strip.NormalY = -s;
        strip.NormalZ = c;
        strip.PanelPressure[1] = 0.5;
        fillPressureTable(v, 1, sd, 20, scale);
        const ViewPoint& base = v.pressure[v.blocks[1].base(1, 1)];
        const ViewPoint& needle = v.pressure[v.blocks[1].tip(1, 1)];
        EXPECT_NEAR(base.h, (20 + 200 * s) * scale, 1e-9);
        EXPECT_NEAR(needle.h - base.h, 40 * c * scale, 1e-9);
        EXPECT_NEAR(needle.s - base.s, -40 * s * scale, 1e-9);
    }
}

} // namespace
} // namespace ab

namespace ab {
namespace {

// The three-dimensional view's fitting scale puts every outline point of the V-tail glider inside the
// image, the margin clear of its edges, at any angle of the bars and any size of the view; 5 % more
// would leave it, so the aircraft fills the view.
TEST(ThreeDFit, TheWholeAircraftStandsInsideTheViewAndFillsIt)
{
    Aircraft ac;
    AircraftTexts t = defaultAircraftTexts();
    recalculate(ac, t);
    ASSERT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/vtail_glider.wk4", ac, t, Language::English).ok());
    // elevation, azimuth, width, height: the window's start at its smallest, from above, from behind
    for (const auto [elevation, azimuth, width, height] :
         {std::array{80, 250, 592, 200}, std::array{0, 0, 400, 300}, std::array{90, 180, 800, 150}}) {
        SCOPED_TRACE(::testing::Message() << elevation << "/" << azimuth << " " << width << "x" << height);
        const std::optional<double> fit = fittingView3DScale(ac, 2, elevation, azimuth, width, height);
        ASSERT_TRUE(fit);
        const auto nearestEdge = [&](double scale) { // pixels between the outlines and the image's edges
            ThreeDView v;
            prepareThreeDView(v, ac, 2, SolverData{}, ThreeDInput{elevation, azimuth, 92, scale, false});
            const ThreeDLines lines = threeDLines(v, ac, 2, false, width, height);
            int nearest = width;
            for (int w = 1; w <= 2; ++w)
                for (const Polyline& line : lines.outlines[w])
                    for (const Pixel& p : line)
                        nearest = std::min({nearest, p.x, p.y, width - 1 - p.x, height - 1 - p.y});
            return nearest;
        };
        EXPECT_GE(nearestEdge(*fit), ThreeDFitMargin - 1);
        EXPECT_LT(nearestEdge(*fit * 1.05), ThreeDFitMargin - 1);
    }
    EXPECT_FALSE(fittingView3DScale(ac, 2, 80, 250, 8, 200)); // no room
}

} // namespace
} // namespace ab
