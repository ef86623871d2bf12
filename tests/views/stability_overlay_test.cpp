// SPDX-License-Identifier: GPL-3.0-or-later
// Where the stability display goes in the top view: the block of texts clear of the wings (on the
// tandem and the canard its own place covers the reference wing), the band and symbols, the stacked
// labels and the pointer lines from wherever the block stands.
#include "views/stability_overlay.h"

#include "files/open_aircraft.h"
#include "model/aircraft_texts.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

Aircraft example(const std::string& name)
{
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    recalculate(ac, texts);
    EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/" + name, ac, texts, Language::English).ok());
    recalculate(ac, texts); // the leading-edge tables with the positions read
    return ac;
}

// The texts in the font the views use, about: five rows of up to 34 characters.
constexpr int BlockWidth = 232, BlockHeight = 82;

TEST(TextBlockPlace, MovesOffTheWingsOnTheTandemAndTheCanard)
{
    struct Case {
        const char* example;
        int width, height; // the printed page's top view, and a window's
        Pixel expected;    // up the left edge between the wings, or its own place
    };
    const Case cases[] = {
        {"tandem.wk4", 593, 330, {9, 136}},  {"tandem.wk4", 760, 420, {9, 196}},
        {"canard.wk4", 593, 330, {9, 144}},  {"canard.wk4", 760, 420, {9, 212}},
        {"trainer.wk4", 593, 330, {9, 180}}, {"trainer.wk4", 760, 420, DefaultTextBlockCorner},
        {"glider.wk4", 593, 330, DefaultTextBlockCorner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.example << " " << c.width << " x " << c.height);
        const Aircraft ac = example(c.example);
        const TopViewLayout l = topViewLayout(ac, ac.WingCount, c.width, c.height);
        const std::vector<Polyline> outlines = topViewOutlines(ac, ac.WingCount, l);
        const TextBlock own{DefaultTextBlockCorner, BlockWidth, BlockHeight};
        EXPECT_EQ(outlineCovered(own.rect(), outlines) > 0, c.expected != DefaultTextBlockCorner);

        const TextBlock placed = placeTextBlock(BlockWidth, BlockHeight, c.width, c.height, outlines, {});
        EXPECT_EQ(placed.corner, c.expected);
        EXPECT_EQ(outlineCovered(placed.rect(), outlines), 0);
        const PixelRect r = placed.rect();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= c.width && r.bottom <= c.height);
    }
}

TEST(TextBlockPlace, TheFirstFreePlaceOrTheLeastCovered)
{
    // A 600 x 400 view: the block's own place (9, 232), the right edge at its row (359, 232), then
    // 4 rows up and down the left edge and the right edge.
    const std::vector<Pixel> places = textBlockCandidates(232, 82, 600, 400);
    ASSERT_GE(places.size(), 6u);
    EXPECT_EQ(places[0], DefaultTextBlockCorner);
    EXPECT_EQ(places[1], (Pixel{359, 232}));
    EXPECT_EQ(places[2], (Pixel{9, 228}));
    EXPECT_EQ(places[3], (Pixel{9, 236}));
    EXPECT_EQ(places[4], (Pixel{359, 228}));
    for (const Pixel& p : places)
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + 232 <= 600 && p.y + 82 <= 400) << p.x << " " << p.y;
    // An image too small for the block keeps only its own place.
    EXPECT_EQ(textBlockCandidates(232, 82, 200, 100), std::vector<Pixel>{DefaultTextBlockCorner});

    const Polyline acrossTheBottomLeft{{0, 300}, {300, 300}};
    const Polyline downTheLeft{{100, 0}, {100, 400}};
    const Polyline aroundTheMiddle{{0, 200}, {600, 200}, {600, 330}, {0, 330}};
    const PixelRect markOnTheRight{400, 240, 420, 260};
    std::vector<Polyline> everyEightyRows;
    for (int y = 20; y < 400; y += 80)
        everyEightyRows.push_back({{0, y}, {600, y}});
    struct Case {
        const char* name;
        std::vector<Polyline> outlines;
        std::vector<PixelRect> obstacles;
        Pixel expected;
    };
    const Case cases[] = {
        {"nothing in the way", {}, {}, {9, 232}},
        {"a wing through its own place", {acrossTheBottomLeft}, {}, {359, 232}},
        // The left side is taken; on the right the nearest row clear of the mark lies 32 below.
        {"the left taken, a mark on the right", {downTheLeft}, {markOnTheRight}, {359, 264}},
        // Inside a wing from row 200 to 330: above it, as below it the block leaves the image.
        {"inside a wing", {aroundTheMiddle}, {}, {9, 112}},
        // Every place crosses a line: the one crossing the least outline, the first of equals.
        {"no free place", everyEightyRows, {}, {9, 232}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeTextBlock(232, 82, 600, 400, c.outlines, c.obstacles).corner, c.expected) << c.name;
}

