// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_geometry.h"

#include "model/aircraft_texts.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ab {
namespace {

Aircraft evaluated(const AircraftTexts& texts)
{
    Aircraft ac;
    recalculate(ac, texts);
    recalculate(ac, texts); // the leading-edge tables with the positions read
    return ac;
}

TEST(PlanformView, DefaultWingOneScaleOriginAndMarks)
{
    const Aircraft ac = evaluated(defaultAircraftTexts());
    // 489 x 273: the span (1100 mm a half) limits the scale, not the depth (466 mm).
    const ViewMapping m = planformMapping(ac, 1, 489, 273);
    EXPECT_EQ(m.originX, 244);
    EXPECT_EQ(m.originY, 91);
    EXPECT_DOUBLE_EQ(m.scale, 489 / 2.03 / 1100);
    const PlanformMarks k = planformMarks(ac, 1, m);
    EXPECT_EQ(k.r25Row, 122);      // r25 141.63 mm
    EXPECT_EQ(k.macFrontRow, 104); // mean chord 329.75 mm from r25 - lm/4
    EXPECT_EQ(k.macRearRow, 176);
    // The inverse gives back the mm of a pixel.
    EXPECT_NEAR(m.xAtRow(m.at(0, 466).y), 466, 1 / m.scale);
    EXPECT_NEAR(m.yAtColumn(m.at(1100, 0).x), 1100, 1 / m.scale);
}

TEST(PlanformView, ScaleRulesOfUnusualWings)
{
    AircraftTexts t = defaultAircraftTexts();
    // A tip far forward: -2 x offset sets the extent (200 mm) instead of the chords of 50 mm.
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 1;
    w[Role::RootChord] = "50";
    w[tipChordRole(1)] = "50";
    w[tipOffsetRole(1)] = "-100";
    w[widthRole(1)] = "100";
    EXPECT_DOUBLE_EQ(planformMapping(evaluated(t), 1, 400, 320).scale, 320 / 1.6 / 200);
    // No span: the span scale is 1.0, limited by the depth.
    w[widthRole(1)] = "0";
    EXPECT_DOUBLE_EQ(planformMapping(evaluated(t), 1, 400, 3200).scale, 1.0);
    // No chord and no forward offset: no depth at all; the span scale holds alone.
    w[widthRole(1)] = "1000";
    w[Role::RootChord] = w[tipChordRole(1)] = w[tipOffsetRole(1)] = "0";
    EXPECT_DOUBLE_EQ(planformMapping(evaluated(t), 1, 406, 300).scale, 406 / 2.03 / 1000);
}

TEST(WingOutline, RootChordClosesOnlyWithACentreGapAndInnerEdgesAreNotRepeated)
{
    const Aircraft ac = evaluated(defaultAircraftTexts());
    const ViewMapping m{100, 10, 0.1};
    const std::vector<Polyline> wing1 = wingOutline(ac, 1, m); // four trapezoids, no gap
    ASSERT_EQ(wing1.size(), 8u);
    EXPECT_EQ(wing1[0].size(), 4u);
    EXPECT_EQ(wing1[0].front(), (Pixel{100, 10}));
    EXPECT_EQ(wing1[1].back(), (Pixel{100, 10})); // the left half ends at the root leading edge
    EXPECT_EQ(wing1[2][1], (Pixel{100 + 98, 10 + 13})); // y 984, offset 131
    EXPECT_EQ(wing1[3][1], (Pixel{100 - 98, 10 + 13}));
    const std::vector<Polyline> wing5 = wingOutline(ac, 5, m); // two trapezoids, gap 300
    ASSERT_EQ(wing5.size(), 4u);
    EXPECT_EQ(wing5[0].size(), 5u);
    EXPECT_EQ(wing5[0].front(), wing5[0].back());
    EXPECT_EQ(wing5[0].front(), (Pixel{130, 10}));
}

TEST(TopView, DefaultAircraftLayoutRanksAndZoom)
{
    const Aircraft ac = evaluated(defaultAircraftTexts());
    // Depth from wing 4's leading edge (x -400) to its trailing edge (1450) limits the scale; the
    // canard ahead of x = 0 moves the origin row down.
    const TopViewLayout l = topViewLayout(ac, 5, 591, 300);
    EXPECT_DOUBLE_EQ(l.scale, 300 / 1.26 / 1850);
    EXPECT_EQ(l.centreX, 296);
    EXPECT_EQ(l.offsetY, 94);
    EXPECT_EQ(heightRanks(ac), (PerWing<int>{0, 2, 4, 5, 3, 1}));
    EXPECT_EQ(topViewWingMapping(ac, 2, l.scale, l.centreX, l.offsetY).originY, 94 + 150); // x 1167
    EXPECT_DOUBLE_EQ(zoomedScale(0.5, 100), 0.5);
    EXPECT_DOUBLE_EQ(zoomedScale(0.5, 10), 0.5 * 4.6);
    EXPECT_EQ(topViewPoint(100, 50, 0.5, 20, 591), (Pixel{270, 70})); // 295.5 - 25 = 270.5 -> 270
}

TEST(TopView, OnlyWingOneInUseKeepsTheOriginAndAFiniteScaleForAnyAircraft)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wing[2][Role::PosZ] = t.wing[1][Role::PosZ]; // equal heights share a rank
    const Aircraft ac = evaluated(t);
    EXPECT_EQ(heightRanks(ac)[1], heightRanks(ac)[2]);
    // Wing 1 alone: x 0 .. 466 mm; the unused wings add tip 1 mm, rear 1 mm, front 0.
    const TopViewLayout l = topViewLayout(ac, 1, 1200, 300);
    EXPECT_DOUBLE_EQ(l.scale, 300 / 1.26 / 466);
    EXPECT_EQ(l.offsetY, 43);
    // Degenerate aircraft: every chord 0, no span, a wing a million metres back.
    for (int w = 1; w <= MaxWings; ++w)
        for (auto& f : t.wing[w].field)
            f = "0";
    for (const char* x : {"0", "2000000000", "-2000000000"}) {
        t.wing[1][Role::PosX] = x;
        const Aircraft d = evaluated(t);
        const TopViewLayout dl = topViewLayout(d, 5, 591, 300);
        EXPECT_TRUE(std::isfinite(dl.scale) && dl.scale > 0) << x;
        for (const Polyline& p : wingOutline(d, 1, topViewWingMapping(d, 1, dl.scale, dl.centreX, dl.offsetY)))
            for (const Pixel& px : p)
                EXPECT_LE(std::abs(px.y), 2000000) << x;
        const PlanformMarks k = planformMarks(d, 1, planformMapping(d, 1, 489, 273));
        EXPECT_LE(std::abs(k.r25Row), 1000000);
    }
}

