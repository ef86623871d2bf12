// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/planform_editing.h"

#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ab {
namespace {

Aircraft defaultAircraft()
{
    Aircraft ac;
    recalculate(ac, defaultAircraftTexts());
    return ac;
}

std::vector<std::pair<Role, std::string>> writes(const Aircraft& ac, int corner, double s, int dX, int dY,
                                                 bool shift = false, std::string_view gapText = "0")
{
    std::vector<std::pair<Role, std::string>> out;
    for (const FieldChange& f : dragWrites(ac, 1, corner, s, dX, dY, shift, gapText))
        out.emplace_back(f.role, f.text);
    return out;
}
using W = std::vector<std::pair<Role, std::string>>;

TEST(PlanformEditing, TheLastCornerWithinThreePixelsIsGrabbed)
{
    const Aircraft ac = defaultAircraft();
    const ViewMapping m{244, 91, 0.5};
    struct Row {
        int x, y, corner;
    };
    const Row rows[] = {
        {244, 91, 2},         // root leading edge: without a gap corner 2 covers corner 1
        {246, 91 + 168, 4},   // root trailing edge (335 mm)
        {354 + 2, 91 + 2, 5}, // station 1 leading edge, 2 pixels off
        {354 + 3, 91, 0},     // 3 pixels off: nothing
        {134, 91 - 2, 6},
        {244 + 550, 91 + 108, 17}, // station 4 leading edge (y 1100, offset 215: 107.5)
        {244 - 550, 91 + 167, 20}, // its trailing edge on the left (offset + chord 335: 167.5)
        {10, 10, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(hitCorner(ac, 1, m, r.x, r.y), r.corner) << r.x << ", " << r.y;
}

TEST(PlanformEditing, EachKindOfCornerWritesItsFields)
{
    const Aircraft ac = defaultAircraft();
    // Scale 0.5: a drag of (10, 6) pixels is 20 mm across and 12 mm back.
    struct Row {
        int corner;
        W fields;
    };
    const Row rows[] = {
        {0, {}},
        {1, {{Role::RootGap, "20"}}},
        {2, {{Role::RootGap, "20"}}}, // a closed gap opens to the left side as well
        {3, {{Role::RootChord, "347"}}},
        {5, {{tipOffsetRole(1), "12"}, {widthRole(1), "240"}}},
        {6, {{tipOffsetRole(1), "12"}, {widthRole(1), "200"}}},
        {8, {{tipChordRole(1), "347"}}},
        {13, {{tipOffsetRole(3), "152"}, {widthRole(3), "70"}}},
        {20, {{tipChordRole(4), "132"}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(writes(ac, r.corner, 0.5, 10, 6), r.fields) << r.corner;
    // A Shift drag of a leading edge moves the tip offsets further out along.
    EXPECT_EQ(writes(ac, 5, 0.5, 10, 6, true), (W{{tipOffsetRole(1), "12"}, {widthRole(1), "240"},
                                                  {tipOffsetRole(2), "143"}, {tipOffsetRole(3), "152"},
                                                  {tipOffsetRole(4), "227"}}));
    EXPECT_EQ(writes(ac, 17, 0.5, 0, 0, true).size(), 2u);
}

TEST(PlanformEditing, GapsChordsAndRoundingAtTheEdges)
{
    Aircraft ac = defaultAircraft();
    // An open gap closes at the centre line from either side, and no further.
    ac.rootGap[1] = 30;
    EXPECT_EQ(writes(ac, 2, 1.0, 50, 0, false, "30"), (W{{Role::RootGap, "0"}}));
    EXPECT_EQ(writes(ac, 1, 1.0, -50, 0, false, "30"), (W{{Role::RootGap, "0"}}));
    ac.rootGap[1] = 0;
    EXPECT_EQ(writes(ac, 2, 1.0, 50, 0, false, "00"), (W{{Role::RootGap, "0"}})); // only the text "0" opens
    // A trailing edge dragged past its leading edge writes a negative chord.
    EXPECT_EQ(writes(ac, 3, 1.0, 0, -400), (W{{Role::RootChord, "-65"}}));
    // Halves away from zero; less than half a millimetre changes nothing.
    EXPECT_EQ(writes(ac, 1, 2.0, 1, 0), (W{{Role::RootGap, "1"}}));
    EXPECT_EQ(writes(ac, 3, 2.0, 0, -1), (W{{Role::RootChord, "335"}}));
    EXPECT_EQ(writes(ac, 3, 4.0, 0, 1), (W{{Role::RootChord, "335"}}));
    // Far outside the image at a tiny scale: still a 32-bit number; no scale, no writes.
    EXPECT_EQ(writes(ac, 7, 1e-9, 0, 1000000), (W{{tipChordRole(1), "2147483647"}}));
    EXPECT_TRUE(writes(ac, 7, 0.0, 0, 10).empty());
}

TEST(PlanformEditing, CursorsAndHighlightedFields)
{
    EXPECT_EQ(cornerCursor(0), CornerCursor::Cross);
    EXPECT_EQ(cornerCursor(2), CornerCursor::SizeWE);
    EXPECT_EQ(cornerCursor(4), CornerCursor::SizeNS);
    EXPECT_EQ(cornerCursor(9), CornerCursor::SizeAll);
    EXPECT_EQ(cornerCursor(18), CornerCursor::SizeAll);
    EXPECT_EQ(cornerCursor(19), CornerCursor::SizeNS);
    EXPECT_EQ(fieldsOfCorner(10, false), (std::vector<Role>{tipOffsetRole(2), widthRole(2)}));
    EXPECT_EQ(fieldsOfCorner(10, true),
              (std::vector<Role>{tipOffsetRole(2), widthRole(2), tipOffsetRole(3), tipOffsetRole(4)}));
    EXPECT_EQ(fieldsOfCorner(11, true), (std::vector<Role>{tipChordRole(2)}));
    EXPECT_TRUE(fieldsOfCorner(0, true).empty());
}

TEST(MouseNavigation, OneBarStepPerThreePixelsAndTheRestCarriesOver)
{
    Pixel anchor{10, 10};
    BarSteps s = threeDDragSteps(anchor, {16, 1}, true, true);
    EXPECT_EQ(s.elevation, 3); // moved up 9 pixels
    EXPECT_EQ(s.azimuth, 2);
    EXPECT_EQ(s.size, 0);      // the right-button step sees the moved anchor
    EXPECT_EQ(anchor, (Pixel{16, 1}));
    s = threeDDragSteps(anchor, {14, 6}, false, true); // down 5, left 2: one step, 2 and 2 pixels left over
    EXPECT_EQ(s.size, -1);
    EXPECT_EQ(s.azimuth, 0);
    EXPECT_EQ(anchor, (Pixel{16, 4}));
    s = threeDDragSteps(anchor, {100, 100}, false, false);
    EXPECT_EQ(anchor, (Pixel{16, 4})); // no button: nothing moves
}

// A slow drag turns and zooms as far as a fast one over the same way: 30 moves of one pixel make
// the 10 steps one move of 30 pixels makes, in every direction and with either button.
TEST(MouseNavigation, SlowDragsGoAsFarAsFastOnes)
{
    const Pixel directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}};
    for (const Pixel d : directions) {
        for (const bool left : {true, false}) {
            Pixel fastAnchor{50, 50}, slowAnchor{50, 50};
            const BarSteps fast = threeDDragSteps(fastAnchor, {50 + 30 * d.x, 50 + 30 * d.y}, left, !left);
            BarSteps slow;
            for (int i = 1; i <= 30; ++i) {
                const BarSteps s = threeDDragSteps(slowAnchor, {50 + i * d.x, 50 + i * d.y}, left, !left);
                slow.elevation += s.elevation;
                slow.azimuth += s.azimuth;
                slow.size += s.size;
            }
            EXPECT_EQ(slow.elevation, fast.elevation);
            EXPECT_EQ(slow.azimuth, fast.azimuth);
            EXPECT_EQ(slow.size, fast.size);
            EXPECT_EQ(std::abs(fast.elevation) + std::abs(fast.azimuth) + std::abs(fast.size), 10 * (std::abs(d.x) + std::abs(d.y)));
        }
        Pixel fastAnchor{50, 50}, slowAnchor{50, 50};
        int slowZoom = 0;
        for (int i = 1; i <= 30; ++i)
            slowZoom += topViewZoomStep(slowAnchor, {50 + i * d.x, 50 + i * d.y});
        EXPECT_EQ(slowZoom, topViewZoomStep(fastAnchor, {50 + 30 * d.x, 50 + 30 * d.y}));
    }
}

} // namespace
} // namespace ab