TEST(StackedLabels, KeptApartInRowOrderAndInsideTheirRoom)
{
    struct Case {
        const char* name;
        std::vector<int> wanted;
        std::vector<int> tops;
    };
    // Labels 14 high, 2 apart, between rows 0 and 200.
    const Case cases[] = {
        {"apart already", {50, 100}, {43, 93}},
        {"one row", {100, 100, 100}, {93, 109, 125}},
        {"out of order", {104, 100}, {109, 93}},
        {"at the bottom", {195, 198}, {170, 186}},
        {"at the top", {2, 0}, {16, 0}},
        {"more than fit: the top wins", {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         {0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stackedLabelTops(c.wanted, 14, 2, 0, 200), c.tops) << c.name;
}

// The neutral point 100 mm, the reference chord 200 mm from x = 0 at the station 300 mm; 0.5 pixels
// per mm from row 20 on a view 591 wide.
TEST(OverlayMarks, BandSymbolsAndReferenceChord)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = 2;
    ac.NeutralPointX = 100;
    ac.ReferenceMac = 200;
    ac.ReferenceMacY = 300;
    ac.StationCount[1] = ac.StationCount[2] = 2;
    ac.StationYMm[1][1] = 500;
    ac.StationYMm[1][2] = 200;
    const TopViewLayout l{0.5, 296, 20};
    const StabilityFigures f = stabilityFigures(ac, 7.5);

    const OverlayMarks automatic = overlayMarks(ac, f, true, std::nullopt, l, 591);
    EXPECT_EQ(automatic.centreColumn, 296);
    EXPECT_EQ(automatic.band, (PixelRect{42, 54, 551, 63})); // 16 % at 68 mm to 8 % at 84 mm; tips at 250 px
    EXPECT_EQ(automatic.neutralRow, 70);
    EXPECT_EQ(automatic.cgRow, 58); // the middle of the band, 76 mm
    EXPECT_FALSE(automatic.measuredRow);
    EXPECT_TRUE(automatic.macShown);
    EXPECT_EQ(automatic.macColumn, 146); // on the left half
    EXPECT_EQ(automatic.macFrontRow, 20);
    EXPECT_EQ(automatic.macRearRow, 120);

    // Manual: the band 2 % either side of the desired 7.5 %: 81 mm to 89 mm.
    const OverlayMarks manual = overlayMarks(ac, f, false, 150.0, l, 591);
    EXPECT_EQ(manual.band.top, 60);
    EXPECT_EQ(manual.band.bottom, 65);
    EXPECT_EQ(manual.cgRow, 62);
    EXPECT_EQ(manual.measuredRow, 95);

    // A band narrower than a few pixels is drawn MinBandHeight high; no chord, no line.
    ac.ReferenceMac = 1;
    const OverlayMarks thin = overlayMarks(ac, stabilityFigures(ac, 7.5), true, std::nullopt, l, 591);
    EXPECT_EQ(thin.band.bottom - thin.band.top, MinBandHeight);
    ac.ReferenceMac = 0;
    EXPECT_FALSE(overlayMarks(ac, stabilityFigures(ac, 7.5), true, std::nullopt, l, 591).macShown);
}

TEST(PointerLines, FromTheBlockWhereverItStands)
{
    Aircraft ac;
    ac.NeutralPointX = 100;
    ac.ReferenceMac = 200;
    ac.ActiveWingCount = 2;
    const StabilityMarks m = stabilityMarks(ac, stabilityFigures(ac, 7.5), 0.5, 20, 591);
    // A block ending at column 160 in its own place gives the pointer lines of the fixed stubs.
    for (bool automatic : {true, false}) {
        const std::vector<PointerLine> own = pointerLines(m, automatic, TextBlock{DefaultTextBlockCorner, 151, 82}, 16);
        const std::vector<PointerLine> fixed = pointerLines(m, automatic);
        ASSERT_EQ(own.size(), fixed.size());
        for (std::size_t i = 0; i < own.size(); ++i) {
            EXPECT_EQ(own[i].stubStart, fixed[i].stubStart);
            EXPECT_EQ(own[i].stubEnd, fixed[i].stubEnd);
            EXPECT_EQ(own[i].target, fixed[i].target);
            EXPECT_EQ(own[i].neutralPoint, fixed[i].neutralPoint);
        }
    }
    // On the right of the centre line and moved up 200 rows: the stubs leave its left side.
    const std::vector<PointerLine> right = pointerLines(m, false, TextBlock{{400, 32}, 151, 82}, 16);
    ASSERT_EQ(right.size(), 2u);
    EXPECT_EQ(right[1].stubStart, (Pixel{398, 106}));
    EXPECT_EQ(right[1].stubEnd, (Pixel{384, 106}));
    EXPECT_EQ(right[1].target, (Pixel{303, m.neutralRow}));
}

} // namespace
} // namespace ab