TEST(StabilityMarks, RowsOfTheMarksAndThePointerLines)
{
    Aircraft ac;
    ac.NeutralPointX = 100;
    ac.ReferenceMac = 200;
    ac.ActiveWingCount = 2;
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const StabilityMarks m = stabilityMarks(ac, f, 0.5, 20, 591);
    EXPECT_EQ(m.centreColumn, 296);
    EXPECT_EQ(m.neutralRow, 70);  // 100 mm
    EXPECT_EQ(m.lowRow, 62);      // 8 %: 84 mm
    EXPECT_EQ(m.highRow, 54);     // 16 %: 68 mm
    EXPECT_EQ(m.desiredRow, 62);  // 7.5 %: 85 mm
    const std::vector<PointerLine> automatic = pointerLines(m, true);
    ASSERT_EQ(automatic.size(), 3u);
    EXPECT_EQ(automatic[0].stubStart, (Pixel{162, 274}));
    EXPECT_EQ(automatic[0].target, (Pixel{289, 54}));
    EXPECT_TRUE(automatic[2].neutralPoint);
    EXPECT_EQ(automatic[2].stubEnd, (Pixel{176, 306}));
    const std::vector<PointerLine> manual = pointerLines(m, false);
    ASSERT_EQ(manual.size(), 2u);
    EXPECT_EQ(manual[0].stubStart.y, 290);
    EXPECT_EQ(manual[0].target.y, 62);
}

TEST(PressureColour, RedForSuctionBlueBelowStrongerWithThePressure)
{
    struct Row {
        double p;
        int position;
        std::optional<Rgb> colour;
    };
    const Row rows[] = {
        {0.0, 92, std::nullopt},
        {std::nan(""), 92, std::nullopt},
        {1e-4, 92, Rgb{255, 253, 253}},  // v = 8: 8^0.35 = 2.07
        {-1e-4, 92, Rgb{253, 253, 255}},
        {1.0, 20, Rgb{255, 139, 139}},   // v = 800000: i = 116
        {1e300, 20, Rgb{255, 0, 0}},
        {-HUGE_VAL, 50, Rgb{0, 0, 255}},
    };
    for (const Row& r : rows) {
        const std::optional<Rgb> c = pressureColour(r.p, r.position);
        EXPECT_EQ(c.has_value(), r.colour.has_value()) << r.p;
        if (c && r.colour) {
            EXPECT_EQ(*c, *r.colour) << r.p;
        }
    }
}

TEST(Lattice, CellsOfAStripFollowItsEdges)
{
    WingLattice lattice;
    lattice.strips.resize(2);
    Strip& s = lattice.strips[1];
    s.YLeft = 0;
    s.YRight = 100;
    s.PanelEdgeXLeft = {0, 50, 100};
    s.PanelEdgeXRight = {10, 60, 110};
    s.PanelPressure = {0, 2.5, -1.0};
    const std::vector<LatticeCell> cells = latticeCells(lattice, 2, 0.5, 20, 591); // centre column 295
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].corner[0], (Pixel{295, 20}));
    EXPECT_EQ(cells[0].corner[1], (Pixel{345, 25}));
    EXPECT_EQ(cells[1].corner[2], (Pixel{345, 75}));
    EXPECT_EQ(cells[1].pressure, -1.0);
}

TEST(PrintedPage, RectangleOnThePrinterByResolutionAndWingCount)
{
    EXPECT_EQ(printRectangle(600, 4), (PrintRectangle{390, 390, 3510, 7020}));
    EXPECT_EQ(printRectangle(300, 2), (PrintRectangle{245, 245, 2205, 4410}));
    EXPECT_EQ(printRectangle(600, 3), (PrintRectangle{490, 490, 4410, 8820}));
    EXPECT_EQ(printRectangle(96, 5).right, 562); // 900 x 0.624 = 561.6
    // A page of three wings whose texts reach below what an A4 sheet keeps at the larger scale.
    EXPECT_EQ(printRectangle(600, 3, LargerPrintFoot), (PrintRectangle{490, 490, 4410, 8820}));
    EXPECT_EQ(printRectangle(600, 3, LargerPrintFoot + 1), (PrintRectangle{390, 390, 3510, 7020}));
    // At the larger scale that row is the last one on the 7016 rows of an A4 sheet at 600 dpi.
    const PrintRectangle r = printRectangle(600, 1);
    EXPECT_LE(r.top + (r.bottom - r.top) * LargerPrintFoot / 1620, 7016);
}

} // namespace
} // namespace ab
